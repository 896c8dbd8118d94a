// The revaluation rate table (YeniDegerlemeTablosu): three series, "A" yearly, "B" quarterly,
// "C" monthly, one row per series and date with the rate and a band of asset values. The
// depreciation engine looks a row up by series letter and the exact period end.
#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/session.h"
#include "common/date.h"
#include "common/result.h"
#include "data/database.h"

namespace orv::definitions {

inline constexpr int kRightRevaluationTable = 2040;
inline constexpr int kRightChangeRevaluationTable = 2043;

struct DegerlemeOrani {
  long long Ulas = 0;
  std::string Tur;  // "A", "B" or "C"
  Date Tarih;
  double Oran = 0;  // percent
  double AltLimit = 0;
  double UstLimit = 0;
  Date Set_date;
};

// The series letter of a period kind: 0 yearly "A", 1 quarterly "B", 2 monthly "C".
char seriesLetter(int periodKind);
// The caption of a series: "Yıllık", "3 Aylık", "Aylık".
const char* seriesCaption(char letter);

// Rows of one series in the order of the index ITarih (Tur, Tarih), then Ulas.
std::vector<DegerlemeOrani> listRevaluationRates(db::Database& parameterDb, char letter);
std::vector<DegerlemeOrani> listAllRevaluationRates(db::Database& parameterDb);

// "Ekle": appends a row of the series with no date yet; its Ulas. Needs right 2043.
Result<long long> addRevaluationRate(Session& session, char letter);
// Saves a row edited in the grid: Tur must be A, B or C; two set dates of one series never
// coincide (the engine could not tell which to apply). Needs right 2043.
Status updateRevaluationRate(Session& session, const DegerlemeOrani& row);
// "Sil": deletes the row. Needs right 2043.
Status deleteRevaluationRate(Session& session, long long ulas);

// CSV with the header Tur,Tarih,Oran,AltLimit,UstLimit, rows in ITarih order.
void exportRevaluationRates(db::Database& parameterDb, std::ostream& out);
// Reads such a CSV (columns in any order, Tur and Tarih required): a row whose series and
// date are stored already replaces that row's rate and limits, other rows are appended. Any
// error names the line and the field, and nothing of the file is saved. Rows imported.
Result<int> importRevaluationRates(Session& session, const std::string& path);

// The whole table in memory for the engine: the row of a series dated exactly on a date.
class DegerlemeOranTablosu {
 public:
  DegerlemeOranTablosu() = default;
  static DegerlemeOranTablosu load(db::Database& parameterDb);
  void add(const DegerlemeOrani& row);
  const DegerlemeOrani* find(char letter, Date date) const;

 private:
  std::map<std::pair<char, int>, DegerlemeOrani> rows_;
};

}  // namespace orv::definitions
