// Calendar dates and times as day numbers: 30 December 1899 is day 0, which means "no date".
// A date-time is a day number with the time of day as the fraction.
#pragma once

#include <optional>
#include <string>

namespace orv {

struct YMD {
  int year = 0;
  int month = 0;
  int day = 0;
};

class Date {
 public:
  constexpr Date() = default;
  static constexpr Date fromSerial(int serial) { Date d; d.serial_ = serial; return d; }
  static Date fromYMD(int year, int month, int day);   // no range check: use isValidYMD first
  static Date today();

  // "YYYY-MM-DD" (storage form); empty text gives the zero date; malformed text gives nullopt.
  static std::optional<Date> fromIso(const std::string& text);
  // "dd.mm.yyyy", "dd/mm/yyyy" or "YYYY-MM-DD"; nullopt when it is no real date.
  static std::optional<Date> parse(const std::string& text);

  constexpr int serial() const { return serial_; }
  constexpr bool isNull() const { return serial_ == 0; }
  YMD ymd() const;
  int year() const { return ymd().year; }
  int month() const { return ymd().month; }
  int day() const { return ymd().day; }
  std::string iso() const;                 // "YYYY-MM-DD"; empty for the zero date

  Date addDays(int n) const { return fromSerial(serial_ + n); }
  Date addMonths(int n) const;             // day clipped to the end of the target month
  Date endOfMonth() const;

  friend constexpr bool operator==(Date a, Date b) { return a.serial_ == b.serial_; }
  friend constexpr auto operator<=>(Date a, Date b) { return a.serial_ <=> b.serial_; }

 private:
  int serial_ = 0;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidYMD(int year, int month, int day);

// Time of day in milliseconds since midnight.
struct TimeOfDay {
  int hour = 0, minute = 0, second = 0, msec = 0;
  static TimeOfDay now();
};

// A point in time as the original's floating day number (date + fraction of the day).
struct DateTime {
  Date date;
  TimeOfDay time;
  static DateTime now();
  std::string iso() const;                 // "YYYY-MM-DD HH:MM:SS.zzz"
};

}  // namespace orv
