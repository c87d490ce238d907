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

}  // namespace
