// Currencies (DOVIZTOP) and their daily buying and selling rates (DOVIZALT), as the currency
// rates screen keeps them: any number of currencies, the previous rates of a date taken from
// the latest earlier row of the same currency, and rates that must be numbers to be saved.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/session.h"
#include "common/date.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::definitions {

inline constexpr int kRightCurrencyRates = 2020;
inline constexpr int kRightChangeCurrencyRates = 2023;
inline constexpr const char* kDailyRatesSaved = "Günlük döviz bilgileri kaydedildi.";

struct Doviz {
  long long ULAS = 0;
  std::string KOD;
  std::string DOVIZ;
  std::string SEMBOL;
};

std::vector<Doviz> listCurrencies(db::Database& parameterDb);  // table order (ULAS)
// Appends (ULAS 0) or changes a currency; the code is required and unique. Right 2023.
Result<long long> saveCurrency(Session& session, const Doviz& currency);
// Deletes a currency definition; its daily rates stay. Right 2023.
Status deleteCurrency(Session& session, long long ulas);

struct GunlukKur {
  std::string kod;
  std::string ad;
  double alis = 0, satis = 0;              // of the date, 0 when there is no row
  double oncekiAlis = 0, oncekiSatis = 0;  // latest earlier row of the currency, else 0
};

// One entry per currency, in table order.
std::vector<GunlukKur> loadDailyRates(db::Database& parameterDb, Date date);

// Rates as typed in the grid.
struct KurGirdisi {
  std::string kod;
  std::string alis;
  std::string satis;
};

// A rate cell as a number: the decimal separator of the parameters or "."; empty is 0.
std::optional<double> parseRate(const std::string& text, char decimalSeparator);

// "Sakla": each entry whose two rates are not both 0 edits or appends the (code, date) row.
// A cell that is not a number refuses the whole save, naming the currency; nothing is
// written then. Rows of the date that are not given, and rates set back to 0/0, stay. Right
// 2023. The number of rows written.
Result<int> saveDailyRates(Session& session, Date date, const std::vector<KurGirdisi>& rates);

// -1 when the rate is lower than the previous one, 1 when higher, 0 when equal.
int rateTrend(double rate, double previous);

}  // namespace orv::definitions
