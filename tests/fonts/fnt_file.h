#pragma once
// An independent reader of FNT files for the font tests: it checks the layout
// the writer produced without going through the program's loader.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fonts_test {

struct FntFile {
  std::vector<uint8_t> bytes;
  uint16_t version = 0;
  uint16_t pix_width = 0;
  uint16_t pix_height = 0;
  uint16_t ascent = 0;
  uint8_t first = 0;
  uint8_t last = 0;
  uint8_t default_char = 0;
  uint8_t break_char = 0;
  uint32_t bits_offset = 0;

  size_t HeaderSize() const { return version == 0x300 ? 148 : 118; }
  size_t EntrySize() const { return version == 0x300 ? 6 : 4; }
  uint16_t U16(size_t at) const { return uint16_t(bytes.at(at) | bytes.at(at + 1) << 8); }
  uint32_t U32(size_t at) const { return U16(at) | uint32_t(U16(at + 2)) << 16; }

  // Table entry `index` (0 = first_char; count = the sentinel).
  uint16_t EntryWidth(size_t index) const { return U16(HeaderSize() + EntrySize() * index); }
  uint32_t EntryOffset(size_t index) const;

  uint16_t Width(uint8_t code) const { return EntryWidth(code - first); }
  bool Ink(uint8_t code, int x, int y) const;
  bool HasInk(uint8_t code) const;
  // Topmost and bottommost rows holding ink; nothing for a blank glyph.
  std::optional<int> TopRow(uint8_t code) const;
  std::optional<int> BottomRow(uint8_t code) const;
};

// Parses the header; nothing when the file is shorter than its header.
std::optional<FntFile> ParseFnt(std::vector<uint8_t> bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);

}  // namespace fonts_test
