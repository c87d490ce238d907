#include "platform/sdl_keymap.h"

#include <span>

#include "platform/vk.h"

namespace platform {

namespace {

struct KeyOfScancode {
  SDL_Scancode scancode;
  int key;
};

// The numeric keypad's keys while NumLock is off.
constexpr KeyOfScancode kKeypadWithoutNumLock[] = {
    {SDL_SCANCODE_KP_7, vk::HOME},
    {SDL_SCANCODE_KP_8, vk::UP},
    {SDL_SCANCODE_KP_9, vk::PRIOR},
    {SDL_SCANCODE_KP_4, vk::LEFT},
    {SDL_SCANCODE_KP_5, 0x0C},  // CLEAR
    {SDL_SCANCODE_KP_6, vk::RIGHT},
    {SDL_SCANCODE_KP_1, vk::END},
    {SDL_SCANCODE_KP_2, vk::DOWN},
    {SDL_SCANCODE_KP_3, vk::NEXT},
    {SDL_SCANCODE_KP_0, vk::INSERT},
    {SDL_SCANCODE_KP_PERIOD, vk::DELETE_},
};

// Keys outside the runs of letters, digits, function keys and keypad digits.
constexpr KeyOfScancode kSingleKeys[] = {
    {SDL_SCANCODE_0, '0'},
    {SDL_SCANCODE_RETURN, vk::RETURN},
    {SDL_SCANCODE_ESCAPE, vk::ESCAPE},
    {SDL_SCANCODE_BACKSPACE, vk::BACK},
    {SDL_SCANCODE_TAB, vk::TAB},
    {SDL_SCANCODE_SPACE, vk::SPACE},

    // The Slovak layout's punctuation keys, by position.
    {SDL_SCANCODE_GRAVE, vk::OEM_3},  // ; °
    {SDL_SCANCODE_MINUS, vk::OEM_2},  // = %
    {SDL_SCANCODE_EQUALS, vk::OEM_8},  // acute and caron dead key
    {SDL_SCANCODE_LEFTBRACKET, vk::OEM_4},  // ú /
    {SDL_SCANCODE_RIGHTBRACKET, vk::OEM_6},  // ä (
    {SDL_SCANCODE_SEMICOLON, vk::OEM_1},  // ô "
    {SDL_SCANCODE_APOSTROPHE, vk::OEM_7},  // § !
    {SDL_SCANCODE_BACKSLASH, vk::OEM_5},  // ň )
    {SDL_SCANCODE_NONUSHASH, vk::OEM_5},  // the same key on some ISO boards
    {SDL_SCANCODE_COMMA, vk::OEM_COMMA},  // , ?
    {SDL_SCANCODE_PERIOD, vk::OEM_PERIOD},  // . :
    {SDL_SCANCODE_SLASH, vk::OEM_MINUS},  // - _
    {SDL_SCANCODE_NONUSBACKSLASH, vk::OEM_102},  // & *

    {SDL_SCANCODE_CAPSLOCK, vk::CAPITAL},
    {SDL_SCANCODE_PRINTSCREEN, vk::SNAPSHOT},
    {SDL_SCANCODE_SCROLLLOCK, vk::SCROLL},
    {SDL_SCANCODE_PAUSE, vk::PAUSE},
    {SDL_SCANCODE_INSERT, vk::INSERT},
    {SDL_SCANCODE_HOME, vk::HOME},
    {SDL_SCANCODE_PAGEUP, vk::PRIOR},
    {SDL_SCANCODE_DELETE, vk::DELETE_},
    {SDL_SCANCODE_END, vk::END},
    {SDL_SCANCODE_PAGEDOWN, vk::NEXT},
    {SDL_SCANCODE_RIGHT, vk::RIGHT},
    {SDL_SCANCODE_LEFT, vk::LEFT},
    {SDL_SCANCODE_DOWN, vk::DOWN},
    {SDL_SCANCODE_UP, vk::UP},

    {SDL_SCANCODE_NUMLOCKCLEAR, vk::NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, vk::DIVIDE},
    {SDL_SCANCODE_KP_MULTIPLY, vk::MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, vk::SUBTRACT},
    {SDL_SCANCODE_KP_PLUS, vk::ADD},
    {SDL_SCANCODE_KP_ENTER, vk::RETURN},
    {SDL_SCANCODE_KP_0, vk::NUMPAD0},
    {SDL_SCANCODE_KP_PERIOD, vk::DECIMAL},
    {SDL_SCANCODE_KP_COMMA, vk::SEPARATOR},

    {SDL_SCANCODE_APPLICATION, 0x5D},  // the context-menu key
    {SDL_SCANCODE_LGUI, 0x5B},
    {SDL_SCANCODE_RGUI, 0x5C},
    {SDL_SCANCODE_LCTRL, vk::LCONTROL},
    {SDL_SCANCODE_LSHIFT, vk::LSHIFT},
    {SDL_SCANCODE_LALT, vk::LMENU},
    {SDL_SCANCODE_RCTRL, vk::RCONTROL},
    {SDL_SCANCODE_RSHIFT, vk::RSHIFT},
    {SDL_SCANCODE_RALT, vk::RMENU},
};

int Find(std::span<const KeyOfScancode> table, SDL_Scancode sc) {
  for (const KeyOfScancode& entry : table)
    if (entry.scancode == sc) return entry.key;
  return 0;
}

}  // namespace

int VirtualKeyFromScancode(SDL_Scancode sc, bool num_lock) {
  if (!num_lock) {
    if (const int key = Find(kKeypadWithoutNumLock, sc)) return key;
  }
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) {
    // QWERTZ: the keys in the Y and Z positions of a US board swap.
    if (sc == SDL_SCANCODE_Y) return 'Z';
    if (sc == SDL_SCANCODE_Z) return 'Y';
    return vk::KEY_A + (sc - SDL_SCANCODE_A);
  }
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return vk::F1 + (sc - SDL_SCANCODE_F1);
  if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24) return vk::F1 + 12 + (sc - SDL_SCANCODE_F13);
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return vk::NUMPAD0 + 1 + (sc - SDL_SCANCODE_KP_1);
  return Find(kSingleKeys, sc);
}

int GenericModifier(int code) {
  switch (code) {
    case vk::LSHIFT:
    case vk::RSHIFT: return vk::SHIFT;
    case vk::LCONTROL:
    case vk::RCONTROL: return vk::CONTROL;
    case vk::LMENU:
    case vk::RMENU: return vk::MENU;
    default: return 0;
  }
}

}  // namespace platform
