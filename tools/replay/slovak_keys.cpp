#include "tools/replay/slovak_keys.h"

#include <array>

namespace replay {

namespace {

constexpr uint8_t kAcuteKey = 187;  // the dead key: acute plain, caron with Shift

using Table = std::array<std::optional<std::vector<KeyStroke>>, 256>;

void Single(Table& t, unsigned char c, uint8_t key, bool shift) {
  // The first way found is kept: single keys are entered before dead-key pairs.
  if (!t[c]) t[c] = std::vector<KeyStroke>{{key, shift}};
}

void Accented(Table& t, unsigned char c, bool caron, uint8_t letter, bool capital) {
  if (!t[c]) t[c] = std::vector<KeyStroke>{{kAcuteKey, caron}, {letter, capital}};
}

Table Build() {
  Table t;
  Single(t, ' ', 32, false);
  // The digit row: accented letters plain, digits with Shift.
  constexpr unsigned char kDigitRow[10] = {0xE9, '+', 0xBE, 0x9A, 0xE8, 0x9D, 0x9E, 0xFD, 0xE1, 0xED};
  for (uint8_t i = 0; i < 10; ++i) {
    Single(t, kDigitRow[i], static_cast<uint8_t>(48 + i), false);
    Single(t, static_cast<unsigned char>('0' + i), static_cast<uint8_t>(48 + i), true);
  }
  for (uint8_t k = 'A'; k <= 'Z'; ++k) {
    Single(t, static_cast<unsigned char>(k + 32), k, false);
    Single(t, k, k, true);
  }
  // Punctuation keys: plain and shifted characters.
  struct Punct {
    uint8_t key;
    unsigned char plain, shifted;
  };
  constexpr Punct kPunct[] = {{186, 0xF4, '"'}, {188, ',', '?'}, {189, '-', '_'}, {190, '.', ':'},
                              {191, '=', '%'},  {192, ';', 0xB0}, {219, 0xFA, '/'}, {220, '\\', ')'},
                              {221, 0xE4, '('}, {222, 0xA7, '!'}};
  for (const Punct& p : kPunct) {
    Single(t, p.plain, p.key, false);
    Single(t, p.shifted, p.key, true);
  }
  // The numeric pad gives the arithmetic signs the main keys lack.
  constexpr uint8_t kPad[] = {106, 107, 108, 109, 110, 111};
  for (uint8_t key : kPad) Single(t, static_cast<unsigned char>(key - 64), key, false);

  // Dead keys: capital, small for each letter that has the mark.
  struct Mark {
    char letter;
    unsigned char capital, small;
  };
  constexpr Mark kAcute[] = {{'A', 0xC1, 0xE1}, {'C', 0xC6, 0xE6}, {'E', 0xC9, 0xE9}, {'I', 0xCD, 0xED},
                             {'L', 0xC5, 0xE5}, {'N', 0xD1, 0xF1}, {'O', 0xD3, 0xF3}, {'R', 0xC0, 0xE0},
                             {'S', 0x8C, 0x9C}, {'U', 0xDA, 0xFA}, {'Y', 0xDD, 0xFD}, {'Z', 0x8F, 0x9F}};
  constexpr Mark kCaron[] = {{'C', 0xC8, 0xE8}, {'D', 0xCF, 0xEF}, {'E', 0xCC, 0xEC}, {'L', 0xBC, 0xBE},
                             {'N', 0xD2, 0xF2}, {'R', 0xD8, 0xF8}, {'S', 0x8A, 0x9A}, {'T', 0x8D, 0x9D},
                             {'Z', 0x8E, 0x9E}};
  for (const Mark& m : kAcute) {
    Accented(t, m.capital, false, static_cast<uint8_t>(m.letter), true);
    Accented(t, m.small, false, static_cast<uint8_t>(m.letter), false);
  }
  for (const Mark& m : kCaron) {
    Accented(t, m.capital, true, static_cast<uint8_t>(m.letter), true);
    Accented(t, m.small, true, static_cast<uint8_t>(m.letter), false);
  }
  return t;
}

}  // namespace

std::optional<std::vector<KeyStroke>> KeysFor(unsigned char Character) {
  static const Table table = Build();
  return table[Character];
}

}  // namespace replay
