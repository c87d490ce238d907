#include "platform/headless_backend.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/system_time.h"
#include "platform/vk.h"

namespace platform {
namespace {

TEST(HeadlessBackend, KeyStateLatchesTapsBetweenQueries) {
  HeadlessBackend host;
  EXPECT_FALSE(host.KeyDown(vk::RETURN));

  host.SetKey(vk::RETURN, true);
  EXPECT_TRUE(host.KeyDown(vk::RETURN));
  EXPECT_TRUE(host.KeyDown(vk::RETURN));  // held keys stay down
  host.SetKey(vk::RETURN, false);
  EXPECT_FALSE(host.KeyDown(vk::RETURN));

  // Down and up again before anyone asked: seen exactly once.
  host.SetKey(vk::LBUTTON, true);
  host.SetKey(vk::LBUTTON, false);
  EXPECT_TRUE(host.KeyDown(vk::LBUTTON));
  EXPECT_FALSE(host.KeyDown(vk::LBUTTON));

  // A release while still held after a query does not re-arm the latch.
  host.SetKey(vk::SPACE, true);
  EXPECT_TRUE(host.KeyDown(vk::SPACE));
  host.SetKey(vk::SPACE, false);
  EXPECT_FALSE(host.KeyDown(vk::SPACE));

  // Keys are independent, and codes outside 1..255 read as up.
  host.SetKey(vk::SHIFT, true);
  EXPECT_FALSE(host.KeyDown(vk::CONTROL));
  EXPECT_FALSE(host.KeyDown(0));
  EXPECT_FALSE(host.KeyDown(256));
}

TEST(HeadlessBackend, CursorIsClampedToTheDisplay) {
  HeadlessBackend host;
  int x = -1, y = -1;
  host.GetCursorPos(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);

  host.SetCursor(5000, -20);
  host.GetCursorPos(x, y);
  EXPECT_EQ(x, 1023);
  EXPECT_EQ(y, 0);

  host.OpenDisplay("t", 320, 200);
  host.GetCursorPos(x, y);
  EXPECT_EQ(x, 319);
  host.SetCursorPos(100, 900);
  host.GetCursorPos(x, y);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 199);
  EXPECT_EQ(host.CursorMoves(), 1u);
  host.SetCursor(1, 2);
  EXPECT_EQ(host.CursorMoves(), 1u);  // only the program's own moves count

