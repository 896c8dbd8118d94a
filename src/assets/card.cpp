// Saving, deleting and recoding asset cards. A save of an existing card writes only the fields
// the card screen edits, and only when nobody changed them since the card was read, so the
// ledger summary, transfer, exit and count fields written elsewhere are never overwritten.
#include "assets/card.h"

#include <set>

#include "common/turkish.h"
#include "data/parameters.h"
#include "depreciation/engine.h"

namespace orv::assets {
namespace {

using db::KartRow;

// The fields of the card screen's own controls: department through the fourth account code.
const std::vector<const db::RowField<KartRow>*>& ownedFields() {
  static const auto fields = [] {
    std::vector<const db::RowField<KartRow>*> out;
    bool in = false;
    for (const auto& f : db::kartFields()) {
      if (std::string(f.name) == "Bolum") in = true;
      if (in) out.push_back(&f);
      if (std::string(f.name) == "MuhKod4") break;
    }
    return out;
  }();
  return fields;
}

bool sameField(const KartRow& a, const KartRow& b, const db::RowField<KartRow>& f) {
  return std::visit([&](auto member) { return a.*member == b.*member; }, f.member);
}

void copyField(KartRow& to, const KartRow& from, const db::RowField<KartRow>& f) {
  std::visit([&](auto member) { to.*member = from.*member; }, f.member);
}

bool ownedFieldsChanged(const KartRow& read, const KartRow& stored) {
  for (const auto* f : ownedFields())
    if (!sameField(read, stored, *f)) return true;
  return false;
}

Status refuse(Prompter& prompter, MessageKind kind, const std::string& text) {
  prompter.message(kind, text);
  return Status::error(text);
}

bool isUniqueViolation(const db::DbError& e) {
  return std::string(e.what()).find("UNIQUE") != std::string::npos;
}

// Under slot 1 and a transaction: appends the new card or updates the stored one.
Status writeCard(Session& session, Prompter& prompter, KartKaydi& kayit, const KaydetSecenekleri& o) {
  db::Database& db = *session.companyDb;
  db::KartRepository repo(db);
  const std::string stamp = depreciation::damgaMetni(DateTime::now());
  db::Transaction tx(db);
  if (o.yeniKart) {
    if (repo.findByCode(kayit.kart.Bolum, kayit.kart.SabitKiymet))
      return refuse(prompter, MessageKind::Error, kodKullanilmisMesaji(o.kodGosterim));
    kayit.kart.Ulas = kartEkle(repo, kayit.kart, session.user.id, stamp);
  } else {
    auto stored = repo.find(kayit.kart.Ulas);
    if (!stored) return refuse(prompter, MessageKind::Information, kCardGone);
    if (ownedFieldsChanged(kayit.okunan, *stored))
      return refuse(prompter, MessageKind::Warning, kChangedMeanwhile);
    for (const auto* f : ownedFields()) copyField(*stored, kayit.kart, *f);
    stored->ModifiedBy = session.user.id;
    stored->ModifiedDate = stamp;
    repo.update(*stored);
  }
  tx.commit();
  return Status::ok();
}

}  // namespace

std::string kodKullanilmisMesaji(const std::string& kodYazilan) {
  return "Girdiğiniz " + kodYazilan + " Nolu Sabit Kıymet Kodu\rÖnceden Başka bir Sabit Kıymet "
         "Kaydı İçin Kullanılmıştır.\rLütfen Başka Bir Sabit Kıymet Kodu Belirleyiniz.";
}

std::string yeniKodKullanilmisMesaji(const std::string& kodYazilan) {
  return "Değiştirmek İstediğiniz " + kodYazilan +
         " Kodu Önceden Başka Bir Sabit Kıymet İçin Oluşturulmuş.\rKayıtlı Olan Sabit Kıymet "
         "Kodunu Değiştirme Kodu Olarak Kullanamazsınız!";
}

void KartKaydiniYenile(KartKaydi& kayit, const KartRow& stored) {
  for (const auto& f : db::kartFields())
    if (sameField(kayit.kart, kayit.okunan, f)) copyField(kayit.kart, stored, f);
  kayit.okunan = stored;
}

Status KartKontrol(const KartRow& k) {
  if (trim(k.Bolum).empty()) return Status::error(kNoDepartment);
  if (trim(k.SabitKiymet).empty()) return Status::error(kNoCode);
  if (trim(k.Adi).empty()) return Status::error(kNoName);
  if (k.Hesap_Sekli < 0 || k.Hesap_Sekli > 1)
    return Status::error("Hesaplama Şekli 0 (Normal) veya 1 (Hızlandırılmış) olmalıdır.");
  if (k.Amortisman_Sekli < 0 || k.Amortisman_Sekli > 1)
    return Status::error("Amortisman Şekli 0 (Normal) veya 1 (Kıst) olmalıdır.");
  if (k.Amortisman_Donemi < 0 || k.Amortisman_Donemi > 2)
    return Status::error("Amortisman Dönemi 0 (Yıllık), 1 (3 Aylık) veya 2 (1 Aylık) olmalıdır.");
  return db::checkKartWidths(k);
}

long long kartEkle(db::KartRepository& repo, KartRow kart, long long userId, const std::string& damga) {
  if (kart.CreateBy == 0 && kart.CreateDate.empty()) {
    kart.CreateBy = userId;
    kart.CreateDate = damga;
  }
  return repo.insert(kart);
}

Result<long long> KartKaydet(Session& session, locks::RecordLocks& locks, Prompter& prompter,
                             KartKaydi& kayit, const KaydetSecenekleri& o) {
  if (!session.hasRight(o.yeniKart ? kRightNewCard : kRightEditCard))
    return refuse(prompter, MessageKind::Error, o.yeniKart ? kNoNewCardRight : kNoEditRight);
  if (Status s = KartKontrol(kayit.kart); !s) return refuse(prompter, MessageKind::Information, s.message());
  locks::SlotGuard guard(locks, locks::kAssetSlot);
  if (!guard.status()) {
    if (guard.status().message() == locks::kTimeOutText)
      return refuse(prompter, MessageKind::Error, kLockTimeOut);
    return Status::error(guard.status().message());  // abandoned: the user chose so
  }
  try {
    if (Status s = writeCard(session, prompter, kayit, o); !s) return s;
    auto stored = db::KartRepository(*session.companyDb).find(kayit.kart.Ulas);
    if (stored) kayit.kart = kayit.okunan = *stored;
  } catch (const db::DbError& e) {
    if (o.yeniKart && isUniqueViolation(e))
      return refuse(prompter, MessageKind::Error, kodKullanilmisMesaji(o.kodGosterim));
    return refuse(prompter, MessageKind::Error, kSaveFailed);
  }
  if (o.kapanisMesaji)
    prompter.message(MessageKind::Information,
                     o.kodGosterim + (o.yeniKart ? " için yeni demirbaş kartı oluşturuldu"
                                                  : " için girilen bilgiler kaydedildi."));
  return kayit.kart.Ulas;
}

Result<bool> KartSil(db::Database& db, long long ulas) {
  try {
    db::Transaction tx(db);
    if (!db::KartRepository(db).find(ulas)) return false;
    db.prepare("DELETE FROM KartAmortisman WHERE UlasKart = ?").bind(1, ulas).run();
    if (db.hasTable("SayimAlt"))
      db.prepare("DELETE FROM SayimAlt WHERE UlasDemirbas = ?").bind(1, ulas).run();
    db.prepare("DELETE FROM Kart WHERE Ulas = ?").bind(1, ulas).run();
    tx.commit();
    return true;
  } catch (const db::DbError& e) {
    return Result<bool>::error(std::string("Sabit kıymet kartı silinemedi: ") + e.what());
  }
}

Status KartKodDegistir(db::Database& db, long long ulas, const std::string& yeniBolum,
                       const std::string& yeniKod, const std::string& yeniKodYazilan) {
  try {
    db::Transaction tx(db);
    db::KartRepository repo(db);
    if (repo.findByCode(yeniBolum, yeniKod)) return Status::error(yeniKodKullanilmisMesaji(yeniKodYazilan));
    if (!repo.find(ulas)) return Status::error(kCardGone);
    db.prepare("UPDATE Kart SET Bolum = ?, SabitKiymet = ? WHERE Ulas = ?")
        .bind(1, yeniBolum).bind(2, yeniKod).bind(3, ulas).run();
    tx.commit();
    return Status::ok();
  } catch (const db::DbError& e) {
    if (isUniqueViolation(e)) return Status::error(yeniKodKullanilmisMesaji(yeniKodYazilan));
    return Status::error(std::string("Sabit kıymet kodu değiştirilemedi: ") + e.what());
  }
}

bool KartSilmeIslemi(Session& session, Prompter& prompter, long long ulas, const std::string& kodGosterim) {
  if (!session.hasRight(kRightDeleteCard)) {
    prompter.message(MessageKind::Error, kNoDeleteRight);
    return false;
  }
  const std::string question = "Dikkat !... \r" + kodGosterim +
                               " Kodlu Sabit Kıymet Kartı Silinecektir.\rİşleme Devam Etmek İstiyor musunuz?";
  if (prompter.confirm(MessageKind::Confirmation, question) != Answer::Yes) return false;
  auto done = KartSil(*session.companyDb, ulas);
  if (!done) prompter.message(MessageKind::Error, done.message());
  return done && *done;
}

bool KodDegistirmeIslemi(Session& session, Prompter& prompter, const KodDegisikligi& d) {
  if (!session.hasRight(kRightCodeChange)) {
    prompter.message(MessageKind::Error, kNoRight);
    return false;
  }
  if (trim(d.yeniBolum).empty() || trim(d.yeniKod).empty()) {
    prompter.message(MessageKind::Information, trim(d.yeniBolum).empty() ? kNoDepartment : kNoCode);
    return false;
  }
  db::KartRepository repo(*session.companyDb);
  if (repo.findByCode(d.yeniBolum, d.yeniKod)) {
    prompter.message(MessageKind::Warning, yeniKodKullanilmisMesaji(d.yeniKodYazilan));
    return false;
  }
  const std::string question = "seçiminiz Sonucu " + d.eskiBolum + " Bölümü -" + d.eskiKodGosterim +
                               " Kodlu Sabit Kıymeti\r" + d.yeniBolum + " Bölümü -" + d.yeniKodYazilan +
                               " Kodlu Sabit Kıymete Dönüştürmek İstiyorsunuz.\r"
                               "Kod Değişikliği İşlemini Onaylıyor musunuz?";
  if (prompter.confirm(MessageKind::Confirmation, question) != Answer::Yes) return false;
  Status s = KartKodDegistir(*session.companyDb, d.ulas, d.yeniBolum, d.yeniKod, d.yeniKodYazilan);
  if (!s) prompter.message(MessageKind::Warning, s.message());
  return s.isOk();
}

std::optional<long long> komsuKart(db::Database& db, const std::string& bolum, const std::string& kod,
                                   long long ulas, bool ileri) {
  const char* sql = ileri ? "SELECT Ulas FROM Kart WHERE (Bolum, SabitKiymet) > (IFNULL(?, ''), IFNULL(?, '')) "
                            "ORDER BY Bolum, SabitKiymet LIMIT 1"
                          : "SELECT Ulas FROM Kart WHERE (Bolum, SabitKiymet) < (IFNULL(?, ''), IFNULL(?, '')) "
                            "ORDER BY Bolum DESC, SabitKiymet DESC LIMIT 1";
  auto st = db.prepare(sql);
  st.bind(1, bolum).bind(2, kod);
  if (st.step()) return st.getInt(0);
  if (ulas != 0) return ulas;
  auto any = db.prepare("SELECT Ulas FROM Kart ORDER BY Bolum, SabitKiymet LIMIT 1");
  if (any.step()) return any.getInt(0);
  return std::nullopt;
}

Status AktifYilKaydet(Session& session, int yil) {
  if (!session.parameterDb) return Status::error("Parametre dosyası açık değil.");
  try {
    Status s = db::storeParameter(*session.parameterDb, "Amortisman Hesaplama Aktif Yılı", std::to_string(yil));
    if (s) session.values.depreciationYear = yil;
    return s;
  } catch (const db::DbError& e) {
    return Status::error(std::string("Amortisman aktif yılı saklanamadı: ") + e.what());
  }
}

Status KartDuzeniKaydet(Session& session, int duzen) {
  if (!session.parameterDb) return Status::error("Parametre dosyası açık değil.");
  try {
    Status s = db::storeParameter(*session.parameterDb,
                                  "Sabit Kıymet Bilgileri Kart Düzeninde Görüntülensin (1/0)",
                                  std::to_string(duzen));
    if (s) session.values.cardLayout = duzen;
    return s;
  } catch (const db::DbError& e) {
    return Status::error(std::string("Görünüm düzeni saklanamadı: ") + e.what());
  }
}

Result<int> KartlariKaydet(Session& session, locks::RecordLocks& locks, std::vector<KartRow> kartlar) {
  using R = Result<int>;
  if (!session.hasRight(kRightNewCard)) return R::error(kNoNewCardRight);
  auto lineError = [](size_t i, const std::string& text) {
    return R::error("Satır " + std::to_string(i + 2) + ": " + text);
  };
  std::set<std::pair<std::string, std::string>> codes;
  for (size_t i = 0; i < kartlar.size(); ++i) {
    if (Status s = KartKontrol(kartlar[i]); !s) return lineError(i, s.message());
    if (!codes.insert({kartlar[i].Bolum, kartlar[i].SabitKiymet}).second)
      return lineError(i, kodKullanilmisMesaji(kartlar[i].SabitKiymet));
  }
  locks::SlotGuard guard(locks, locks::kAssetSlot);
  if (!guard.status()) {
    if (guard.status().message() == locks::kTimeOutText) return R::error(kLockTimeOut);
    return guard.status();
  }
  try {
    db::KartRepository repo(*session.companyDb);
    const std::string stamp = depreciation::damgaMetni(DateTime::now());
    db::Transaction tx(*session.companyDb);
    // The uniqueness test runs while the lock is held.
    for (size_t i = 0; i < kartlar.size(); ++i)
      if (repo.findByCode(kartlar[i].Bolum, kartlar[i].SabitKiymet))
        return lineError(i, kodKullanilmisMesaji(kartlar[i].SabitKiymet));
    for (const auto& k : kartlar) kartEkle(repo, k, session.user.id, stamp);
    tx.commit();
  } catch (const db::DbError& e) {
    if (isUniqueViolation(e)) return R::error("Kartlar saklanamadı: kodlardan biri başka bir kayıtta kullanılmış.");
    return R::error(std::string(kSaveFailed) + ": " + e.what());
  }
  return static_cast<int>(kartlar.size());
}

}  // namespace orv::assets
