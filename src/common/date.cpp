// Day-number arithmetic (proleptic Gregorian calendar) and ISO texts for storage.
#include "common/date.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace orv {
namespace {

// Days from 1970-01-01 for a civil date (H. Hinnant's algorithm).
constexpr long daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

YMD civilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return {y, m, d};
}

constexpr long kEpochOffset = daysFromCivil(1899, 12, 30);

bool readInt(const std::string& s, size_t pos, size_t len, int& out) {
  if (pos + len > s.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + len; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
  }
  out = v;
  return true;
}

std::tm localNow(int& msec) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  msec = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  return tm;
}

}  // namespace

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12) return 0;
  return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

bool isValidYMD(int y, int m, int d) {
  return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m);
}

Date Date::fromYMD(int y, int m, int d) {
  return fromSerial(static_cast<int>(daysFromCivil(y, m, d) - kEpochOffset));
}

Date Date::today() {
  int ms = 0;
  const std::tm tm = localNow(ms);
  return fromYMD(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

YMD Date::ymd() const { return civilFromDays(serial_ + kEpochOffset); }

std::optional<Date> Date::fromIso(const std::string& text) {
  if (text.empty()) return Date();
  int y, m, d;
  if (text.size() < 10 || text[4] != '-' || text[7] != '-' || !readInt(text, 0, 4, y) ||
      !readInt(text, 5, 2, m) || !readInt(text, 8, 2, d) || !isValidYMD(y, m, d))
    return std::nullopt;
  return fromYMD(y, m, d);
}

std::optional<Date> Date::parse(const std::string& text) {
  if (text.size() >= 10 && text[4] == '-') return text.size() == 10 ? fromIso(text) : std::nullopt;
  int d, m, y;
  if (text.size() != 10 || (text[2] != '.' && text[2] != '/') || text[5] != text[2] ||
      !readInt(text, 0, 2, d) || !readInt(text, 3, 2, m) || !readInt(text, 6, 4, y) ||
      !isValidYMD(y, m, d))
    return std::nullopt;
  return fromYMD(y, m, d);
}

std::string Date::iso() const {
  if (isNull()) return {};
  const YMD v = ymd();
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", v.year, v.month, v.day);
  return buf;
}

Date Date::addMonths(int n) const {
  const YMD v = ymd();
  int total = v.year * 12 + (v.month - 1) + n;
  const int y = total / 12, m = total % 12 + 1;
  const int d = v.day > daysInMonth(y, m) ? daysInMonth(y, m) : v.day;
  return fromYMD(y, m, d);
}

Date Date::endOfMonth() const {
  const YMD v = ymd();
  return fromYMD(v.year, v.month, daysInMonth(v.year, v.month));
}

TimeOfDay TimeOfDay::now() {
  int ms = 0;
  const std::tm tm = localNow(ms);
  return {tm.tm_hour, tm.tm_min, tm.tm_sec, ms};
}

DateTime DateTime::now() {
  int ms = 0;
  const std::tm tm = localNow(ms);
  return {Date::fromYMD(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday),
          {tm.tm_hour, tm.tm_min, tm.tm_sec, ms}};
}

std::string DateTime::iso() const {
  char buf[32];
  std::snprintf(buf, sizeof buf, " %02d:%02d:%02d.%03d", time.hour, time.minute, time.second,
                time.msec);
  return date.iso() + buf;
}

}  // namespace orv