  EXPECT_EQ(host.Cursor(), CursorShape::Arrow);
  host.SetCursorShape(CursorShape::Hand);
  EXPECT_EQ(host.Cursor(), CursorShape::Hand);
}

TEST(HeadlessBackend, PresentKeepsACopyOfTheFrame) {
  HeadlessBackend host;
  EXPECT_FALSE(host.DisplayOpen());
  host.OpenDisplay("Corvala", 4, 2);
  EXPECT_TRUE(host.DisplayOpen());
  EXPECT_EQ(host.Title(), "Corvala");
  EXPECT_TRUE(host.Frame().empty());

  std::vector<uint8_t> frame(4 * 2 * 4);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint8_t>(i * 7);
  host.Present(frame.data());
  frame[0] = 255;  // the caller overwrites its buffer at once
  ASSERT_EQ(host.Frame().size(), 32u);
  EXPECT_EQ(host.Frame()[0], 0);
  EXPECT_EQ(host.Frame()[31], static_cast<uint8_t>(31 * 7));
  host.Present(frame.data());
  EXPECT_EQ(host.Frame()[0], 255);
  EXPECT_EQ(host.FrameCount(), 2u);
  host.CloseDisplay();
  EXPECT_FALSE(host.DisplayOpen());
}

// Only frames that differ from the one on the display reach it, with the span
// of rows that changed; an expose shows the next frame whole.
TEST(HeadlessBackend, ShowsOnlyChangedFramesAndRepaintsAfterAnExpose) {
  HeadlessBackend host;
  host.OpenDisplay("Corvala", 3, 6);
  std::vector<uint8_t> frame(3 * 6 * 4, 9);
  host.Present(frame.data());
  EXPECT_EQ(host.ShownCount(), 1u);
  EXPECT_EQ(host.LastShownRows().first, 0);
  EXPECT_EQ(host.LastShownRows().count, 6);
  host.Present(frame.data());
  host.Present(frame.data());
  EXPECT_EQ(host.ShownCount(), 1u);
  EXPECT_EQ(host.FrameCount(), 3u);

  frame[1 * 12 + 5] = 1;   // row 1
  frame[3 * 12 + 11] = 1;  // row 3, its last byte
  host.Present(frame.data());
  EXPECT_EQ(host.ShownCount(), 2u);
  EXPECT_EQ(host.LastShownRows().first, 1);
  EXPECT_EQ(host.LastShownRows().count, 3);
  frame[5 * 12] = 2;  // the last row alone
  host.Present(frame.data());
  EXPECT_EQ(host.LastShownRows().first, 5);
  EXPECT_EQ(host.LastShownRows().count, 1);

  host.Expose();
  host.Present(frame.data());
  EXPECT_EQ(host.ShownCount(), 4u);
  EXPECT_EQ(host.LastShownRows().count, 6);
  host.Present(frame.data());
  EXPECT_EQ(host.ShownCount(), 4u);
}

TEST(HeadlessBackend, CloseRequestIsTakenOnce) {
  HeadlessBackend host;
  EXPECT_FALSE(host.TakeCloseRequest());
  host.RequestClose();
  host.RequestClose();
  EXPECT_TRUE(host.TakeCloseRequest());
  EXPECT_FALSE(host.TakeCloseRequest());
}

TEST(HeadlessBackend, ClocksAdvanceTogether) {
  HeadlessBackend host;
  EXPECT_EQ(host.TickCount(), HeadlessBackend::kDefaultTick);
  EXPECT_EQ(host.DoubleClickTime(), 500u);
  EXPECT_EQ(host.AvailableMemory(), HeadlessBackend::kDefaultMemory);
  host.SetAvailableMemory(12345);
  EXPECT_EQ(host.AvailableMemory(), 12345u);

  SystemTime utc;
  utc.Year = 2026;
  utc.Month = 12;
  utc.Day = 31;
  utc.Hour = 23;
  utc.Minute = 59;
  utc.Second = 59;
  utc.Milliseconds = 990;
  host.SetClock(utc, 60);  // Central European time
  SystemTime local = host.LocalTime();
  EXPECT_EQ(local.Year, 2027);
  EXPECT_EQ(local.Month, 1);
  EXPECT_EQ(local.Day, 1);
  EXPECT_EQ(local.Hour, 0);
  EXPECT_EQ(local.DayOfWeek, 5);  // 2027-01-01 is a Friday

  host.Advance(20);
  SystemTime now = host.UtcTime();
  EXPECT_EQ(now.Year, 2027);
  EXPECT_EQ(now.Hour, 0);
  EXPECT_EQ(now.Second, 0);
  EXPECT_EQ(now.Milliseconds, 10);
  EXPECT_EQ(now.DayOfWeek, 5);
  EXPECT_EQ(host.TickCount(), HeadlessBackend::kDefaultTick + 20);

  host.SetTick(0xFFFFFFF0u);
  host.Advance(0x20);
  EXPECT_EQ(host.TickCount(), 0x10u);  // wraps like a 32-bit counter
}

TEST(SystemTime, RoundTripsAcrossLeapDaysAndCenturies) {
  const SystemTime cases[] = {
      {1601, 1, 1, 1, 0, 0, 0, 0},     {1900, 2, 3, 28, 12, 0, 0, 0}, {2000, 2, 2, 29, 6, 30, 15, 250},
      {2024, 12, 2, 31, 23, 59, 59, 999}, {2100, 3, 1, 1, 0, 0, 0, 1},
  };
  for (const SystemTime& t : cases) {
    SystemTime back = SystemTimeFromMs(MsFromSystemTime(t));
    EXPECT_EQ(back.Year, t.Year);
    EXPECT_EQ(back.Month, t.Month);
    EXPECT_EQ(back.Day, t.Day);
    EXPECT_EQ(back.DayOfWeek, t.DayOfWeek) << t.Year << "-" << t.Month << "-" << t.Day;
    EXPECT_EQ(back.Hour, t.Hour);
    EXPECT_EQ(back.Minute, t.Minute);
    EXPECT_EQ(back.Second, t.Second);
    EXPECT_EQ(back.Milliseconds, t.Milliseconds);
  }
  EXPECT_EQ(MsFromSystemTime({1970, 1, 4, 1, 0, 0, 0, 0}), kUnixEpochMs);
  EXPECT_FALSE(IsValidSystemTime({2023, 2, 0, 29, 0, 0, 0, 0}));
  EXPECT_FALSE(IsValidSystemTime({2100, 2, 0, 29, 0, 0, 0, 0}));
  EXPECT_TRUE(IsValidSystemTime({2000, 2, 0, 29, 0, 0, 0, 0}));
  EXPECT_FALSE(IsValidSystemTime({2000, 13, 0, 1, 0, 0, 0, 0}));
  EXPECT_FALSE(IsValidSystemTime({2000, 1, 0, 1, 24, 0, 0, 0}));
}

}  // namespace
}  // namespace platform
