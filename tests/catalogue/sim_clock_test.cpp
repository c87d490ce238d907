// The observatory's simulated clock.
#include "catalogue/cv_sim_clock.h"

#include <gtest/gtest.h>

namespace {

TEST(SimulatedClock, SpeedsCarryTheRemainderAndSurviveLongPauses) {
  int32_t residual = 59999;
  EXPECT_EQ(AdvanceResidual(residual, 1, 1), 1);
  EXPECT_EQ(residual, 0);
  // Speed 3: one hundred minutes a second, in uneven steps, nothing lost.
  int64_t minutes = 0;
  for (int i = 0; i < 143; ++i) minutes += AdvanceResidual(residual, 7, 3);
  EXPECT_EQ(minutes * 60000 + residual, 143 * 7 * 6000);
  // The longest gap a 32-bit tick counter can give, at the fastest speed.
  residual = 59999;
  EXPECT_EQ(AdvanceResidual(residual, 0xFFFFFFFFu, 3), (int64_t{0xFFFFFFFF} * 6000 + 59999) / 60000);
  EXPECT_EQ(residual, (int64_t{0xFFFFFFFF} * 6000 + 59999) % 60000);
}

TEST(SimulatedClock, TheDayFieldEndsWithTheLocalMonth) {
  struct Case {
    TNormalDate Utc;
    int32_t UTCDiff;
    int32_t Days;
  };
  const Case cases[] = {
      {{2024, 2, 29, 23, 30}, 60, 31},   // already March locally
      {{2024, 3, 1, 0, 30}, -60, 29},    // still February of a leap year locally
      {{2100, 2, 10, 12, 0}, 0, 28},     // a century that is not a leap year
      {{2026, 4, 30, 12, 0}, 0, 30},
  };
  for (const Case& c : cases) {
    TSimClock clock;
    clock.UTCDiff = c.UTCDiff;
    clock.Set(NormalDateToDiffDate(c.Utc));
    EXPECT_EQ(clock.LocalMonthDays(), c.Days) << c.Utc.Year << "-" << c.Utc.Month << "-" << c.Utc.Day;
  }
}

}  // namespace
