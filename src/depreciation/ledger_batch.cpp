// ledger extend and ledger export of the command line, as core operations.
#include "depreciation/ledger_batch.h"

#include <algorithm>
#include <ostream>

#include "common/codes.h"
#include "data/csv_text.h"
#include "depreciation/ledger_store.h"

namespace orv::depreciation {
namespace {

// Keeps the last refusal message of the engine instead of showing it.
class RecordingPrompter : public Prompter {
 public:
  void message(MessageKind, const std::string& text) override { last = text; }
  Answer confirm(MessageKind, const std::string&, bool) override { return Answer::No; }
  std::string last;
};

UzatmaSonucu extendOne(const db::KartRow& kart, const Session& session, const HesapOrtami& ortam,
                       db::KartRepository& repo, CalismaDefteri& defter) {
  UzatmaSonucu r;
  r.ulasKart = kart.Ulas;
  r.bolum = kart.Bolum;
  r.sabitKiymet = kart.SabitKiymet;
  AmortismanAyarlari ayar = AmortismanAyarlariOlustur(kart, session);
  if (ayar.BaslamaTarihi.serial() <= 10) {  // no real date, as the card tests it
    r.tarihYok = true;
    return r;
  }
  defter.ulasKart = kart.Ulas;
  defter.satirlar.clear();
  for (const auto& row : repo.ledgerOf(kart.Ulas)) defter.satirlar.push_back(toWorkingRow(row));
  RecordingPrompter prompter;
  YuruyenToplamlar toplamlar;  // nothing else touches the ledger between the calls
  while ((r.neden = SonrakiDonemEkle(ayar, defter, ortam, prompter, &toplamlar)) ==
         EklemeSonucu::Eklendi)
    ++r.eklenen;
  r.mesaj = prompter.last;
  if (r.eklenen > 0) defterYaz(repo, defter);
  return r;
}

// Processes the cards of one slice in one transaction; results are reported after commit.
void extendSlice(const std::vector<db::KartRow>& cards, Session& session, const HesapOrtami& o,
                 db::KartRepository& repo, CalismaDefteri& defter,
                 const std::function<void(const UzatmaSonucu&)>& report) {
  std::vector<UzatmaSonucu> results;
  results.reserve(cards.size());
  db::Transaction tx(*session.companyDb);
  for (const auto& kart : cards) results.push_back(extendOne(kart, session, o, repo, defter));
  tx.commit();
  for (const auto& r : results) report(r);
}

}  // namespace

std::optional<AssetCode> parseAssetCode(const std::string& text) {
  const auto slash = text.find('/');
  if (slash == std::string::npos) return std::nullopt;
  return AssetCode{text.substr(0, slash), stripCode(text.substr(slash + 1), 0)};
}

std::string nedenMetni(const UzatmaSonucu& r) {
  if (r.tarihYok) return "amortisman başlama ve alış tarihi yok, hesaplanmadı";
  switch (r.neden) {
    case EklemeSonucu::TamAmortisman:
      return "tam amortismana ulaştı";
    case EklemeSonucu::SaltOkunur:
      return "salt okunur (transfer, çıkış veya yetki)";
    case EklemeSonucu::OnayTarihi:
      return "onay tarihi: " + r.mesaj;
    case EklemeSonucu::AktifYil:
      return "aktif yıl: " + r.mesaj;
    case EklemeSonucu::Eklendi:
      break;
  }
  return "";
}

Status extendLedgers(Session& session, const UzatmaSecenekleri& options,
                     const std::function<void(const UzatmaSonucu&)>& report) {
  if (!session.companyActive()) return Status::error("Aktif firma yok.");
  try {
    const auto oranlar = session.parameterDb
                             ? definitions::DegerlemeOranTablosu::load(*session.parameterDb)
                             : definitions::DegerlemeOranTablosu();
    const HesapOrtami ortam = HesapOrtami::fromSession(session, &oranlar);
    db::KartRepository repo(*session.companyDb);
    CalismaDefteri defter;  // one working ledger, reused card after card
    if (options.asset) {
      auto kart = repo.findByCode(options.asset->bolum, options.asset->sabitKiymet);
      if (!kart)
        return Status::error(options.asset->bolum + "/" + options.asset->sabitKiymet +
                             " Kodlu Sabit Kıymet bulunamadı.");
      extendSlice({*kart}, session, ortam, repo, defter, report);
      return Status::ok();
    }
    long long after = 0;
    for (;;) {
      const auto cards = repo.nextSlice(after, std::max(1, options.cardsPerTransaction));
      if (cards.empty()) break;
      after = cards.back().Ulas;
      extendSlice(cards, session, ortam, repo, defter, report);
    }
    return Status::ok();
  } catch (const db::DbError& e) {
    return Status::error(std::string("Amortisman hesaplaması saklanamadı: ") + e.what());
  }
}

Status exportLedgers(db::Database& db, const std::optional<AssetCode>& asset, std::ostream& out) {
  static const std::vector<std::string> kHeader = {"Bolum",
                                                   "SabitKiymet",
                                                   "Tarih",
                                                   "IlkDeger",
                                                   "DOrani",
                                                   "DTutar",
                                                   "DAmortisman",
                                                   "DBirikmisAmortisman",
                                                   "NetDegerArtisi",
                                                   "AmortismanOrani",
                                                   "AmortismanTutari",
                                                   "BirikmisAmortisman",
                                                   "KasaDegeri"};
  try {
    std::string sql =
        "SELECT k.\"Bolum\", k.\"SabitKiymet\", a.\"Tarih\", a.\"IlkDeger\", a.\"DOrani\","
        " a.\"DTutar\", a.\"DAmortisman\", a.\"DBirikmisAmortisman\", a.\"NetDegerArtisi\","
        " a.\"AmortismanOrani\", a.\"AmortismanTutari\", a.\"BirikmisAmortisman\","
        " a.\"KasaDegeri\" FROM \"KartAmortisman\" a JOIN \"Kart\" k ON k.\"Ulas\" = "
        "a.\"UlasKart\"";
    if (asset) sql += " WHERE k.\"Bolum\" IS ?1 AND k.\"SabitKiymet\" IS ?2";
    sql += " ORDER BY k.\"Bolum\", k.\"SabitKiymet\", k.\"Ulas\", a.\"Tarih\", a.\"Ulas\"";
    auto st = db.prepare(sql);
    if (asset) st.bind(1, asset->bolum).bind(2, asset->sabitKiymet);
    csv::writeRecord(out, kHeader);
    std::vector<std::string> fields(kHeader.size());
    while (st.step()) {
      fields[0] = st.getText(0);
      fields[1] = st.getText(1);
      fields[2] = csv::formatDate(st.getDate(2));
      for (size_t i = 3; i < kHeader.size(); ++i)
        fields[i] = csv::formatNumber(st.getDouble(static_cast<int>(i)));
      csv::writeRecord(out, fields);
    }
    return out ? Status::ok() : Status::error("Çıktı yazılamadı.");
  } catch (const db::DbError& e) {
    return Status::error(std::string("Amortisman tablosu okunamadı: ") + e.what());
  }
}

}  // namespace orv::depreciation
