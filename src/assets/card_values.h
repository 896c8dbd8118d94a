// The computed values and texts of the asset card: VAT, the depreciation end date, the
// header, the transfer and exit banners, and the empty new card.
#pragma once

#include <optional>
#include <string>

#include "app/session.h"
#include "common/date.h"
#include "data/kart_repository.h"

namespace orv::assets {

// Alis_Tutari x Kdv_Orani / 100.
double kdvTutari(double alisTutari, double kdvOrani);

// Number of years added to the start date: n = Trunc(100 / r) (+1 unless r divides 10000
// exactly), minus one when positive, plus one for pro-rata (Amortisman_Sekli 1).
int bitisYilSayisi(double oran, int amortismanSekli);
// The start date plus that many years (day limited to the month's end); zero without a start.
Date bitisTarihi(Date baslama, double oran, int amortismanSekli);

// A card with every field empty or zero and the VAT rate of the parameters.
db::KartRow yeniBosKart(const Session& session);

// The code as the asset code mask shows it.
std::string maskeliKod(const Session& session, const std::string& kod);

// "<masked code> : <name>" as the card's header shows it, or "Yeni Demirbaş Girişi".
std::string kartBasligi(const Session& session, const db::KartRow& kart, bool yeniKart);
// The red banner's lines (empty when the card has no transfer).
std::string transferBandi(const Session& session, const db::KartRow& kart);
// The grey banner (empty when the card has no exit date).
std::string cikisBandi(const Session& session, const db::KartRow& kart);

// A date "is set" for the card's labels when its serial is greater than 10.
inline bool tarihVar(Date d) { return d.serial() > 10; }
// "dd/mm/yyyy" (or "dd/mm/yy") with the date separator of the parameters.
std::string tarihMetni(const Session& session, Date d, bool kisaYil = false);

// A typed number with the separators of the parameters ("1.234,5" or "1,234.5"); an empty
// text is 0; nullopt when it is no number.
std::optional<double> sayiOku(const std::string& text, char thousand, char decimal);

}  // namespace orv::assets
