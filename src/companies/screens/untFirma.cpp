#include "companies/screens/untFirma.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/screens/message_prompter.h"
#include "companies/screens/untFirmaAc.h"
#include "data/code_lists.h"
#include "data/data_root.h"

using orv::companies::CompanyRow;

namespace {

const char* kChangedQuestion = "Bilgilerde değişiklik oldu. Saklamak istiyor musunuz ?";
const char* kMonths[12] = {"Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran",
                           "Temmuz", "Ağustos", "Eylül", "Ekim", "Kasım", "Aralık"};
const char* kDays[7] = {"Pazartesi", "Salı", "Çarşamba", "Perşembe", "Cuma", "Cumartesi", "Pazar"};
const char* kSeparators[6] = {"(Ayraç Yok)", ".(Nokta)", "-(Tire)", " (Boşluk)", ",(Virgül)",
                              "/(Bölme İşareti)"};

struct AdvisorField { const char* suffix1; const char* suffix2; const char* caption; int width; };
const AdvisorField kAdvisor[] = {
    {"Mus1ad", "Mus2Ad", "Adı Soyadı:", 30},         {"Mus1tel", "Mus2Tel", "Telefon:", 15},
    {"Mus1cadde", "Mus2Cadde", "Cadde:", 20},         {"Mus1sokak", "Mus2Sokak", "Sokak:", 20},
    {"Mus1kapi", "Mus2Kapi", "Kapı:", 20},            {"Mus1Ilce", "Mus2Ilce", "İlçe:", 20},
    {"Mus1sehir", "Mus2Sehir", "İl:", 20},            {"Mus1VergiDaire", "Mus2VergiDaire", "Vergi Daire:", 20},
    {"Mus1VergiNo", "Mus2VergiNo", "V.No:", 20},      {"Mus1OdaSicil", "Mus2OdaSicil", "Oda Sicil:", 20},
    {"Mus1Muhur", "Mus2Muhur", "Mühür:", 5}};

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfrmFirma::TfrmFirma(orv::Session& session, const orv::HeldFileLock* ownMarker, QWidget* parent)
    : TfrmGenMain(parent), session_(session), ownMarker_(ownMarker) {
  setWindowTitle("Firma Kartları");
  currencies_ = session.codeLists.currencies;
  if (currencies_.empty())
    if (auto p = orv::db::Database::open(orv::db::sharedParameterFolder(session.rootFolder),
                                         orv::db::Database::Mode::MustExist))
      currencies_ = orv::db::fillCurrencyList(**p);
  auto* bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto add = [&](const QString& text, const QKeySequence& key, bool allowed, auto slot) {
    QAction* a = bar->addAction(text, this, slot);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setEnabled(allowed);
    return a;
  };
  add("Kapat", {}, true, [this] { reject(); });
  add("Yeni", QKeySequence(Qt::Key_F4), session.hasRight(805), [this] { yeni(); });
  add("Çağır", QKeySequence(Qt::Key_F3), true, [this] { cagir(); });
  add("Sakla", QKeySequence(Qt::Key_F2), session.hasRight(805) || session.hasRight(810),
      [this] { sakla(); });
  add("Firma Silme", {}, session.hasRight(815), [this] { firmaSil(); });
  pages_ = new QTabWidget(this);
  pages_->addTab(buildGeneralPage(), "Genel Bilgiler");
  pages_->addTab(buildAdvisorPage(), "Müşavir ve Çalışma Bilgileri");
  waiting_ = new QLabel("İşleminiz Yapılıyor Lütfen Bekleyiniz.", this);
  waiting_->setAlignment(Qt::AlignCenter);
  waiting_->setStyleSheet("background: #ffffd9; border: 1px solid #808080; padding: 6px;");
  waiting_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar);
  layout->addWidget(waiting_);
  layout->addWidget(pages_);
  connect(edits_["Adi"], &QLineEdit::editingFinished, this, [this] {
    if (edits_["Yil"]->text().isEmpty()) edits_["Yil"]->setText(edits_["Adi"]->text());
  });
  yeni();
}

QLineEdit* TfrmFirma::addEdit(const std::string& field, int maxLength) {
  auto* e = new QLineEdit(this);
  e->setMaxLength(maxLength);
  edits_[field] = e;
  connect(e, &QLineEdit::textEdited, this, [this] { markChanged(); });
  return e;
}

QCheckBox* TfrmFirma::addCheck(const std::string& field, const QString& caption) {
  auto* c = new QCheckBox(caption, this);
  checks_[field] = c;
  connect(c, &QCheckBox::toggled, this, [this] { markChanged(); });
  return c;
}

