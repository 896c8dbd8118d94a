// Texts and edits of the ledger grid.
#include "depreciation/screens/ledger_model.h"

#include <QColor>
#include <QKeyEvent>
#include <QLineEdit>

#include "assets/card_values.h"
#include "common/format.h"

namespace orv::screens {
namespace {

using depreciation::DefterSatiri;

const char* kCaptions[] = {"Tarih", "Değerleme Öncesi Aktife Kayıtlı Değer", "Değer. Oranı",
                           "Değerlenmiş Tutar", "Değerlenmiş Amortisman", "Değ. Birikmiş Amortisman",
                           "Net Değer Artışı", "Amort. Oranı", "Hesaplanan Amortisman",
                           "Birikmiş Amortisman", "Yeni Kasa Değeri"};


bool isRate(int column) {
  return column == depreciation::SutunDOrani || column == depreciation::SutunAmortismanOrani;
}

}  // namespace

LedgerModel::LedgerModel(Session& session, depreciation::AcikDefter& defter, Prompter& prompter, QObject* parent)
    : QAbstractTableModel(parent), session_(session), d_(defter), prompter_(prompter) {}

int LedgerModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(d_.defter.satirlar.size());
}

int LedgerModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : depreciation::SutunSayisi; }

QVariant LedgerModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= depreciation::SutunSayisi)
    return {};
  return QString::fromUtf8(kCaptions[section]);
}

QString LedgerModel::cellText(const DefterSatiri& r, int column) const {
  const FormatSettings fs = formatSettings(session_.values);
  if (column == depreciation::SutunTarih) return QString::fromStdString(formatDate("dd/mm/yyyy", r.Tarih, fs));
  const double v = depreciation::sayiAlani(const_cast<DefterSatiri&>(r), column);
  const char* format = isRate(column) ? ",0.##;-,0.##" : session_.company.kurus1 ? ",0.00" : ",0.##";
  return QString::fromStdString(formatFloat(format, v, fs));
}

QVariant LedgerModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const DefterSatiri& r = d_.defter.satirlar[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return cellText(r, index.column());
    case Qt::TextAlignmentRole:
      return int((index.column() == 0 ? Qt::AlignCenter : Qt::AlignRight) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      if (r.Tarih < d_.ayarlar.KilitTarihi) return QColor(244, 243, 242);
      return {};
    default: return {};
  }
}

Qt::ItemFlags LedgerModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && depreciation::satirAcik(d_, index.row())) f |= Qt::ItemIsEditable;
  return f;
}

std::optional<double> LedgerModel::parseNumber(const QString& text) const {
  return assets::sayiOku(text.toStdString(), session_.values.thousandSeparator, session_.values.decimalSeparator);
}

bool LedgerModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.data(Qt::EditRole) == value) return false;
  bool done = false;
  if (index.column() == depreciation::SutunTarih) {
    QString text = value.toString().trimmed();
    text.replace(QChar(session_.values.dateSeparator), '/');
    auto date = Date::parse(text.toStdString());
    done = date && depreciation::defterTarihYaz(d_, index.row(), *date, prompter_);
  } else if (auto number = parseNumber(value.toString())) {
    done = depreciation::defterSayiYaz(d_, index.row(), index.column(), *number);
  }
  if (!done) return false;
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
  emit committed(index.row(), index.column());
  return true;
}

void LedgerModel::rowsChanged() {
  beginResetModel();
  endResetModel();
}

QWidget* LedgerDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  edit->setAlignment(Qt::AlignRight);
  editor_ = edit;
  return edit;
}

void LedgerDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* edit = static_cast<QLineEdit*>(editor);
  edit->setText(index.data(Qt::EditRole).toString());
  edit->selectAll();
}

bool LedgerDelegate::eventFilter(QObject* editor, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      auto* w = static_cast<QWidget*>(editor);
      emit commitData(w);
      emit closeEditor(w, QAbstractItemDelegate::NoHint);
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace orv::screens
