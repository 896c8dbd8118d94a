#include "companies/screens/untFirmaSec.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Three columns: name (light yellow), title (light cyan), accounting company (light green;
// white on green when selected).
class ChoiceDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
    const QStringList parts = index.data(Qt::UserRole).toStringList();
    const bool selected = opt.state & QStyle::State_Selected;
    const QRect r = opt.rect;
    const QRect cols[3] = {QRect(r.left(), r.top(), 60, r.height()),
                           QRect(r.left() + 60, r.top(), 220, r.height()),
                           QRect(r.left() + 283, r.top(), r.width() - 283, r.height())};
    const QColor backs[3] = {QColor(255, 255, 210), QColor(215, 255, 255), QColor(215, 255, 215)};
    for (int i = 0; i < 3; ++i) {
      p->fillRect(cols[i], selected ? QColor(0, 128, 0) : backs[i]);
      p->setPen(selected ? Qt::white : Qt::black);
      p->drawText(cols[i].adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                  parts.value(i));
    }
  }
  QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override {
    return QSize(420, QStyledItemDelegate::sizeHint(o, i).height() + 4);
  }
};

}  // namespace

TfrmFirmaSec::TfrmFirmaSec(orv::db::Database& root, std::string rootFolder, bool mayCreate,
                           std::function<void(QWidget*)> openNewCard, QWidget* parent)
    : QDialog(parent), root_(root), rootFolder_(std::move(rootFolder)),
      openNewCard_(std::move(openNewCard)) {
  setWindowTitle("Firma Seçimi");
  auto* prompt = new QLabel("Lütfen Çalışmak İstediğiniz Firmayı Seçiniz.", this);
  prompt->setStyleSheet("font-weight: bold; color: navy;");
  list_ = new QListWidget(this);
  list_->setItemDelegate(new ChoiceDelegate(list_));
  btTamam_ = new QPushButton("&Tamam", this);
  auto* btVazgec = new QPushButton("&Vazgeç", this);
  auto* btYeni = new QPushButton("&Yeni Firma Oluşturma", this);
  btYeni->setEnabled(mayCreate && openNewCard_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btYeni);
  buttons->addStretch();
  buttons->addWidget(btTamam_);
  buttons->addWidget(btVazgec);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(480, 320);
  list_->installEventFilter(this);
  connect(btTamam_, &QPushButton::clicked, this, &TfrmFirmaSec::take);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TfrmFirmaSec::take);
  connect(btVazgec, &QPushButton::clicked, this, &QDialog::reject);
  connect(btYeni, &QPushButton::clicked, this, [this] {
    openNewCard_(this);
    refill();
  });
  refill();
}

void TfrmFirmaSec::refill() {
  auto choices = orv::companies::choosableCompanies(root_, rootFolder_);
  choices_ = choices ? *choices : std::vector<orv::companies::CompanyChoice>{};
  list_->clear();
  for (const auto& c : choices_) {
    auto* item = new QListWidgetItem(QString::fromStdString(c.entry()), list_);
    item->setData(Qt::UserRole, QStringList{QString::fromStdString(c.name),
                                            QString::fromStdString(c.title),
                                            QString::fromStdString(c.linked)});
  }
  btTamam_->setEnabled(!choices_.empty());
  if (!choices_.empty()) {
    list_->setCurrentRow(0);
    list_->setFocus();
  }
}

bool TfrmFirmaSec::chooseByName(const std::string& name) {
  for (const auto& c : choices_) {
    if (c.name == name) {
      chosen_ = c;
      setResult(QDialog::Accepted);
      return true;
    }
  }
  return false;
}

void TfrmFirmaSec::take() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(choices_.size())) return;
  chosen_ = choices_[static_cast<size_t>(row)];
  accept();
}

void TfrmFirmaSec::applySearch() {
  setWindowTitle(search_.isEmpty() ? "Firma Seçimi"
                                   : "Firma Seçimi (Araman Firma Kodu : " + search_ + " )");
  const int at = orv::companies::findChoice(choices_, search_.toStdString());
  if (at >= 0) list_->setCurrentRow(at);
}

void TfrmFirmaSec::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    take();
  } else if (key == Qt::Key_Backspace) {
    search_.chop(1);
    applySearch();
  } else if (key == Qt::Key_Delete) {
    search_.clear();
    applySearch();
  } else if (event->text().size() == 1 && event->text()[0] >= '0' && event->text()[0] <= 'z') {
    search_ += event->text();
    applySearch();
  } else {
    QDialog::keyPressEvent(event);
  }
}

// The list would use typed letters for its own search: the typed text goes to ours.
bool TfrmFirmaSec::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString t = key->text();
    const bool ours = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                      key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                      (t.size() == 1 && t[0] >= '0' && t[0] <= 'z');
    if (ours) {
      keyPressEvent(key);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
