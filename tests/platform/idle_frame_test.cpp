// Counts heap allocations, to show that polling and presenting a frame on the
// headless backend allocates nothing once the display is open.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/headless_backend.h"
#include "tests/support/allocation_counter.h"

namespace platform {
namespace {

TEST(HeadlessBackend, AnIdleFrameAllocatesNothing) {
  HeadlessBackend host;
  host.OpenDisplay("Corvala", 1024, 768);
  std::vector<uint8_t> frame(1024 * 768 * 4, 7);
  host.Present(frame.data());

  // The counter itself works.
  long before = test_support::AllocationCount();
  auto probe = std::make_unique<int>(1);
  ASSERT_GT(test_support::AllocationCount(), before);

  before = test_support::AllocationCount();
  for (int i = 0; i < 10; ++i) {
    for (int code = 1; code <= 255; ++code) host.KeyDown(code);
    int x, y;
    host.GetCursorPos(x, y);
    host.TickCount();
    host.UtcTime();
    host.LocalTime();
    host.TakeCloseRequest();
    host.Present(frame.data());
    host.Advance(16);
  }
  EXPECT_EQ(test_support::AllocationCount(), before);
  EXPECT_EQ(host.FrameCount(), 11u);
}

}  // namespace
}  // namespace platform
