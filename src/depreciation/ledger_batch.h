// Batch work over many ledgers: extending each ledger period by period as far as the engine
// goes, and exporting stored ledgers as CSV. Cards are read in slices and committed in
// batches, so memory does not grow with the number of cards.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/session.h"
#include "common/result.h"
#include "depreciation/engine.h"

namespace orv::depreciation {

struct AssetCode {
  std::string bolum;
  std::string sabitKiymet;
};
// "BOLUM/CODE" as the batch commands take it, the code with or without the mask's
// separators; nullopt when there is no "/".
std::optional<AssetCode> parseAssetCode(const std::string& text);

struct UzatmaSonucu {
  long long ulasKart = 0;
  std::string bolum, sabitKiymet;
  int eklenen = 0;                             // periods appended and saved
  EklemeSonucu neden = EklemeSonucu::Eklendi;  // why it stopped
  bool tarihYok = false;            // neither a start nor a purchase date: not computed
  std::string mesaj;                           // the refusal message, when there was one
};

// A short Turkish text for why extending stopped.
std::string nedenMetni(const UzatmaSonucu& r);

struct UzatmaSecenekleri {
  std::optional<AssetCode> asset;  // one card, or every card when empty
  int cardsPerTransaction = 500;
};

// For each card (Ulas order): settings, DefterYukle, SonrakiDonemEkle until a call adds no
// row, then the ledger saved when rows were added; `report` receives one result per card.
// A card with neither a start nor a purchase date is left alone (its periods would start in
// 1899).
// A database failure rolls back the batch in progress and ends the run with its message;
// batches committed before it stay.
Status extendLedgers(Session& session, const UzatmaSecenekleri& options,
                     const std::function<void(const UzatmaSonucu&)>& report);

// CSV of the stored ledger rows (all cards, or one), in code and date order, with the header
// Bolum,SabitKiymet,Tarih,IlkDeger,DOrani,DTutar,DAmortisman,DBirikmisAmortisman,
// NetDegerArtisi,AmortismanOrani,AmortismanTutari,BirikmisAmortisman,KasaDegeri.
Status exportLedgers(db::Database& companyDb, const std::optional<AssetCode>& asset,
                     std::ostream& out);

}  // namespace orv::depreciation
