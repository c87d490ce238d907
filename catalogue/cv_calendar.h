#pragma once
// Calendar arithmetic in whole minutes since 2000-01-01 00:00, clock readings
// turned into dates, and the field-by-field local-time editing of the
// observatory's instant. All arithmetic is 32-bit and division truncates.
// Nothing here reads a clock: the caller passes the readings in.

#include <cstdint>

#include "platform/platform.h"

struct TNormalDate {
  int32_t Year = 2000;
  int32_t Month = 1;
  int32_t Day = 1;
  int32_t Hour = 0;
  int32_t Minute = 0;
  friend bool operator==(const TNormalDate&, const TNormalDate&) = default;
};

// Minutes since 2000-01-01 00:00 of the same time scale; -1 also means "invalid".
using TDiffDate = int32_t;

enum TTimePart : uint8_t { TP_Year, TP_Day, TP_Month, TP_Hour, TP_Minute };

inline constexpr int32_t CYCLE400 = 210379680;  // 400 Gregorian years
inline constexpr int32_t CYCLE100 = 52594560;   // a century starting with a common year
inline constexpr int32_t CYCLE4 = 2103840;      // four years with one leap day
inline constexpr int32_t LEAPYEAR = 527040;
inline constexpr int32_t NORMYEAR = 525600;
inline constexpr int32_t MONTHLONG = 44640;
inline constexpr int32_t MONTHMIDDLE = 43200;
inline constexpr int32_t MONTHSHORT = 40320;
inline constexpr int32_t DAY = 1440;

// The years the minute count covers: 2000 .. 2499.
inline constexpr int32_t FIRST_YEAR = 2000;
inline constexpr int32_t LAST_YEAR = 2499;

bool IsLeapYear(int32_t Year);
// The length of Month (1..12) of Year in minutes.
int32_t MonthLength(int32_t Month, int32_t Year);

// -1 for a year outside 2000..2499. The other fields are not checked, so a
// day past its month's end or a negative hour simply shifts the count.
TDiffDate NormalDateToDiffDate(const TNormalDate& Date);
TNormalDate DiffDateToNormalDate(TDiffDate Date);

TNormalDate WinTimeToNormalDate(const platform::SystemTime& Time);

// From a reading of the UTC clock (Now) and then of the tick counter (Tick):
// the date to the minute, the milliseconds already gone in that minute, and
// the tick count.
void GetUTCTime(const platform::SystemTime& Now, uint32_t Tick, TNormalDate& Time, int32_t& Residual,
                int32_t& CatchTime);

// Local time minus UTC in minutes, from one reading of each clock.
int32_t GetUTCDiff(const platform::SystemTime& Utc, const platform::SystemTime& Local);

// One field of the local time of the UTC instant UTCTime.
int32_t GetLocalTimePart(const TNormalDate& UTCTime, int32_t UTCDiff, TTimePart TimePart);
// Replaces one field of the local time and stores the normalised result
// back as UTC; a day past the month's end rolls into the next month. A local
// year outside 2000..2499 has no minute count: UTCTime is then left as it was
// and the answer is false. A local time whose UTC instant lies outside the
// years counted keeps UTCTime at the nearest end of them.
bool SetLocalTimePart(TNormalDate& UTCTime, int32_t UTCDiff, TTimePart TimePart, int32_t Value);
