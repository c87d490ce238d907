#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "tests/rastrix/rastrix_fixture.h"

using DisplayTest = RastrixTest;

TEST_F(DisplayTest, InitOpensTheDisplayCentresTheArrowAndPresentsBlack) {
  EXPECT_TRUE(host_.DisplayOpen());
  EXPECT_EQ(host_.Title(), "Corvala test");
  EXPECT_EQ(host_.Width(), 1024);
  EXPECT_EQ(host_.Height(), 768);
  EXPECT_EQ(host_.FrameCount(), 1u);
  ASSERT_EQ(host_.Frame().size(), SCREEN_BYTES);
  EXPECT_TRUE(std::all_of(host_.Frame().begin(), host_.Frame().end(), [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(host_.Cursor(), platform::CursorShape::Arrow);
  int x = -1, y = -1;
  host_.GetCursorPos(x, y);
  EXPECT_EQ(x, 512);
  EXPECT_EQ(y, 384);
  EXPECT_EQ(Viewport, (TViewport{0, 0, 1023, 767}));
  EXPECT_EQ(ApplicationID, "Corvala test");
}

TEST_F(DisplayTest, FlipPresentsTheBufferAsItIsAndKeepsIt) {
  SetColor(10, 20, 30, 0);
  FillRectangle(0, 0, 1, 0);
  Flip();
  EXPECT_EQ(host_.FrameCount(), 2u);
  EXPECT_EQ(host_.Frame()[0], 30);
  EXPECT_EQ(host_.Frame()[1], 20);
  EXPECT_EQ(host_.Frame()[2], 10);
  EXPECT_EQ(host_.Frame()[4], 30);
  EXPECT_EQ(PixelAt(0, 0).R, 10) << "presenting must not clear the virtual screen";
}

TEST_F(DisplayTest, ViewportIsClampedToTheScreenButNeverReordered) {
  SetViewport(-10, -10, 5000, 5000);
  EXPECT_EQ(Viewport, (TViewport{0, 0, 1023, 767}));
  SetViewport(100, 50, 20, 80);
  EXPECT_EQ(Viewport, (TViewport{100, 50, 20, 80}));
  SetViewport(3, 4, 5, 6);
  EXPECT_EQ(Viewport, (TViewport{3, 4, 5, 6}));
}

TEST_F(DisplayTest, ReversedViewportMakesEveryPrimitiveDrawNothing) {
  SetViewport(100, 50, 20, 80);
  SetColor(255, 255, 255, 0);
  Pixel(50, 60);
  Line(0, 0, 1023, 767);
  Circle(60, 60, 30);
  Circle(60, 60, 30, 5);
  FillCircle(60, 60, 30);
  Rectangle(10, 10, 200, 200, 3);
  FillRectangle(0, 0, 1023, 767);
  EXPECT_TRUE(TouchedPixels().empty());
}

TEST_F(DisplayTest, SetColorTakesRedGreenBlueAlphaIntoTheBgraRecord) {
  SetColor(1, 2, 3, 4);
  EXPECT_EQ(Color.B, 3);
  EXPECT_EQ(Color.G, 2);
  EXPECT_EQ(Color.R, 1);
  EXPECT_EQ(Color.Alpha, 4);
}

TEST_F(DisplayTest, ClearZeroesEveryByte) {
  std::memset(VirtualScreen, 0xA5, SCREEN_BYTES);
  ClearVirtualScreen();
  const std::vector<uint8_t> screen = Screen();
  EXPECT_TRUE(std::all_of(screen.begin(), screen.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(DisplayTest, AvailableMemorySaturatesAtTheLargestSigned32BitValue) {
  host_.SetAvailableMemory(123456);
  EXPECT_EQ(GetAvailRamMemory(), 123456);
  host_.SetAvailableMemory(uint64_t{1} << 31);
  EXPECT_EQ(GetAvailRamMemory(), std::numeric_limits<int32_t>::max());
  host_.SetAvailableMemory(uint64_t{64} << 30);
  EXPECT_EQ(GetAvailRamMemory(), std::numeric_limits<int32_t>::max());
  host_.SetAvailableMemory(0);
  EXPECT_EQ(GetAvailRamMemory(), 0);
}

TEST_F(DisplayTest, ReopeningStartsFromABlackScreenAgain) {
  SetColor(255, 255, 255, 0);
  FillRectangle(0, 0, 1023, 767);
  CloseRastrix();
  EXPECT_FALSE(host_.DisplayOpen());
  InitRastrix("again");
  EXPECT_TRUE(TouchedPixels().empty());
  EXPECT_EQ(host_.Title(), "again");
}
