// Counts heap allocations, to show that polling and presenting a frame on the
// headless backend allocates nothing once the display is open.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "platform/headless_backend.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace platform {
namespace {

TEST(HeadlessBackend, AnIdleFrameAllocatesNothing) {
  HeadlessBackend host;
  host.OpenDisplay("Corvala", 1024, 768);
  std::vector<uint8_t> frame(1024 * 768 * 4, 7);
  host.Present(frame.data());

  // The counter itself works.
  long before = g_allocations.load();
  auto probe = std::make_unique<int>(1);
  ASSERT_GT(g_allocations.load(), before);

  before = g_allocations.load();
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
  EXPECT_EQ(g_allocations.load(), before);
  EXPECT_EQ(host.FrameCount(), 11u);
}

}  // namespace
}  // namespace platform
