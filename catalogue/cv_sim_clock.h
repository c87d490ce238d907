#pragma once
// The observatory's simulated clock: a UTC instant to the minute, with the
// local time's offset, that runs at one of three speeds. It stays within the
// years the calendar counts, for the UTC and the local instant alike. Like
// the calendar it reads no clock: the caller passes the readings in.

#include <cstdint>

#include "catalogue/cv_calendar.h"
#include "platform/platform.h"

// Simulated milliseconds per real millisecond at speeds 1, 2 and 3.
int32_t SpeedFactor(uint8_t Speed);

// Adds Elapsed real milliseconds at the given speed to Residual (simulated
// milliseconds into the current minute, 0..59999) and returns the whole
// minutes that passed; Residual keeps the rest. Any Elapsed a 32-bit tick
// counter can give is added exactly, even at the fastest speed.
int64_t AdvanceResidual(int32_t& Residual, uint32_t Elapsed, uint8_t Speed);

// The minute counts (UTC) the simulated clock may take for a local time
// UTCDiff minutes ahead of UTC: both the UTC and the local instant lie in
// the years the calendar supports.
TDiffDate FirstClockMinute(int32_t UTCDiff);
TDiffDate LastClockMinute(int32_t UTCDiff);

struct TSimClock {
  TNormalDate UTCTime;
  int32_t UTCDiff = 0;         // local time minus UTC, in minutes
  int32_t Residual = 0;        // simulated milliseconds into the current minute
  uint32_t LastTimeCheck = 0;  // tick count; differences are taken modulo 2^32
  uint8_t Speed = 1;

  // The instant := the system's UTC reading Now, taken just before the tick
  // count Tick; a reading outside the supported years starts at the nearest end.
  void ToNow(const platform::SystemTime& Now, uint32_t Tick);
  // Sets the instant, brought into the supported years.
  void Set(TDiffDate Minutes);
  // Moves the instant by Minutes, stopping at the last supported minute.
  // Returns false when it had to stop.
  bool Move(int64_t Minutes);
  // Lets the real time up to the tick count Now pass at the clock's speed.
  // Returns true when the instant has moved.
  bool Run(uint32_t Now);
  // Replaces one field of the local time (see SetLocalTimePart); the new
  // minute starts at the tick count Now. False leaves the clock as it was.
  bool SetLocalPart(TTimePart Part, int32_t Value, uint32_t Now);

  TNormalDate Local() const;
  int32_t LocalPart(TTimePart Part) const;
  // The days of the local month.
  int32_t LocalMonthDays() const;
  // Real milliseconds until the next simulated minute begins.
  int64_t UntilNextMinute() const;
};
