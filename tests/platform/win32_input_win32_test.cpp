// The Win32 backend's typed text and wheel, its window procedure fed the
// messages directly: no window is made, so nothing waits on a desktop.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32_backend.h"

namespace platform {
namespace {

TEST(Win32Input, TypedCharactersBecomeWindows1250AndTheWheelCountsWholeNotches) {
  Win32Backend backend;
  auto send = [&](UINT message, WPARAM wparam) { backend.HandleMessage(nullptr, message, wparam, 0); };
  for (wchar_t c : {L'a', L'\x010D', L'\x20AC', L'\x4E2D', L'\b', L'\x017E'}) send(WM_CHAR, c);
  std::string typed = "left over";
  backend.TakeTypedText(typed);
  EXPECT_EQ(typed, "a\xE8\x80\x9E");  // č, €, ž; the CJK character and Backspace dropped
  backend.TakeTypedText(typed);
  EXPECT_EQ(typed, "");

  send(WM_MOUSEWHEEL, MAKEWPARAM(0, 180));
  EXPECT_EQ(backend.TakeWheelNotches(), 1);
  send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-420)));
  EXPECT_EQ(backend.TakeWheelNotches(), -3);  // 60 - 420 = -360
  EXPECT_EQ(backend.TakeWheelNotches(), 0);
}

}  // namespace
}  // namespace platform
