#include "catalogue/cv_calendar.h"

#include <algorithm>

int32_t MonthLength(int32_t Month, int32_t Year) {
  switch (Month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return MONTHLONG;
    case 2:
      return IsLeapYear(Year) ? MONTHSHORT + DAY : MONTHSHORT;
    default:
      return MONTHMIDDLE;
  }
}

bool IsLeapYear(int32_t Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

TDiffDate NormalDateToDiffDate(const TNormalDate& Date) {
  if (Date.Year < FIRST_YEAR || Date.Year > LAST_YEAR) return -1;
  const int32_t diff_year = Date.Year - 2000;
  const int32_t x4 = (diff_year + 3) / 4;
  const int32_t x100 = (diff_year + 99) / 100;
  const int32_t x400 = (diff_year + 399) / 400;
  // Days and minutes in 64 bits: denormalised fields from the time inputs may
  // be anything, and the count then wraps like the 32-bit field it goes into.
  int64_t days = int64_t(diff_year) * 365 + x4 - x100 + x400;
  for (int32_t month = 1; month < Date.Month && month <= 12; ++month) days += MonthLength(month, Date.Year) / DAY;
  days += int64_t(Date.Day) - 1;
  int64_t minutes = days * DAY + int64_t(Date.Hour) * 60 + Date.Minute;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(minutes)));
}

TNormalDate DiffDateToNormalDate(TDiffDate Date) {
  TNormalDate result;
  int32_t residual = Date;
  int32_t year = 2000;
  year += (residual / CYCLE400) * 400;
  residual %= CYCLE400;
  if (residual >= CYCLE100 + DAY) {
    year += 100;
    residual -= CYCLE100 + DAY;
    year += (residual / CYCLE100) * 100;
    residual %= CYCLE100;
  }
  if (year % 400 != 0 && residual >= CYCLE4 - DAY) {
    year += 4;
    residual -= CYCLE4 - DAY;
  }
  year += (residual / CYCLE4) * 4;
  residual %= CYCLE4;
  if (year % 100 != 0 || year % 400 == 0) {
    if (residual >= LEAPYEAR) {
      year += 1;
      residual -= LEAPYEAR;
      year += residual / NORMYEAR;
      residual %= NORMYEAR;
    }
  } else {
    year += residual / NORMYEAR;
    residual %= NORMYEAR;
  }
  int32_t month = 1;
  // Month 12 is never left: the residual is below one year here.
  while (month < 12 && residual >= MonthLength(month, year)) {
    residual -= MonthLength(month, year);
    ++month;
  }
  result.Year = year;
  result.Month = month;
  result.Day = residual / DAY + 1;
  residual %= DAY;
  result.Hour = residual / 60;
  result.Minute = residual % 60;
  return result;
}

TNormalDate WinTimeToNormalDate(const platform::SystemTime& Time) {
  return TNormalDate{Time.Year, Time.Month, Time.Day, Time.Hour, Time.Minute};
}

void GetUTCTime(const platform::SystemTime& Now, uint32_t Tick, TNormalDate& Time, int32_t& Residual,
                int32_t& CatchTime) {
  // The tick counter wraps at 2^32; the field keeps its bits.
  CatchTime = static_cast<int32_t>(Tick);
  Time = WinTimeToNormalDate(Now);
  Residual = int32_t(Now.Second) * 1000 + Now.Milliseconds;
}

int32_t GetUTCDiff(const platform::SystemTime& Utc, const platform::SystemTime& Local) {
  return NormalDateToDiffDate(WinTimeToNormalDate(Local)) - NormalDateToDiffDate(WinTimeToNormalDate(Utc));
}

int32_t GetLocalTimePart(const TNormalDate& UTCTime, int32_t UTCDiff, TTimePart TimePart) {
  const TNormalDate local = DiffDateToNormalDate(NormalDateToDiffDate(UTCTime) + UTCDiff);
  switch (TimePart) {
    case TP_Year:
      return local.Year;
    case TP_Day:
      return local.Day;
    case TP_Month:
      return local.Month;
    case TP_Hour:
      return local.Hour;
    case TP_Minute:
      return local.Minute;
  }
  return 0;
}

bool SetLocalTimePart(TNormalDate& UTCTime, int32_t UTCDiff, TTimePart TimePart, int32_t Value) {
  TNormalDate local = DiffDateToNormalDate(NormalDateToDiffDate(UTCTime) + UTCDiff);
  switch (TimePart) {
    case TP_Year:
      local.Year = Value;
      break;
    case TP_Day:
      local.Day = Value;
      break;
    case TP_Month:
      local.Month = Value;
      break;
    case TP_Hour:
      local.Hour = Value;
      break;
    case TP_Minute:
      local.Minute = Value;
      break;
  }
  // Taking -1 for a count would silently move the instant to 1999.
  if (local.Year < FIRST_YEAR || local.Year > LAST_YEAR) return false;
  // A local time near either end, taken back to UTC, may leave the years the
  // count covers; it would wrap round to the other end. It stops at the end.
  static const int64_t last = NormalDateToDiffDate(TNormalDate{LAST_YEAR, 12, 31, 23, 59});
  const int64_t utc = std::clamp<int64_t>(int64_t{NormalDateToDiffDate(local)} - UTCDiff, 0, last);
  UTCTime = DiffDateToNormalDate(static_cast<TDiffDate>(utc));
  return true;
}
