// Values the asset card computes from its fields, and the texts of its header and banners.
#include "assets/card_values.h"

#include <charconv>
#include <cmath>

#include "common/codes.h"
#include "common/format.h"
#include "common/turkish.h"

namespace orv::assets {

double kdvTutari(double alisTutari, double kdvOrani) { return alisTutari * kdvOrani / 100; }

int bitisYilSayisi(double oran, int amortismanSekli) {
  long long n = 0;
  if (oran != 0) {
    n = static_cast<long long>(std::trunc(100 / oran));
    // An exact divisor of 100 % gives whole years; anything else one year more.
    const double exact = std::trunc(10000 / oran) * oran;
    if (exact != 10000) ++n;
  }
  if (n > 0) --n;
  if (amortismanSekli == 1) ++n;
  return static_cast<int>(n);
}

Date bitisTarihi(Date baslama, double oran, int amortismanSekli) {
  if (!tarihVar(baslama)) return {};
  return baslama.addMonths(bitisYilSayisi(oran, amortismanSekli) * 12);
}

db::KartRow yeniBosKart(const Session& session) {
  db::KartRow k;
  k.Kdv_Orani = session.values.generalVatRate;
  return k;
}

std::string maskeliKod(const Session& session, const std::string& kod) {
  return applyCodeMask(session.values.assetCodeMask, kod, 1, session.company.accountGroupSeparator);
}

std::string tarihMetni(const Session& session, Date d, bool kisaYil) {
  if (d.isNull()) return {};
  return formatDate(kisaYil ? "dd/mm/yy" : "dd/mm/yyyy", d, formatSettings(session.values));
}

std::string kartBasligi(const Session& session, const db::KartRow& kart, bool yeniKart) {
  if (yeniKart) return "Yeni Demirbaş Girişi";
  return maskeliKod(session, kart.SabitKiymet) + ": " + kart.Adi;
}

std::string transferBandi(const Session& session, const db::KartRow& kart) {
  std::string lines;
  if (!trim(kart.GelenTransferKodu).empty())
    lines += maskeliKod(session, kart.GelenTransferKodu) + " Kaydından Transfer Olundu-" +
             tarihMetni(session, kart.GelenTransferTarihi, true);
  if (!trim(kart.Transfer_Kod).empty()) {
    if (!lines.empty()) lines += "\n";
    lines += maskeliKod(session, kart.Transfer_Kod) + " Kaydına Transfer Edildi-" +
             tarihMetni(session, kart.Transfer_Tarih, true);
  }
  return lines;
}

std::string cikisBandi(const Session& session, const db::KartRow& kart) {
  if (!tarihVar(kart.Sat_Tarih)) return {};
  const char* what = kart.CikisTipi == 1   ? " Tarihinde Hibe Edildi."
                     : kart.CikisTipi == 2 ? " Tarihinde Zayi oldu."
                                           : " Tarihinde Satıldı.";
  return tarihMetni(session, kart.Sat_Tarih, true) + what;
}

std::optional<double> sayiOku(const std::string& text, char thousand, char decimal) {
  std::string s;
  for (char c : trim(text)) {
    if (c == thousand && c != decimal) continue;
    s += c == decimal ? '.' : c;
  }
  if (s.empty()) return 0.0;
  double v = 0;
  const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
  auto [end, ec] = std::from_chars(begin, s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

}  // namespace orv::assets
