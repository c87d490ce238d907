// The Win32 backend's reading of window messages: the messages are sent to
// its window as Windows would send them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vk.h"
#include "platform/win32_backend.h"

namespace platform {
namespace {

class Win32BackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_.SetWindowed(true);
    backend_.OpenDisplay("Skúška", 64, 48);
    if (!backend_.HasWindow()) GTEST_SKIP() << "no window can be made here";
    window_ = FindWindowW(L"CorvalaWindow", nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { backend_.CloseDisplay(); }
  void Send(UINT message, WPARAM wparam, LPARAM lparam) { SendMessageW(window_, message, wparam, lparam); }
  static LPARAM KeyBits(UINT scancode, bool up, bool extended = false) {
    return static_cast<LPARAM>(1 | scancode << 16 | (extended ? 1u << 24 : 0) | (up ? 3u << 30 : 0));
  }
  Win32Backend backend_;
  HWND window_ = nullptr;
};

TEST_F(Win32BackendTest, KeysModifiersAndPrintScreenAreReadAsTheProgramExpects) {
  Send(WM_KEYDOWN, VK_SHIFT, KeyBits(0x36, false));  // the right Shift
  EXPECT_TRUE(backend_.KeyDown(vk::RSHIFT));
  EXPECT_TRUE(backend_.KeyDown(vk::SHIFT));
  EXPECT_FALSE(backend_.KeyDown(vk::LSHIFT));
  Send(WM_KEYUP, VK_SHIFT, KeyBits(0x36, true));
  EXPECT_FALSE(backend_.KeyDown(vk::SHIFT));

  // AltGr arrives as the right Alt (extended); a tap between two frames counts once.
  Send(WM_SYSKEYDOWN, VK_MENU, KeyBits(0x38, false, true));
  Send(WM_SYSKEYUP, VK_MENU, KeyBits(0x38, true, true));
  EXPECT_TRUE(backend_.KeyDown(vk::RMENU));
  EXPECT_FALSE(backend_.KeyDown(vk::RMENU));

  // Windows reports Print Screen by its release alone.
  Send(WM_KEYUP, VK_SNAPSHOT, KeyBits(0x37, true, true));
  EXPECT_TRUE(backend_.KeyDown(vk::SNAPSHOT));
  EXPECT_FALSE(backend_.KeyDown(vk::SNAPSHOT));

  Send(WM_CLOSE, 0, 0);
  EXPECT_TRUE(backend_.TakeCloseRequest());
  EXPECT_FALSE(backend_.TakeCloseRequest());
}

TEST_F(Win32BackendTest, TypedCharactersBecomeWindows1250AndTheWheelCountsWholeNotches) {
  for (wchar_t c : {L'a', L'\x010D', L'\x20AC', L'\x4E2D', L'\b', L'\x017E'}) Send(WM_CHAR, c, 1);
  std::string typed = "left over";
  backend_.TakeTypedText(typed);
  EXPECT_EQ(typed, "a\xE8\x80\x9E");  // č, €, ž; the CJK character and Backspace dropped
  backend_.TakeTypedText(typed);
  EXPECT_EQ(typed, "");

  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 180), 0);
  EXPECT_EQ(backend_.TakeWheelNotches(), 1);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-420)), 0);
  EXPECT_EQ(backend_.TakeWheelNotches(), -3);  // 60 - 420 = -360
  EXPECT_EQ(backend_.TakeWheelNotches(), 0);
}

TEST_F(Win32BackendTest, OnlyChangedFramesAreShownAndThePointerMapsToFramePixels) {
  std::vector<uint8_t> frame(64 * 48 * 4, 0x20);
  backend_.Present(frame.data());
  backend_.Present(frame.data());
  EXPECT_EQ(backend_.ShownCount(), 1u);
  frame[4 * (64 * 30 + 5)] = 0xFF;
  backend_.Present(frame.data());
  EXPECT_EQ(backend_.ShownCount(), 2u);

  // The window is the frame scaled by a whole factor; a window pixel maps to
  // the frame pixel it shows.
  RECT client{};
  GetClientRect(window_, &client);
  const int scale = client.right / 64;
  ASSERT_GE(scale, 1);
  Send(WM_MOUSEMOVE, 0, MAKELPARAM(10 * scale + scale - 1, 47 * scale));
  int x = -1, y = -1;
  backend_.GetCursorPos(x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 47);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
  EXPECT_TRUE(backend_.KeyDown(vk::LBUTTON));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
  EXPECT_FALSE(backend_.KeyDown(vk::LBUTTON));
}

}  // namespace
}  // namespace platform
