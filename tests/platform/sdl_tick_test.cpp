// The real backend's tick count: large from the start, like a count since the
// machine booted, and advancing with the clock.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/sdl_backend.h"

namespace {

TEST(SdlTickTest, TheFirstTickIsBeyondADoubleClickOfTheZeroStamp) {
  platform::SdlBackend backend;
  const uint32_t first = backend.TickCount();
  // A click stamped at 0 ("none yet") must not pair with the first real one.
  EXPECT_GT(first, 1000u);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const uint32_t later = backend.TickCount();
  EXPECT_GE(later - first, 25u);
  EXPECT_LT(later - first, 5000u);
}

}  // namespace
