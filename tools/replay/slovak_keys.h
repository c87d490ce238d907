#pragma once
// How a Slovak QWERTZ keyboard, as the program's edit field reads it, types
// each Windows-1250 character: the keys in order, with Shift where needed and
// the acute and caron dead keys before accented letters.

#include <cstdint>
#include <optional>
#include <vector>

namespace replay {

struct KeyStroke {
  uint8_t Key = 0;     // Windows virtual-key code
  bool Shift = false;  // held while the key goes down and up
};

// The keys for one Windows-1250 character, or nothing when the layout cannot
// type it.
std::optional<std::vector<KeyStroke>> KeysFor(unsigned char Character);

}  // namespace replay
