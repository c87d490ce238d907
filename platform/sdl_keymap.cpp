#include "platform/sdl_keymap.h"

#include "platform/vk.h"

namespace platform {

int VirtualKeyFromScancode(SDL_Scancode sc, bool num_lock) {
  if (!num_lock) {
    switch (sc) {
      case SDL_SCANCODE_KP_7: return vk::HOME;
      case SDL_SCANCODE_KP_8: return vk::UP;
      case SDL_SCANCODE_KP_9: return vk::PRIOR;
      case SDL_SCANCODE_KP_4: return vk::LEFT;
      case SDL_SCANCODE_KP_5: return 0x0C;  // CLEAR
      case SDL_SCANCODE_KP_6: return vk::RIGHT;
      case SDL_SCANCODE_KP_1: return vk::END;
      case SDL_SCANCODE_KP_2: return vk::DOWN;
      case SDL_SCANCODE_KP_3: return vk::NEXT;
      case SDL_SCANCODE_KP_0: return vk::INSERT;
      case SDL_SCANCODE_KP_PERIOD: return vk::DELETE_;
      default: break;
    }
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

  switch (sc) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_RETURN: return vk::RETURN;
    case SDL_SCANCODE_ESCAPE: return vk::ESCAPE;
    case SDL_SCANCODE_BACKSPACE: return vk::BACK;
    case SDL_SCANCODE_TAB: return vk::TAB;
    case SDL_SCANCODE_SPACE: return vk::SPACE;

    // The Slovak layout's punctuation keys, by position.
    case SDL_SCANCODE_GRAVE: return vk::OEM_3;          // ; °
    case SDL_SCANCODE_MINUS: return vk::OEM_2;          // = %
    case SDL_SCANCODE_EQUALS: return vk::OEM_8;         // acute and caron dead key
    case SDL_SCANCODE_LEFTBRACKET: return vk::OEM_4;    // ú /
    case SDL_SCANCODE_RIGHTBRACKET: return vk::OEM_6;   // ä (
    case SDL_SCANCODE_SEMICOLON: return vk::OEM_1;      // ô "
    case SDL_SCANCODE_APOSTROPHE: return vk::OEM_7;     // § !
    case SDL_SCANCODE_BACKSLASH: return vk::OEM_5;      // ň )
    case SDL_SCANCODE_NONUSHASH: return vk::OEM_5;      // the same key on some ISO boards
    case SDL_SCANCODE_COMMA: return vk::OEM_COMMA;      // , ?
    case SDL_SCANCODE_PERIOD: return vk::OEM_PERIOD;    // . :
    case SDL_SCANCODE_SLASH: return vk::OEM_MINUS;      // - _
    case SDL_SCANCODE_NONUSBACKSLASH: return vk::OEM_102;  // & *

    case SDL_SCANCODE_CAPSLOCK: return vk::CAPITAL;
    case SDL_SCANCODE_PRINTSCREEN: return vk::SNAPSHOT;
    case SDL_SCANCODE_SCROLLLOCK: return vk::SCROLL;
    case SDL_SCANCODE_PAUSE: return vk::PAUSE;
    case SDL_SCANCODE_INSERT: return vk::INSERT;
    case SDL_SCANCODE_HOME: return vk::HOME;
    case SDL_SCANCODE_PAGEUP: return vk::PRIOR;
    case SDL_SCANCODE_DELETE: return vk::DELETE_;
    case SDL_SCANCODE_END: return vk::END;
    case SDL_SCANCODE_PAGEDOWN: return vk::NEXT;
    case SDL_SCANCODE_RIGHT: return vk::RIGHT;
    case SDL_SCANCODE_LEFT: return vk::LEFT;
    case SDL_SCANCODE_DOWN: return vk::DOWN;
    case SDL_SCANCODE_UP: return vk::UP;

    case SDL_SCANCODE_NUMLOCKCLEAR: return vk::NUMLOCK;
    case SDL_SCANCODE_KP_DIVIDE: return vk::DIVIDE;
    case SDL_SCANCODE_KP_MULTIPLY: return vk::MULTIPLY;
    case SDL_SCANCODE_KP_MINUS: return vk::SUBTRACT;
    case SDL_SCANCODE_KP_PLUS: return vk::ADD;
    case SDL_SCANCODE_KP_ENTER: return vk::RETURN;
    case SDL_SCANCODE_KP_0: return vk::NUMPAD0;
    case SDL_SCANCODE_KP_PERIOD: return vk::DECIMAL;
    case SDL_SCANCODE_KP_COMMA: return vk::SEPARATOR;

    case SDL_SCANCODE_APPLICATION: return 0x5D;  // the context-menu key
    case SDL_SCANCODE_LGUI: return 0x5B;
    case SDL_SCANCODE_RGUI: return 0x5C;
    case SDL_SCANCODE_LCTRL: return vk::LCONTROL;
    case SDL_SCANCODE_LSHIFT: return vk::LSHIFT;
    case SDL_SCANCODE_LALT: return vk::LMENU;
    case SDL_SCANCODE_RCTRL: return vk::RCONTROL;
    case SDL_SCANCODE_RSHIFT: return vk::RSHIFT;
    case SDL_SCANCODE_RALT: return vk::RMENU;
    default: return 0;
  }
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
