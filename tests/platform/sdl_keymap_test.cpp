#include "platform/sdl_keymap.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/vk.h"

namespace platform {
namespace {

std::map<int, std::set<int>> CodesToScancodes() {
  std::map<int, std::set<int>> map;
  for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc)
    if (int code = VirtualKeyFromScancode(static_cast<SDL_Scancode>(sc)); code != 0) map[code].insert(sc);
  return map;
}

TEST(SdlKeymap, FollowsSlovakQwertzPositions) {
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_Y), 'Z');
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_Z), 'Y');
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_A), 'A');
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_X), 'X');
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_1), '1');
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_0), '0');
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_GRAVE), vk::OEM_3);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_MINUS), vk::OEM_2);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_EQUALS), vk::OEM_8);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_LEFTBRACKET), vk::OEM_4);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_RIGHTBRACKET), vk::OEM_6);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_SEMICOLON), vk::OEM_1);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_APOSTROPHE), vk::OEM_7);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_BACKSLASH), vk::OEM_5);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_SLASH), vk::OEM_MINUS);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_NONUSBACKSLASH), vk::OEM_102);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_0), vk::NUMPAD0);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_9), vk::NUMPAD0 + 9);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_PERIOD), vk::DECIMAL);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F12), vk::F1 + 11);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F24), vk::F1 + 23);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_PRINTSCREEN), 44);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_AUDIONEXT), 0);
}

TEST(SdlKeymap, NumericPadFollowsNumLock) {
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_7, true), vk::NUMPAD0 + 7);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_7, false), vk::HOME);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_3, false), vk::NEXT);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_0, false), vk::INSERT);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_PERIOD, false), vk::DELETE_);
  // The operator keys and Enter do not depend on it.
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_PLUS, false), vk::ADD);
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_KP_ENTER, false), vk::RETURN);
  // Nor do the keys outside the pad.
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_7, false), '7');
  EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_HOME, false), vk::HOME);
}

TEST(SdlKeymap, EveryKeyTheEditFieldTypesIsReachable) {
  std::set<int> typed = {vk::SHIFT, vk::LEFT, vk::RIGHT, vk::HOME, vk::END, vk::DELETE_, vk::BACK, vk::SPACE,
                         vk::OEM_3, vk::OEM_2, vk::OEM_8, vk::OEM_4, vk::OEM_6, vk::OEM_1, vk::OEM_7, vk::OEM_5,
                         vk::OEM_COMMA, vk::OEM_PERIOD, vk::OEM_MINUS, vk::RETURN, vk::TAB, vk::ESCAPE};
  for (int c = 'A'; c <= 'Z'; ++c) typed.insert(c);
  for (int c = '0'; c <= '9'; ++c) typed.insert(c);
  for (int c = vk::NUMPAD0; c <= vk::DIVIDE; ++c) typed.insert(c);
  const auto map = CodesToScancodes();
  for (int code : typed) {
    if (code == vk::SHIFT) continue;  // reported through the left and right Shift keys
    EXPECT_TRUE(map.count(code)) << "no physical key gives " << code;
  }
}

TEST(SdlKeymap, NoTwoKeysShareACodeExceptKnownTwins) {
  for (const auto& [code, scancodes] : CodesToScancodes()) {
    if (scancodes.size() == 1) continue;
    // Both Enter keys are RETURN; the key beside Enter has two scancodes on ISO boards.
    const bool twin = (code == vk::RETURN && scancodes == std::set<int>{SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER}) ||
                      (code == vk::OEM_5 && scancodes == std::set<int>{SDL_SCANCODE_BACKSLASH, SDL_SCANCODE_NONUSHASH});
    EXPECT_TRUE(twin) << "code " << code << " comes from " << scancodes.size() << " keys";
  }
}

TEST(SdlKeymap, ModifiersAlsoReportTheirGenericCode) {
  EXPECT_EQ(GenericModifier(VirtualKeyFromScancode(SDL_SCANCODE_LSHIFT)), vk::SHIFT);
  EXPECT_EQ(GenericModifier(VirtualKeyFromScancode(SDL_SCANCODE_RSHIFT)), vk::SHIFT);
  EXPECT_EQ(GenericModifier(VirtualKeyFromScancode(SDL_SCANCODE_LCTRL)), vk::CONTROL);
  EXPECT_EQ(GenericModifier(VirtualKeyFromScancode(SDL_SCANCODE_RCTRL)), vk::CONTROL);
  EXPECT_EQ(GenericModifier(VirtualKeyFromScancode(SDL_SCANCODE_LALT)), vk::MENU);
  EXPECT_EQ(GenericModifier(VirtualKeyFromScancode(SDL_SCANCODE_RALT)), vk::MENU);
  EXPECT_EQ(GenericModifier('A'), 0);
  EXPECT_EQ(GenericModifier(vk::SHIFT), 0);
}

}  // namespace
}  // namespace platform
