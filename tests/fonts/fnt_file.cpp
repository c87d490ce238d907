#include "fnt_file.h"

#include <fstream>
#include <iterator>

namespace fonts_test {

uint32_t FntFile::EntryOffset(size_t index) const {
  const size_t at = HeaderSize() + EntrySize() * index + 2;
  return version == 0x300 ? U32(at) : U16(at);
}

bool FntFile::Ink(uint8_t code, int x, int y) const {
  const size_t index = code - first;
  const size_t at = EntryOffset(index) + size_t(x / 8) * pix_height + y;
  return (bytes.at(at) & (0x80 >> (x % 8))) != 0;
}

bool FntFile::HasInk(uint8_t code) const { return TopRow(code).has_value(); }

std::optional<int> FntFile::TopRow(uint8_t code) const {
  for (int y = 0; y < pix_height; ++y)
    for (int x = 0; x < Width(code); ++x)
      if (Ink(code, x, y)) return y;
  return std::nullopt;
}

std::optional<int> FntFile::BottomRow(uint8_t code) const {
  for (int y = pix_height - 1; y >= 0; --y)
    for (int x = 0; x < Width(code); ++x)
      if (Ink(code, x, y)) return y;
  return std::nullopt;
}

std::optional<FntFile> ParseFnt(std::vector<uint8_t> bytes) {
  FntFile f;
  f.bytes = std::move(bytes);
  if (f.bytes.size() < 118) return std::nullopt;
  f.version = f.U16(0);
  if (f.bytes.size() < f.HeaderSize()) return std::nullopt;
  f.ascent = f.U16(74);
  f.pix_width = f.U16(86);
  f.pix_height = f.U16(88);
  f.first = f.bytes[95];
  f.last = f.bytes[96];
  f.default_char = f.bytes[97];
  f.break_char = f.bytes[98];
  f.bits_offset = f.U32(113);
  return f;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace fonts_test
