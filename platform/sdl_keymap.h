#pragma once
// Physical keys (SDL scancodes, named after the US layout positions) to the
// Windows virtual-key codes that a Slovak QWERTZ keyboard reports for the same
// keys. The program translates key codes into characters itself, with the
// Slovak layout in mind, so the codes must follow physical positions and not
// the layout the desktop happens to use.

#include <SDL2/SDL_scancode.h>

namespace platform {

// The virtual-key code, or 0 for keys the program cannot see. With Num Lock
// off the digit and decimal keys of the numeric pad are the navigation keys
// printed on them, as on Windows.
int VirtualKeyFromScancode(SDL_Scancode scancode, bool num_lock = true);

// SHIFT, CONTROL or MENU for the left and right variants of those keys
// (LSHIFT ... RMENU), 0 for every other code.
int GenericModifier(int vk);

}  // namespace platform
