// Parameter store: read, ensure, store, the load of the system values and the printer choice.
#include "data/parameters.h"

#include <charconv>
#include <filesystem>

#include "common/turkish.h"
#include "data/rows.h"

namespace orv::db {
namespace {

const TableDef& paramalt() { return table("paramalt"); }

std::string below(const std::string& root, const std::string& sub) {
  return (std::filesystem::path(root) / sub).string();
}

std::optional<long long> toInteger(const std::string& text) {
  std::string t = trim(text);
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  long long v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

// A number written with the decimal separator of the parameters (or a point).
std::optional<double> toFloat(const std::string& text, char decimalSeparator) {
  std::string t = trim(text);
  for (char& c : t)
    if (c == decimalSeparator) c = '.';
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

int intOr(const std::string& text, int fallback) {
  const auto v = toInteger(text);
  return v ? static_cast<int>(*v) : fallback;
}

int byteOr(const std::string& text, int fallback) {
  const auto v = toInteger(text);
  return v && *v >= 0 && *v <= 255 ? static_cast<int>(*v) : fallback;
}

// First character of a separator parameter (ASCII only: the formatters work on bytes).
char separator(const std::string& text, char whenEmpty) {
  if (text.empty()) return whenEmpty;
  const unsigned char c = static_cast<unsigned char>(text[0]);
  return c < 0x80 ? static_cast<char>(c) : whenEmpty;
}

// Reads the parameters in load order; `read` gives the stored value or the default.
class Loader {
 public:
  Loader(Database& db, Prompter& p, const std::string& home) : db_(db), prompter_(p), defs_(systemParameters(home)) {}

  std::string text(int row) { return readParameter(db_, defs_[row - 1].title, defs_[row - 1].defaultValue); }
  const ParameterDef& def(int row) const { return defs_[row - 1]; }
  const std::vector<ParameterDef>& defs() const { return defs_; }

  double number(int row, char decimalSeparator) {
    const std::string value = text(row);
    if (const auto v = toFloat(value, decimalSeparator)) return *v;
    const ParameterDef& d = def(row);
    prompter_.message(MessageKind::Warning,
                      "\"" + d.title + "\" parametresinin değeri (" + value +
                          ") sayı değil; varsayılan değer " + d.defaultValue + " kullanılıyor.");
    return *toFloat(d.defaultValue, '.');
  }

 private:
  Database& db_;
  Prompter& prompter_;
  std::vector<ParameterDef> defs_;
};

void readIntoValues(Loader& l, SistemDegerleri& v) {
  v.programPath = l.text(1);
  v.tempPath = l.text(2);
  v.formPath = l.text(3);
  v.excelPath = l.text(4);
  v.thousandSeparator = separator(l.text(5), ',');
  v.decimalSeparator = separator(l.text(6), ' ');
  v.dateSeparator = separator(l.text(7), ' ');
  v.hostAddress = l.text(8);
  v.hostPort = l.text(9);
  v.linesPerPage = intOr(l.text(10), 60);
  v.voucherLinesPerPage = intOr(l.text(11), 60);
  v.linesPerLandscapePage = intOr(l.text(12), 40);
  v.blankLinesBetweenPages = intOr(l.text(13), 6);
  v.previewForms = intOr(l.text(14), 0) == 1;
  v.turkishLetters = byteOr(l.text(15), 0);
  v.lineThickness = byteOr(l.text(16), 2);
  v.roundingKind = intOr(l.text(17), 0);
  // 18 ("Yuvarlama Değeri") is only ensured: the parameter screen shows it.
  v.graphicLeftMargin = intOr(l.text(19), 0);
  v.graphicResolutionX = intOr(l.text(20), 300);
  v.graphicResolutionY = intOr(l.text(21), 300);
  v.assetCodeMask = l.text(22);
  v.accountingYear = intOr(l.text(23), 2002);
  v.depreciationYear = intOr(l.text(24), 2002);
  v.recordBufferLimit = intOr(l.text(25), 100);
  v.generalVatRate = l.number(26, v.decimalSeparator);
  v.traceValue = l.number(27, v.decimalSeparator);
  v.cardLayout = byteOr(l.text(28), 1);
  v.subUnitName = l.text(29);
}

Status storeFolders(Database& db, const SistemDegerleri& v) {
  const std::pair<const char*, const std::string*> folders[] = {
      {kDataPathTitle, &v.companyFolder},
      {kCompanyParameterPathTitle, &v.parameterFolder},
      {kRootPathTitle, &v.rootFolder},
      {kSharedParameterPathTitle, &v.sharedParameterFolder}};
  for (const auto& [title, path] : folders)
    if (Status s = storeParameter(db, title, *path); !s) return s;
  return Status::ok();
}

// Whole ";"-separated names: "ALI" does not match "HALI;", "0" stands for every user.
bool assignmentCovers(const std::string& names, const std::string& upperUser) {
  for (const std::string& n : split(names, ';')) {
    const std::string name = trim(n);
    if (name == "0" || (!upperUser.empty() && trUpper(name) == upperUser)) return true;
  }
  return false;
}

std::optional<Row> printerByCode(Database& db, const std::string& code) {
  Statement st = db.prepare(
      "SELECT * FROM paramalt WHERE UlasParamTop = ?1 AND COALESCE(Kod,'') = COALESCE(?2,'') "
      "ORDER BY rowid LIMIT 1");
  st.bind(1, kGroupPrinters).bind(2, code);
  if (!st.step()) return std::nullopt;
  return readRow(st, &paramalt());
}

std::optional<Row> assignedPrinter(Database& db, const std::string& userName) {
  const std::string upperUser = trUpper(trim(userName));
  Statement st = db.prepare(
      "SELECT Baslik, Deger1 FROM paramalt WHERE UlasParamTop = ?1 AND Baslik LIKE 'Y:%' "
      "ORDER BY Baslik, rowid");
  st.bind(1, kGroupPrinterUsers);
  while (st.step()) {
    const std::string title = st.getText(0);
    if (title.rfind("Y:", 0) != 0 || !assignmentCovers(st.getText(1), upperUser)) continue;
    if (auto row = printerByCode(db, leftChars(title.substr(2), 10))) return row;
  }
  return std::nullopt;
}

std::optional<Row> currentPrinter(Database& db) {
  Statement st = db.prepare(
      "SELECT * FROM paramalt WHERE UlasParamTop = ?1 AND substr(Deger1, 1, 1) = '1' "
      "ORDER BY Baslik, rowid LIMIT 1");
  st.bind(1, kGroupPrinters);
  if (!st.step()) return std::nullopt;
  return readRow(st, &paramalt());
}

}  // namespace

std::vector<ParameterGroup> standardGroups() {
  return {{kGroupGeneral, "Genel Parametreler"},
          {kGroupPrinters, kPrinterGroupTitle},
          {kGroupHost, "Ana Makina Tanımları"},
          {kGroupCurrency, "Döviz Parametreleri"},
          {7, kLabelGroupTitle},
          {kGroupPrinterUsers, "Yazıcı Kullanıcıları"}};
}

std::vector<ParameterDef> systemParameters(const std::string& home) {
  const std::string program = below(home, "Demirbas");
  return {
      {"Program Path", 1, "001", program},
      {"Temp Path", 1, "002", below(program, "Usr")},
      {"Form Path", 1, "003", below(program, "Formlar")},
      {"Excel Dosyaları Path", 1, "004", below(program, "Xls")},
      {"Sayı Basamak Gruplandırma Simgesi", 1, "005", ","},
      {"Sayı Ondalık Simgesi", 1, "006", "."},
      {"Tarih Ayıracı", 1, "007", "\\"},
      {"Ana Makina IP Adresi", 3, "314", "127.0.0.1"},
      {"Ana Makina Port Adresi", 3, "315", "Telnet"},
      {"Bir Sayfada Yazılacak Satır", 1, "010", "60"},
      {"Fiş Dökümünde Bir Sayfada Yazılacak Satır", 1, "028", "60"},
      {"Yatay Sayfada Yazılacak Satır", 1, "012", "40"},
      {"İki Sayfa Arasındaki Boş Satır", 1, "013", "6"},
      {"Form Basımlarında Ön İzleme Olsun", 1, "014", "0"},
      {"Çıktılarda Türkçe Harf Basılsın", 1, "015", "1"},
      {"Çizgi Kalınlığı", 1, "016", "2"},
      {"Yuvarlama Şekli (0:Yok, 1:Üste, 2:Alta Tamamla)", 1, "029", "0"},
      {"Yuvarlama Değeri", 1, "030", "1"},
      {"Grafik Çıktı Sayfa Sol Başlangıç Marjı", 1, "019", "0"},
      {"Grafik Yatay (X) Çözünürlüğü", 1, "020", "300"},
      {"Grafik Düşey (Y) Çözünürlüğü", 1, "021", "300"},
      {"Genel Sabit Kıymetler Giriş Maskesi", 1, "022", "999.999.999"},
      {"Muhasebe Firması Aktif Yılı", 1, "023", "2002"},
      {"Amortisman Hesaplama Aktif Yılı", 1, "024", "2002"},
      {"Dosya Tampon Kayıt Sınırı", 1, "025", "100"},
      {"Genel KDV Oranı", 1, "026", "18"},
      {"Amortisman Hesabında Kullanılacak İz Değeri", 1, "027", "1"},
      {"Sabit Kıymet Bilgileri Kart Düzeninde Görüntülensin (1/0)", 1, "031", "1"},
      {"Yerel Para Alt Birim Sembolü", 6, "004", "Kr"},
  };
}

std::optional<ParameterDef> findSystemParameter(std::string_view title, const std::string& home) {
  for (auto& d : systemParameters(home))
    if (d.title == title) return d;
  return std::nullopt;
}

std::string readParameter(Database& db, std::string_view title, std::string_view defaultValue) {
  Statement st = db.prepare("SELECT Deger1 FROM paramalt WHERE Baslik = ?1 ORDER BY rowid LIMIT 1");
  st.bind(1, title);
  return st.step() ? st.getText(0) : std::string(defaultValue);
}

bool parameterExists(Database& db, std::string_view title) {
  Statement st = db.prepare("SELECT 1 FROM paramalt WHERE Baslik = ?1 LIMIT 1");
  st.bind(1, title);
  return st.step();
}

Status ensureParameter(Database& db, std::string_view title, std::string_view defaultValue, int group,
                       std::string_view code) {
  if (parameterExists(db, title)) return Status::ok();
  auto r = insertRow(db, paramalt(),
                     Row{{"UlasParamTop", static_cast<long long>(group)},
                         {"Kod", std::string(code)},
                         {"Baslik", std::string(title)},
                         {"Deger1", std::string(defaultValue)}});
  return r.status();
}

Status storeParameter(Database& db, std::string_view title, std::string_view value) {
  if (title.empty()) return Status::error("Parametre başlığı boş olamaz.");
  const Row values{{"Baslik", std::string(title)}, {"Deger1", std::string(value)}};
  if (Status s = checkRow(paramalt(), values); !s) return s;
  if (parameterExists(db, title)) {
    auto r = updateRows(db, paramalt(), Row{{"Baslik", std::string(title)}}, Row{{"Deger1", std::string(value)}});
    return r.status();
  }
  return insertRow(db, paramalt(), values).status();
}

Status loadParameters(Database& db, const std::string& userName, SistemDegerleri& values,
                      PrinterDefinition& printer, Prompter& prompter, const std::string& home) {
  try {
    Transaction tx(db);
    Loader loader(db, prompter, home);
    if (Status s = storeFolders(db, values); !s) return s;
    for (const auto& d : loader.defs())
      if (Status s = ensureParameter(db, d.title, d.defaultValue, d.group, d.code); !s) return s;
    SistemDegerleri loaded = values;
    readIntoValues(loader, loaded);
    PrinterDefinition chosen = printer;
    selectPrinter(db, userName, chosen);
    tx.commit();
    values = std::move(loaded);
    printer = std::move(chosen);
    return Status::ok();
  } catch (const DbError& e) {
    return Status::error(std::string("Parametreler okunamadı: ") + e.what());
  }
}

void selectPrinter(Database& db, const std::string& userName, PrinterDefinition& printer) {
  auto row = assignedPrinter(db, userName);
  if (!row) row = currentPrinter(db);
  if (row) printer = decodePrinterRow(row->getText("Deger1"), row->getText("Deger2"));
}

std::string decodeControlItem(std::string_view item) {
  std::string bytes;
  const size_t last = item.rfind(';');
  if (last == std::string_view::npos) return bytes;
  for (const std::string& part : split(item.substr(0, last), ';')) {
    const auto v = toInteger(part);
    if (v && *v > 0 && *v <= 255) bytes += static_cast<char>(static_cast<unsigned char>(*v));
  }
  return bytes;
}

PrinterDefinition decodePrinterRow(std::string_view deger1, std::string_view deger2) {
  PrinterDefinition p;
  const auto first = split(deger1.empty() ? deger1 : deger1.substr(1), '@');  // flag skipped
  const auto second = split(deger2, '@');
  for (size_t i = 0; i < 9; ++i)
    if (i + 1 < first.size()) p.codes[i] = decodeControlItem(first[i + 1]);
  for (size_t i = 0; i < 11; ++i)
    if (i < second.size()) p.codes[9 + i] = decodeControlItem(second[i]);
  if (second.size() > 11) {
    p.printerName = second[11];
    const std::string& n = p.printerName;
    for (size_t i = 0; i + 4 <= n.size(); ++i)
      if (n[i] == ' ' && (n[i + 1] | 0x20) == 'o' && (n[i + 2] | 0x20) == 'n' && n[i + 3] == ' ') {
        p.printerName = n.substr(0, i);  // a port suffix ("... on LPT1:") goes
        break;
      }
  }
  return p;
}

}  // namespace orv::db
