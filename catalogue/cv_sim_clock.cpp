#include "catalogue/cv_sim_clock.h"

#include <algorithm>

namespace {

// The last minute the calendar can count: 2499-12-31 23:59.
const TDiffDate kLastMinute = NormalDateToDiffDate(TNormalDate{LAST_YEAR, 12, 31, 23, 59});

}  // namespace

int32_t SpeedFactor(uint8_t Speed) {
  switch (Speed) {
    case 2:
      return 60;
    case 3:
      return 6000;
    default:
      return 1;
  }
}

int64_t AdvanceResidual(int32_t& Residual, uint32_t Elapsed, uint8_t Speed) {
  // 2^32 ms at 6000 times is about 2.6e13 simulated ms: 64 bits hold it exactly.
  const int64_t total = int64_t{Residual} + int64_t{Elapsed} * SpeedFactor(Speed);
  Residual = static_cast<int32_t>(total % 60000);
  return total / 60000;
}

TDiffDate FirstClockMinute(int32_t UTCDiff) { return std::max<TDiffDate>(0, -UTCDiff); }
TDiffDate LastClockMinute(int32_t UTCDiff) { return std::min<TDiffDate>(kLastMinute, kLastMinute - UTCDiff); }

void TSimClock::ToNow(const platform::SystemTime& Now, uint32_t Tick) {
  int32_t tick = 0;
  GetUTCTime(Now, Tick, UTCTime, Residual, tick);
  LastTimeCheck = static_cast<uint32_t>(tick);
  if (UTCTime.Year > LAST_YEAR) {
    Set(LastClockMinute(UTCDiff));
  } else {
    Set(NormalDateToDiffDate(UTCTime));
  }
}

void TSimClock::Set(TDiffDate Minutes) {
  if (Minutes < FirstClockMinute(UTCDiff)) Minutes = FirstClockMinute(UTCDiff);
  if (Minutes > LastClockMinute(UTCDiff)) Minutes = LastClockMinute(UTCDiff);
  UTCTime = DiffDateToNormalDate(Minutes);
}

bool TSimClock::Move(int64_t Minutes) {
  const int64_t last = LastClockMinute(UTCDiff);
  int64_t target = int64_t{NormalDateToDiffDate(UTCTime)} + Minutes;
  const bool stopped = target >= last;
  if (stopped) {
    // The clock stands at the last minute the calendar can count.
    target = last;
    Residual = 0;
  }
  UTCTime = DiffDateToNormalDate(static_cast<TDiffDate>(target));
  return !stopped;
}

bool TSimClock::Run(uint32_t Now) {
  const int64_t minutes = AdvanceResidual(Residual, Now - LastTimeCheck, Speed);
  LastTimeCheck = Now;
  if (minutes <= 0) return false;
  if (NormalDateToDiffDate(UTCTime) < LastClockMinute(UTCDiff)) {
    Move(minutes);
    return true;
  }
  Residual = 0;  // standing at the end: no time piles up
  return false;
}

bool TSimClock::SetLocalPart(TTimePart Part, int32_t Value, uint32_t Now) {
  TNormalDate utc = UTCTime;
  if (!SetLocalTimePart(utc, UTCDiff, Part, Value)) return false;
  Set(NormalDateToDiffDate(utc));
  LastTimeCheck = Now;
  Residual = 0;
  return true;
}

TNormalDate TSimClock::Local() const { return DiffDateToNormalDate(NormalDateToDiffDate(UTCTime) + UTCDiff); }

int32_t TSimClock::LocalPart(TTimePart Part) const { return GetLocalTimePart(UTCTime, UTCDiff, Part); }

int32_t TSimClock::LocalMonthDays() const {
  const TNormalDate local = Local();
  return MonthLength(local.Month, local.Year) / DAY;
}

int64_t TSimClock::UntilNextMinute() const {
  const int64_t factor = SpeedFactor(Speed);
  return (60000 - Residual + factor - 1) / factor;
}
