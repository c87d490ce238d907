#pragma once
// Conversions between SystemTime records and a millisecond count since
// 1601-01-01 00:00 (the epoch of Windows file times), so that clocks can be
// advanced and offset by plain arithmetic. Proleptic Gregorian calendar.

#include <cstdint>

#include "platform/platform.h"

namespace platform {

// Milliseconds between 1601-01-01 and 1970-01-01 (the Unix epoch).
inline constexpr int64_t kUnixEpochMs = 11644473600000;

SystemTime SystemTimeFromMs(int64_t ms_since_1601);
// The fields must form a valid date and time from 1601 on; DayOfWeek is ignored.
int64_t MsFromSystemTime(const SystemTime& t);
bool IsValidSystemTime(const SystemTime& t);

}  // namespace platform
