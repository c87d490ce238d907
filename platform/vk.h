#pragma once
// Windows virtual-key codes: the program's key arrays are indexed by them on
// every platform, so the backends translate their native keys into these.

#include <optional>
#include <string_view>

namespace vk {

inline constexpr int LBUTTON = 0x01, RBUTTON = 0x02, MBUTTON = 0x04;
inline constexpr int BACK = 0x08, TAB = 0x09, RETURN = 0x0D;
inline constexpr int SHIFT = 0x10, CONTROL = 0x11, MENU = 0x12, PAUSE = 0x13, CAPITAL = 0x14;
inline constexpr int ESCAPE = 0x1B, SPACE = 0x20, PRIOR = 0x21, NEXT = 0x22, END = 0x23, HOME = 0x24;
inline constexpr int LEFT = 0x25, UP = 0x26, RIGHT = 0x27, DOWN = 0x28;
inline constexpr int SNAPSHOT = 0x2C, INSERT = 0x2D, DELETE_ = 0x2E;
inline constexpr int KEY_0 = 0x30;  // '0'..'9' are 0x30..0x39
inline constexpr int KEY_A = 0x41;  // 'A'..'Z' are 0x41..0x5A
inline constexpr int NUMPAD0 = 0x60;  // NUMPAD0..NUMPAD9 are 0x60..0x69
inline constexpr int MULTIPLY = 0x6A, ADD = 0x6B, SEPARATOR = 0x6C, SUBTRACT = 0x6D, DECIMAL = 0x6E, DIVIDE = 0x6F;
inline constexpr int F1 = 0x70;  // F1..F12 are 0x70..0x7B
inline constexpr int NUMLOCK = 0x90, SCROLL = 0x91;
inline constexpr int LSHIFT = 0xA0, RSHIFT = 0xA1, LCONTROL = 0xA2, RCONTROL = 0xA3, LMENU = 0xA4, RMENU = 0xA5;
inline constexpr int OEM_1 = 0xBA, OEM_PLUS = 0xBB, OEM_COMMA = 0xBC, OEM_MINUS = 0xBD, OEM_PERIOD = 0xBE;
inline constexpr int OEM_2 = 0xBF, OEM_3 = 0xC0, OEM_4 = 0xDB, OEM_5 = 0xDC, OEM_6 = 0xDD, OEM_7 = 0xDE, OEM_8 = 0xDF;
inline constexpr int OEM_102 = 0xE2;

// "LBUTTON", "F5", "OEM_PLUS", "A", "7" ... (the name without the VK_ prefix).
std::optional<int> FromName(std::string_view name);

}  // namespace vk