QWidget* TfrmFirma::buildGeneralPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  auto* nameCheck = new QRegularExpressionValidator(QRegularExpression("[A-Za-z0-9_]{0,8}"), this);
  form->addRow("Firma Adı:", addEdit("Adi", 8));
  edits_["Adi"]->setValidator(nameCheck);
  edits_["Adi"]->setMaximumWidth(120);
  form->addRow("Ünvanı:", addEdit("Unvan", 50));
  form->addRow("Cadde:", addEdit("Cadde", 20));
  form->addRow("Sokak:", addEdit("Sokak", 20));
  auto* door = new QHBoxLayout;
  door->addWidget(addEdit("Kapi", 10));
  door->addWidget(addEdit("Daire", 10));
  form->addRow("Kapı/Daire:", door);
  form->addRow("İlçe:", addEdit("Ilce", 20));
  form->addRow("İl:", addEdit("Sehir", 20));
  form->addRow("Ülke:", addEdit("Ulke", 20));
  form->addRow("Posta Kodu:", addEdit("PostaKodu", 10));
  form->addRow("Tel-1:", addEdit("Tel1", 15));
  form->addRow("Tel-2:", addEdit("Tel2", 15));
  form->addRow("Fax:", addEdit("Fax", 15));
  form->addRow("Vergi Daire:", addEdit("VergiDaire", 20));
  form->addRow("Vergi No:", addEdit("VergiNo", 20));
  form->addRow("SSK No:", addEdit("SskNo", 25));
  form->addRow("Çalışacak Muhasebe \nFirmasının Adı:", addEdit("Yil", 8));
  edits_["Yil"]->setValidator(nameCheck);
  edits_["Yil"]->setMaximumWidth(120);
  month_ = new QComboBox(this);
  for (const char* m : kMonths) month_->addItem(m);
  connect(month_, &QComboBox::currentIndexChanged, this, [this] { markChanged(); });
  form->addRow("Mali Dönem\nBaşlangıcı:", month_);
  form->addRow(addCheck("Goster", "Bu Firma Listelenmesin"));
  form->addRow(addCheck("OzelKullan", "Bu Firma Parametreleri Kendi İçinde Özel Kullansın"));
  return page;
}

QWidget* TfrmFirma::buildAdvisorBox(int which) {
  auto* box = new QGroupBox(which == 1 ? " Müşavir Bilgileri - 1 " : " Müşavir Bilgileri - 2 ", this);
  auto* form = new QFormLayout(box);
  for (const AdvisorField& f : kAdvisor)
    form->addRow(f.caption, addEdit(which == 1 ? f.suffix1 : f.suffix2, f.width));
  return box;
}

QWidget* TfrmFirma::buildSettingsBox() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  localCurrency_ = new QComboBox(this);
  foreignCurrency_ = new QComboBox(this);
  for (const std::string& c : currencies_) {
    const auto eq = c.find('=');
    for (QComboBox* combo : {localCurrency_, foreignCurrency_})
      combo->addItem(q(c.substr(eq + 1)), q(c.substr(0, eq)));
  }
  separator_ = new QComboBox(this);
  for (const char* s : kSeparators) separator_->addItem(s);
  for (QComboBox* c : {localCurrency_, foreignCurrency_, separator_})
    connect(c, &QComboBox::currentIndexChanged, this, [this] { markChanged(); });
  form->addRow("Yerel Para Birimi:", localCurrency_);
  form->addRow("Döviz Para Birimi:", foreignCurrency_);
  form->addRow("Hesap Kodu Ayıracı:", separator_);
  auto* decimals = new QHBoxLayout;
  decimals->addWidget(addCheck("Kurus1", "Yerel Para"));
  decimals->addWidget(addCheck("Kurus2", "Döviz"));
  form->addRow("Ondalık Hanesi", decimals);
  auto* days = new QGridLayout;
  for (int i = 0; i < 7; ++i) {
    days_[i] = new QCheckBox(kDays[i], this);
    connect(days_[i], &QCheckBox::toggled, this, [this] { markChanged(); });
    days->addWidget(days_[i], i / 4, i % 4);
  }
  auto* dayBox = new QGroupBox("Çalışma Günleri", this);
  dayBox->setLayout(days);
  form->addRow(dayBox);
  return box;
}

QWidget* TfrmFirma::buildAdvisorPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->addWidget(buildAdvisorBox(1), 0, 0);
  grid->addWidget(buildAdvisorBox(2), 0, 1);
  grid->addWidget(buildSettingsBox(), 1, 0, 1, 2);
  return page;
}

void TfrmFirma::fill(const CompanyRow& row) {
  loading_ = true;
  for (auto& [field, e] : edits_) e->setText(q(row.get(field)));
  for (auto& [field, c] : checks_) c->setChecked(row.flag(field));
  const int month = row.number("MaliDonemBaslangici");
  month_->setCurrentIndex(month >= 1 && month <= 12 ? month - 1 : 0);
  localCurrency_->setCurrentIndex(std::max(0, localCurrency_->findData(q(row.get("YerelPara")))));
  foreignCurrency_->setCurrentIndex(std::max(0, foreignCurrency_->findData(q(row.get("Doviz")))));
  const int sep = row.number("HesapAyrac");
  separator_->setCurrentIndex(sep >= 0 && sep <= 5 ? sep : 0);
  const std::string daysText = row.get("CalismaGunleri");
  for (int i = 0; i < 7; ++i)
    days_[i]->setChecked(i < static_cast<int>(daysText.size()) && daysText[i] == '1');
  loading_ = false;
  changed_ = false;
}

