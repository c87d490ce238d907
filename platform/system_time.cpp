#include "platform/system_time.h"

#include <cassert>

namespace platform {

namespace {

constexpr int64_t kMsPerDay = 86400000;

// Days from 1970-01-01 to the given civil date (negative before it).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

unsigned DaysInMonth(unsigned year, unsigned month) {
  static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool IsValidSystemTime(const SystemTime& t) {
  return t.Year >= 1601 && t.Month >= 1 && t.Month <= 12 && t.Day >= 1 &&
         t.Day <= DaysInMonth(t.Year, t.Month) && t.Hour < 24 && t.Minute < 60 && t.Second < 60 &&
         t.Milliseconds < 1000;
}

SystemTime SystemTimeFromMs(int64_t ms_since_1601) {
  assert(ms_since_1601 >= 0 && "time before 1601");
  const int64_t unix_ms = ms_since_1601 - kUnixEpochMs;
  const int64_t days = FloorDiv(unix_ms, kMsPerDay);
  int64_t in_day = unix_ms - days * kMsPerDay;
  int64_t year;
  unsigned month, day;
  CivilFromDays(days, year, month, day);
  SystemTime t;
  t.Year = static_cast<uint16_t>(year);
  t.Month = static_cast<uint16_t>(month);
  t.Day = static_cast<uint16_t>(day);
  // 1970-01-01 was a Thursday (4).
  t.DayOfWeek = static_cast<uint16_t>(((days % 7) + 7 + 4) % 7);
  t.Hour = static_cast<uint16_t>(in_day / 3600000);
  in_day %= 3600000;
  t.Minute = static_cast<uint16_t>(in_day / 60000);
  in_day %= 60000;
  t.Second = static_cast<uint16_t>(in_day / 1000);
  t.Milliseconds = static_cast<uint16_t>(in_day % 1000);
  return t;
}

int64_t MsFromSystemTime(const SystemTime& t) {
  assert(IsValidSystemTime(t) && "invalid calendar time");
  const int64_t days = DaysFromCivil(t.Year, t.Month, t.Day);
  return kUnixEpochMs + days * kMsPerDay + t.Hour * int64_t{3600000} + t.Minute * int64_t{60000} +
         t.Second * int64_t{1000} + t.Milliseconds;
}

}  // namespace platform
