// Date and time texts from pictures such as "dd/mm/yyyy", "ddmmyyhhmm" and "hh:nn:ss:zzz".
#include "common/format.h"

#include <cctype>
#include <cstdio>

namespace orv {
namespace {

const char* const kLongDays[] = {"Pazar", "Pazartesi", "Salı", "Çarşamba", "Perşembe", "Cuma",
                                 "Cumartesi"};
const char* const kShortDays[] = {"Paz", "Pzt", "Sal", "Çar", "Per", "Cum", "Cmt"};
const char* const kShortMonths[] = {"Oca", "Şub", "Mar", "Nis", "May", "Haz",
                                    "Tem", "Ağu", "Eyl", "Eki", "Kas", "Ara"};

std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

// 0 = Sunday; day 0 of the scale (30.12.1899) was a Saturday.
int weekday(Date d) { return ((d.serial() % 7) + 13) % 7; }

class DateWriter {
 public:
  DateWriter(const DateTime& v, const FormatSettings& fs) : v_(v), ymd_(v.date.ymd()), fs_(fs) {}

  std::string run(std::string_view format, int depth = 0) {
    std::string out;
    char last = 0;   // the last date letter written, to tell minutes from months
    for (size_t i = 0; i < format.size();) {
      const char c = format[i];
      if (c == '"' || c == '\'') {
        const size_t end = format.find(c, i + 1);
        const size_t stop = end == std::string_view::npos ? format.size() : end;
        out += format.substr(i + 1, stop - i - 1);
        i = stop + 1;
        continue;
      }
      const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      size_t count = 1;
      while (i + count < format.size() &&
             std::toupper(static_cast<unsigned char>(format[i + count])) == up)
        ++count;
      if (std::string_view("DMYHNSZTC").find(up) == std::string_view::npos) {
        out += c == '/' ? fs_.date : c == ':' ? fs_.time : c;
        ++i;
        continue;
      }
      const char token = up == 'M' && last == 'H' && count <= 2 ? 'N' : up;
      out += letters(token, static_cast<int>(count), depth);
      last = token;
      i += count;
    }
    return out;
  }

 private:
  std::string letters(char token, int count, int depth) {
    const TimeOfDay& t = v_.time;
    switch (token) {
      case 'D': return days(count, depth);
      case 'M': return months(count);
      case 'Y': return count <= 2 ? twoDigits(ymd_.year % 100) : std::to_string(ymd_.year);
      case 'H': return count == 1 ? std::to_string(t.hour) : twoDigits(t.hour);
      case 'N': return count == 1 ? std::to_string(t.minute) : twoDigits(t.minute);
      case 'S': return count == 1 ? std::to_string(t.second) : twoDigits(t.second);
      case 'Z': {
        char buf[16];
        std::snprintf(buf, sizeof buf, count == 1 ? "%d" : "%03d", t.msec);
        return buf;
      }
      case 'T': return nested(count == 1 ? "hh:nn" : "hh:nn:ss", depth);
      case 'C': {
        const bool hasTime = t.hour || t.minute || t.second || t.msec;
        return nested(hasTime ? "dd/mm/yyyy hh:nn:ss" : "dd/mm/yyyy", depth);
      }
    }
    return {};
  }

  std::string days(int count, int depth) {
    switch (count) {
      case 1: return std::to_string(ymd_.day);
      case 2: return twoDigits(ymd_.day);
      case 3: return kShortDays[weekday(v_.date)];
      case 4: return kLongDays[weekday(v_.date)];
      case 5: return nested("dd/mm/yyyy", depth);
      default: return nested("dd mmmm yyyy dddd", depth);
    }
  }

  std::string months(int count) {
    if (ymd_.month < 1 || ymd_.month > 12) return {};
    switch (count) {
      case 1: return std::to_string(ymd_.month);
      case 2: return twoDigits(ymd_.month);
      case 3: return kShortMonths[ymd_.month - 1];
      default: return monthName(ymd_.month);
    }
  }

  std::string nested(std::string_view format, int depth) {
    return depth > 0 ? std::string() : run(format, depth + 1);
  }

  const DateTime& v_;
  YMD ymd_;
  const FormatSettings& fs_;
};

}  // namespace

std::string formatDateTime(std::string_view format, const DateTime& value, const FormatSettings& fs) {
  return DateWriter(value, fs).run(format);
}

std::string formatDate(std::string_view format, Date value, const FormatSettings& fs) {
  return formatDateTime(format, DateTime{value, {}}, fs);
}

}  // namespace orv