orv::Result<CompanyRow> TfrmFirma::collect() const {
  CompanyRow row;
  row.ulas = ulas_;
  auto put = [&](const std::string& field, const std::string& value) {
    return row.set(field, value);
  };
  for (const auto& [field, e] : edits_)
    if (auto s = put(field, e->text().trimmed().toStdString()); !s) return s;
  for (const auto& [field, c] : checks_) put(field, c->isChecked() ? "1" : "0");
  put("MaliDonemBaslangici", std::to_string(month_->currentIndex() + 1));
  put("YerelPara", localCurrency_->currentData().toString().toStdString());
  put("Doviz", foreignCurrency_->currentData().toString().toStdString());
  put("HesapAyrac", std::to_string(separator_->currentIndex()));
  std::string days;
  for (QCheckBox* d : days_) days += d->isChecked() ? '1' : '0';
  put("CalismaGunleri", days);
  return row;
}

orv::companies::CompanyContext TfrmFirma::context() const {
  return {*session_.rootDb, session_.rootFolder, session_.company.name, ownMarker_};
}

bool TfrmFirma::askSaveIfChanged() {
  if (!changed_) return true;
  MessagePrompter prompter(this);
  switch (prompter.confirm(orv::MessageKind::Confirmation, kChangedQuestion, true)) {
    case orv::Answer::Yes: return sakla();
    case orv::Answer::No: return true;
    default: return false;
  }
}

void TfrmFirma::yeni() {
  if (!askSaveIfChanged()) return;
  fill(orv::companies::newCompanyRow(currencies_));
  ulas_ = 0;
  loadedName_.clear();
  pages_->setCurrentIndex(0);
  edits_["Adi"]->setFocus();
}

bool TfrmFirma::loadByName(const std::string& name) {
  auto found = orv::companies::findCompany(*session_.rootDb, name);
  if (!found || !found->has_value()) return false;
  fill(**found);
  ulas_ = (*found)->ulas;
  loadedName_ = name;
  pages_->setCurrentIndex(0);
  edits_["Adi"]->setFocus();
  return true;
}

void TfrmFirma::cagir() {
  MessagePrompter prompter(this);
  auto rows = orv::companies::listCompanies(*session_.rootDb);
  if (!rows) return prompter.message(orv::MessageKind::Error, rows.message());
  if (rows->empty())
    return prompter.message(orv::MessageKind::Information,
                            "Hiç Firma Kaydı Yok. Yeni Bir Firma Kaydı Oluşturunuz...");
  TfrmFirmaAc list(*rows, this);
  list.exec();
  const std::string name = list.chosenName();
  if (name.empty()) return;
  if (!loadByName(name))
    prompter.message(orv::MessageKind::Error, "Firma bilgisine erişilemiyor...");
}

bool TfrmFirma::sakla() {
  const bool isNew = ulas_ == 0 || loadedName_.empty();
  if (!session_.hasRight(isNew ? 805 : 810)) return false;
  MessagePrompter prompter(this);
  auto row = collect();
  if (!row) {
    prompter.message(orv::MessageKind::Warning, row.message());
    return false;
  }
  CompanyRow r = *row;
  auto ctx = context();
  showWaiting(true);
  auto saved = orv::companies::saveCompany(ctx, r, loadedName_, prompter);
  showWaiting(false);
  if (!saved) {
    prompter.message(orv::MessageKind::Information, saved.message());
    if (!loadedName_.empty() && saved.message().find("İsmini Değiştiremezsiniz") != std::string::npos)
      edits_["Adi"]->setText(q(loadedName_));  // the loaded name is put back
    edits_["Adi"]->setFocus();
    return false;
  }
  ulas_ = r.ulas;
  loadedName_ = r.name();
  changed_ = false;
  return true;
}

void TfrmFirma::showWaiting(bool on) {
  waiting_->setVisible(on);
  if (on) {
    setCursor(Qt::WaitCursor);
    waiting_->repaint();
  } else {
    unsetCursor();
  }
}

void TfrmFirma::firmaSil() {
  MessagePrompter prompter(this);
  auto ctx = context();
  auto deleted = orv::companies::deleteCompany(ctx, loadedName_, prompter);
  if (!deleted) return prompter.message(orv::MessageKind::Error, deleted.message());
  if (*deleted) {
    changed_ = false;
    yeni();
  }
}

void TfrmFirma::reject() {
  if (askSaveIfChanged()) {
    changed_ = false;
    TfrmGenMain::reject();
  }
}

void TfrmFirma::closeEvent(QCloseEvent* event) {
  if (!askSaveIfChanged()) return event->ignore();
  changed_ = false;
  TfrmGenMain::closeEvent(event);
}
