// The asset card's table operations: saving a card under lock slot 1, deleting a card with its
// ledger and count lines, giving a card another department and code, and the checks and
// confirmations around them. Screens and the command line call these after collecting a card.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/prompter.h"
#include "app/session.h"
#include "common/result.h"
#include "data/kart_repository.h"
#include "data/locks.h"

namespace orv::assets {

inline constexpr int kRightNewCard = 30;
inline constexpr int kRightEditCard = 35;
inline constexpr int kRightDeleteCard = 40;
inline constexpr int kRightCodeChange = 100;

inline constexpr const char* kNoNewCardRight = "Programa Yeni Sabit Kıymet Kart Açmaya Yetkili Değilsiniz!";
inline constexpr const char* kNoEditRight =
    "Programda Sabit Kıymetler Üzerinde Düzeltme Yapmaya Yetkili Değilsiniz!";
inline constexpr const char* kNoDeleteRight = "Programda Sabit Kıymet Bilgisi Silmeye Yetkili Değilsiniz!";
inline constexpr const char* kNoRight = "Programda Bu İşlemi Yapmaya Yetkili Değilsiniz";
inline constexpr const char* kNoDepartment = "Demirbaş bölüm kodunu girmeden kayıt yapamazsınız...";
inline constexpr const char* kNoCode = "Demirbaş kıymet kodunu girmeden kayıt yapamazsınız...";
inline constexpr const char* kNoName = "Demirbaşın adını girmeden kayıt yapamazsınız...";
inline constexpr const char* kCardGone = "Karta ulaşılamıyor...";
inline constexpr const char* kSaveFailed = "Girilen bilgiler saklanamadı";
// The stored card changed since this card was read: saving would overwrite another's work.
inline constexpr const char* kChangedMeanwhile =
    "Kart siz okuduktan sonra başka bir kullanıcı tarafından değiştirilmiş.\r"
    "Değişiklikleriniz kaydedilmedi; kartı yeniden yükleyip tekrar deneyiniz.";
// Slot 1 was not granted within the waiting time.
inline constexpr const char* kLockTimeOut =
    "Time-out: kayıt kilidi zamanında alınamadı.\rBilgiler kaydedilmedi, lütfen tekrar deneyiniz.";

// "Girdiğiniz <code> Nolu Sabit Kıymet Kodu\rÖnceden ..." for a new card whose code is taken.
std::string kodKullanilmisMesaji(const std::string& kodYazilan);
// The warning of the code change when the new pair is taken.
std::string yeniKodKullanilmisMesaji(const std::string& kodYazilan);

// One card as a screen holds it: the values being edited and the stored row as it was read
// (Ulas 0 for a card never saved). Saving compares the two to find another's changes.
struct KartKaydi {
  db::KartRow kart;
  db::KartRow okunan;
};

// Takes the stored row as the card's new reading: fields the user has not changed since the
// last reading follow the stored row (the ledger summary after a ledger save), edited ones
// keep the edit.
void KartKaydiniYenile(KartKaydi& kayit, const db::KartRow& stored);

// The three checks of saving (department, code, name after trimming), then the method codes
// and the widths of the text fields. The first failure's message, else ok.
Status KartKontrol(const db::KartRow& kart);

struct KaydetSecenekleri {
  bool yeniKart = true;
  bool kapanisMesaji = true;       // the information box after a save
  std::string kodGosterim;         // the code as the mask shows it, for the messages
};

// Saves the card: right 30 (new) or 35, the checks, lock slot 1, then a new row (refused when
// its department and code exist) or the card's own fields of the stored row (refused when
// they changed since `kayit.okunan` was read; the ledger summary, count, transfer, exit,
// detail and creation fields of the stored row are left as they are). Every refusal is told
// through the prompter and returned. On success the card's Ulas; kayit then holds the row as
// stored.
Result<long long> KartKaydet(Session& session, locks::RecordLocks& locks, Prompter& prompter,
                             KartKaydi& kayit, const KaydetSecenekleri& secenekler);

// Inserts new cards without messages, for batch work that holds slot 1 and a transaction
// itself: checks and the unused code are the caller's. Throws db::DbError.
long long kartEkle(db::KartRepository& repo, db::KartRow kart, long long userId,
                   const std::string& damga);

// Deletes the card's ledger rows, its count lines and the card, in one transaction. False when
// there is no such card (nothing is deleted).
Result<bool> KartSil(db::Database& companyDb, long long ulas);

// Gives the card the new department and code (without separators). Refused with the code
// change's warning when a card has that pair, the card itself included.
Status KartKodDegistir(db::Database& companyDb, long long ulas, const std::string& yeniBolum,
                       const std::string& yeniKod, const std::string& yeniKodYazilan);

// The delete command: right 40, the confirmation with the code as shown, then KartSil. True
// when the card was deleted.
bool KartSilmeIslemi(Session& session, Prompter& prompter, long long ulas,
                     const std::string& kodGosterim);

struct KodDegisikligi {
  long long ulas = 0;
  std::string eskiBolum, eskiKodGosterim;
  std::string yeniBolum, yeniKod, yeniKodYazilan;
};
// The code change's "Değiştir": right 100, the taken-pair warning, the confirmation, then
// KartKodDegistir. True when the code was changed.
bool KodDegistirmeIslemi(Session& session, Prompter& prompter, const KodDegisikligi& d);

// The next (ileri) or previous card in department and code order from the given pair; the
// same card at either end. nullopt when the table is empty.
std::optional<long long> komsuKart(db::Database& companyDb, const std::string& bolum,
                                   const std::string& kod, long long ulas, bool ileri);

// "Amortisman Aktif Yılı": the session's active year and its parameter, stored at once.
Status AktifYilKaydet(Session& session, int yil);

// The asset screen's layout flag (1 card, 0 browser) in the session and its parameter.
Status KartDuzeniKaydet(Session& session, int duzen);

// Batch save of new cards (the command line's import): right 30, the card checks and unused
// codes (in the table and among the cards) for every card before anything is written, then
// all cards under lock slot 1 in one transaction. Refusals name the card's line (first card
// line 2). The number of cards saved.
Result<int> KartlariKaydet(Session& session, locks::RecordLocks& locks, std::vector<db::KartRow> kartlar);

}  // namespace orv::assets
