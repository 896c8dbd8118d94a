// Table layouts of the root, company and parameter folders.
#include "data/catalogue.h"

#include "common/turkish.h"

namespace orv::db {
namespace {

FieldDef A(const char* n) { return {n, FieldType::AutoInc}; }
FieldDef L(const char* n) { return {n, FieldType::LongInt}; }
FieldDef S(const char* n) { return {n, FieldType::ShortInt}; }
FieldDef N(const char* n) { return {n, FieldType::Number}; }
FieldDef D(const char* n) { return {n, FieldType::Date}; }
FieldDef Tm(const char* n) { return {n, FieldType::Time}; }
FieldDef DT(const char* n) { return {n, FieldType::DateTime}; }
FieldDef B(const char* n) { return {n, FieldType::Logical}; }
FieldDef T(const char* n, int w) { return {n, FieldType::Text, w}; }
FieldDef M(const char* n) { return {n, FieldType::Memo}; }

std::vector<TableDef> buildCatalogue() {
  using F = FolderKind;
  std::vector<TableDef> t;

  // --- root data folder ---
  t.push_back({"FIRMA", F::Root,
               {A("Ulas"), T("Adi", 8), T("Yil", 240), S("Aktif"), B("Goster"), B("OzelKullan"),
                S("YilBas"), T("Unvan", 80), T("Cadde", 20), T("Sokak", 20), T("Kapi", 10),
                T("Daire", 10), T("Ilce", 20), T("Sehir", 20), T("Ulke", 20), T("PostaKodu", 10),
                T("Tel1", 15), T("Tel2", 15), T("Fax", 15), T("VergiDaire", 20), T("VergiNo", 20),
                T("SskNo", 25), T("Mus1ad", 30), T("Mus1tel", 15), T("Mus1cadde", 20),
                T("Mus1sokak", 20), T("Mus1kapi", 20), T("Mus1Ilce", 20), T("Mus1sehir", 20),
                T("Mus1VergiDaire", 20), T("Mus1VergiNo", 20), T("Mus1OdaSicil", 20),
                T("Mus1Muhur", 5), T("Mus2Ad", 30), T("Mus2Tel", 15), T("Mus2Cadde", 20),
                T("Mus2Sokak", 20), T("Mus2Kapi", 20), T("Mus2Ilce", 20), T("Mus2Sehir", 20),
                T("Mus2VergiDaire", 20), T("Mus2VergiNo", 20), T("Mus2OdaSicil", 20),
                T("Mus2Muhur", 5), T("Doviz", 5), S("HesapAyrac"), T("CalismaGunleri", 7),
                D("OnayTarihi"), T("YerelPara", 5), B("Kurus1"), B("Kurus2"),
                S("MaliDonemBaslangici")},
               {{"IAdi", {"Adi"}}}});
  t.push_back({"users", F::Root,
               {A("Ulas"), L("Ulasproje"), T("Username", 20), T("Password", 20), T("IP", 15),
                T("Adi", 50), T("Dyeri", 20), D("DTarihi"), D("CreDate"), T("CreBy", 20),
                D("SonGirDate"), Tm("SonGirTime")},
               {{"IUserName", {"Username"}}}});
  t.push_back({"Yetkiler", F::Root,
               {A("Ulas"), L("UlasProje"), L("UlasUser"), L("Yetki_Id"), B("Durum")},
               {{"IUlasProje_UlasUser_Yetki_Id", {"UlasProje", "UlasUser", "Yetki_Id"}}}});
  t.push_back({"login", F::Root,
               {T("IPNO", 15), T("MACNO", 17), T("USERNAME", 20), T("USERADI", 50), T("TIME", 8),
                B("LOGIN")},
               {{"IIPNO_MACNO", {"IPNO", "MACNO"}}}});
  t.push_back({"LOCK", F::Root,
               {S("SIRA"), B("DURUM"), T("SAAT", 12), T("USERNAME", 50)},
               {{"ISIRA", {"SIRA"}, true}}});
  t.push_back({"CevrimIslemi", F::Root,
               {L("Id"), S("Tipi"), T("Klasor", 255), DT("Baslangic"), B("Yedek"), DT("Bitis")},
               {}});

  // --- company folder ---
  t.push_back({"Kart", F::Company,
               {A("Ulas"), T("Bolum", 5), T("SabitKiymet", 25), T("Adi", 40), T("Aciklama", 40),
                T("SeriNo", 25), T("PlakaNo", 25), T("Zimmet", 25), T("Ozel1", 5), T("Ozel2", 5),
                T("Ozel3", 5), T("Ozel4", 5), T("MuhFisNo", 15), D("Alis_Tarihi"),
                N("Alis_Tutari"), N("Kdv_Orani"), N("Kdv_Tutari"), T("Satici", 25),
                T("Alis_Aciklama", 30), T("Alis_FatSeri", 5), T("Alis_FaturaNo", 10),
                S("Odeme_Tipi"), T("Siparis_Kodu", 8), T("Satis_Kodu", 8),
                D("Amortisman_Baslama"), S("Hesap_Sekli"), S("Amortisman_Sekli"),
                S("Amortisman_Donemi"), N("Amortisman_Orani"), S("Amortisman_BitisAy"),
                S("Amortisman_BitisYil"), N("HurdaDegeri"), N("DegerlenmisTutar"),
                B("AmortismanAlimUzerinden"), B("Degerlendirilir"), T("MuhKod1", 25),
                T("MuhKod2", 25), T("MuhKod3", 25), T("MuhKod4", 25), D("SonIslemTarihi"),
                N("DegerOrani"), N("NetDegerArtisi"), N("DBirikmisAmortisman"),
                N("BirikmisAmortisman"), N("YeniKasaDegeri"), D("SayimTarihi"),
                T("Transfer_Kod", 25), D("Transfer_Tarih"), T("GelenTransferKodu", 25),
                D("GelenTransferTarihi"), T("Sat_Musteri_Kodu", 10), T("Sat_musteri", 60),
                T("Sat_FatSeri", 4), T("Sat_FatNo", 10), S("Sat_Odeme"), D("Sat_Tarih"),
                T("Sat_Info", 25), N("Sat_Tutar"), N("Sat_KdvOran"), N("Sat_Kdv"),
                D("Sig_Tarih1"), D("Sig_Tarih2"), T("Sig_No1", 10), D("Sig_Tarih3"),
                D("Sig_Tarih4"), T("Sig_No2", 10), D("Gar_Tarih1"), D("Gar_Tarih2"),
                T("Gar_No", 10), M("Notlar"), L("CreateBy"), T("CreateDate", 10),
                L("ModifiedBy"), T("ModifiedDate", 10), S("CikisTipi")},
               {{"ISABITKIYMET", {"Bolum", "SabitKiymet"}, true}, {"IADI", {"Adi"}}}});
  t.push_back({"KartAmortisman", F::Company,
               {A("Ulas"), L("UlasKart"), D("Tarih"), N("IlkDeger"), N("DOrani"), N("DTutar"),
                N("DAmortisman"), N("DBirikmisAmortisman"), N("NetDegerArtisi"),
                N("AmortismanOrani"), N("AmortismanTutari"), N("BirikmisAmortisman"),
                N("KasaDegeri"), T("MuhFisNo", 20), D("MuhFisTarih"), L("CreateBy"),
                T("CreateDate", 10), L("ModifiedBy"), T("ModifiedDate", 10)},
               {{"IUlasKart", {"UlasKart"}}, {"IUlasKart_Tarih", {"UlasKart", "Tarih"}}}});
  t.push_back({"SayimTop", F::Company,
               {A("Ulas"), D("SayimTarihi"), T("Aciklama", 50)},
               {{"ISayimTarihi", {"SayimTarihi"}}}});
  t.push_back({"SayimAlt", F::Company,
               {A("Ulas"), L("UlasSayimTop"), L("UlasDemirbas"), T("Zimmet", 40), B("Sayildi")},
               {{"IUlasSayimTop", {"UlasSayimTop"}},
                {"IUlasDemirbas", {"UlasDemirbas", "UlasSayimTop"}}}});

  // --- parameter folder ---
  t.push_back({"paramtop", F::Parameter, {A("ULAS"), T("BASLIK", 25), T("Deger", 1)}, {}});
  t.push_back({"paramalt", F::Parameter,
               {A("Ulas"), L("UlasParamTop"), T("Kod", 5), T("Baslik", 100), T("Deger1", 240),
                T("Deger2", 240)},
               {{"IBASLIK", {"Baslik"}}, {"IULASPARAMTOPKOD", {"UlasParamTop", "Kod"}}}});
  t.push_back({"KodTop", F::Parameter, {A("Ulas"), T("Kodu", 5), T("Aciklama", 100)},
               {{"IKodu", {"Kodu"}}}});
  t.push_back({"KodAlt", F::Parameter,
               {A("Ulas"), L("UlasKodTop"), T("Kodu", 5), T("Aciklama", 50)},
               {{"IUlasKodTop", {"UlasKodTop"}}}});
  t.push_back({"DOVIZTOP", F::Parameter, {A("ULAS"), T("KOD", 5), T("DOVIZ", 40), T("SEMBOL", 4)},
               {{"IKOD", {"KOD"}}}});
  t.push_back({"DOVIZALT", F::Parameter,
               {A("Ulas"), T("DovizKodu", 5), D("Tarih"), N("Alis"), N("Satis")},
               {{"IDovizKodu", {"DovizKodu", "Tarih"}}}});
  t.push_back({"YeniDegerlemeTablosu", F::Parameter,
               {A("Ulas"), T("Tur", 1), D("Tarih"), N("Oran"), N("AltLimit"), N("UstLimit"),
                D("Set_date")},
               {{"ITarih", {"Tur", "Tarih"}}}});
  t.push_back({"CALCFONK", F::Parameter, {A("ULAS"), T("ADI", 30), M("FONK")}, {}});
  return t;
}

bool sameName(std::string_view a, std::string_view b) { return trUpper(a) == trUpper(b); }

}  // namespace

const FieldDef* TableDef::field(std::string_view n) const {
  const int i = fieldIndex(n);
  return i < 0 ? nullptr : &fields[i];
}

int TableDef::fieldIndex(std::string_view n) const {
  for (size_t i = 0; i < fields.size(); ++i)
    if (sameName(fields[i].name, n)) return static_cast<int>(i);
  return -1;
}

const std::vector<TableDef>& allTables() {
  static const std::vector<TableDef> tables = buildCatalogue();
  return tables;
}

const TableDef* findTable(std::string_view name) {
  std::string n(name);
  if (n.size() > 3 && sameName(n.substr(n.size() - 3), ".DB")) n.resize(n.size() - 3);
  for (const auto& t : allTables())
    if (sameName(t.name, n)) return &t;
  return nullptr;
}

std::vector<const TableDef*> tablesIn(FolderKind kind) {
  std::vector<const TableDef*> out;
  for (const auto& t : allTables())
    if (t.folder == kind) out.push_back(&t);
  return out;
}

std::string sqlType(const FieldDef& f) {
  switch (f.type) {
    case FieldType::AutoInc: return "INTEGER PRIMARY KEY AUTOINCREMENT";
    case FieldType::LongInt:
    case FieldType::ShortInt: return "INTEGER";
    case FieldType::Logical: return "BOOLEAN";
    case FieldType::Number: return "REAL";
    case FieldType::Date: return "DATE";
    case FieldType::Time: return "TIME";
    case FieldType::DateTime: return "DATETIME";
    case FieldType::Memo: return "TEXT";
    case FieldType::Text: return "VARCHAR(" + std::to_string(f.width) + ") COLLATE TR";
  }
  return "TEXT";
}

std::string createTableSql(const TableDef& t) {
  std::string sql = "CREATE TABLE IF NOT EXISTS " + quoteIdent(t.name) + " (";
  for (size_t i = 0; i < t.fields.size(); ++i) {
    if (i) sql += ", ";
    sql += quoteIdent(t.fields[i].name) + " " + sqlType(t.fields[i]);
  }
  return sql + ")";
}

std::string physicalIndexName(const TableDef& t, const IndexDef& i) { return t.name + "_" + i.name; }

std::vector<std::string> createIndexSql(const TableDef& t) {
  std::vector<std::string> out;
  for (const auto& idx : t.indexes) {
    std::string sql = std::string("CREATE ") + (idx.unique ? "UNIQUE " : "") +
                      "INDEX IF NOT EXISTS " + quoteIdent(physicalIndexName(t, idx)) + " ON " +
                      quoteIdent(t.name) + " (";
    for (size_t i = 0; i < idx.fields.size(); ++i) sql += (i ? ", " : "") + quoteIdent(idx.fields[i]);
    out.push_back(sql + ")");
  }
  return out;
}

void createTable(Database& db, const TableDef& t) {
  db.exec(createTableSql(t));
  for (const auto& sql : createIndexSql(t)) db.exec(sql);
}

void createTables(Database& db, FolderKind kind) {
  for (const TableDef* t : tablesIn(kind)) createTable(db, *t);
}

Status checkWidth(const TableDef& t, std::string_view fieldName, std::string_view value) {
  const FieldDef* f = t.field(fieldName);
  if (!f || f->type != FieldType::Text) return Status::ok();
  const size_t len = charLength(value);
  if (len <= static_cast<size_t>(f->width)) return Status::ok();
  return Status::error(t.name + " tablosunun " + f->name + " alanı en çok " +
                       std::to_string(f->width) + " karakter alabilir (girilen: " +
                       std::to_string(len) + " karakter).");
}

}  // namespace orv::db
