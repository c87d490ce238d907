#include "tools/fnt_writer/fnt_writer.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fnt_writer {
namespace {

void Put8(std::vector<uint8_t>& out, size_t at, uint8_t v) { out[at] = v; }

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

size_t ByteColumns(uint16_t width) { return (width + 7u) / 8u; }

// Packs one glyph into byte columns: each column holds pix_height rows from the
// top, the most significant bit being the column's leftmost pixel.
void PackGlyph(const Glyph& g, uint16_t height, std::vector<uint8_t>& out) {
  const size_t columns = ByteColumns(g.width);
  const size_t start = out.size();
  out.resize(start + columns * height, 0);
  if (g.pixels.empty()) return;
  for (size_t y = 0; y < height; ++y)
    for (size_t x = 0; x < g.width; ++x)
      if (g.pixels[y * g.width + x] != 0)
        out[start + (x / 8) * height + y] |= static_cast<uint8_t>(0x80u >> (x % 8));
}

}  // namespace

std::vector<uint8_t> Write(const Face& face) {
  using namespace offsets;
  assert(face.version == 0x200 || face.version == 0x300);
  assert(face.first_char <= face.last_char);
  const size_t count = size_t(face.last_char) - face.first_char + 1;
  assert(face.glyphs.size() == count);
  for (const Glyph& g : face.glyphs)
    assert(g.pixels.empty() || g.pixels.size() == size_t(g.width) * face.pix_height);

  const bool v3 = face.version == 0x300;
  const size_t header = v3 ? kHeader3 : kHeader2;
  const size_t entry = v3 ? 6 : 4;

  uint32_t max_width = 0, sum_width = 0, width_bytes = 0;
  for (const Glyph& g : face.glyphs) {
    max_width = std::max<uint32_t>(max_width, g.width);
    sum_width += g.width;
    width_bytes += static_cast<uint32_t>(ByteColumns(g.width));
  }
  // The average width follows the convention of the lowercase x when the face has one.
  uint16_t avg_width = static_cast<uint16_t>((sum_width + count / 2) / count);
  if (face.pix_width != 0) avg_width = face.pix_width;
  else if (face.first_char <= 'x' && 'x' <= face.last_char && face.glyphs['x' - face.first_char].width)
    avg_width = face.glyphs['x' - face.first_char].width;

  // Bitmaps: every glyph, then the blank sentinel ("absolute space") of the average width.
  std::vector<uint8_t> bits;
  std::vector<uint32_t> glyph_offsets;
  const size_t bits_offset = header + entry * (count + 1);
  for (const Glyph& g : face.glyphs) {
    glyph_offsets.push_back(static_cast<uint32_t>(bits_offset + bits.size()));
    PackGlyph(g, face.pix_height, bits);
  }
  Glyph sentinel{avg_width, {}};
  glyph_offsets.push_back(static_cast<uint32_t>(bits_offset + bits.size()));
  PackGlyph(sentinel, face.pix_height, bits);

  if (!v3 && bits_offset + bits.size() > 0x10000) return {};

  const size_t face_offset = bits_offset + bits.size();
  const size_t total = face_offset + face.face_name.size() + 1;
  if (total > UINT32_MAX) return {};

  std::vector<uint8_t> out(total, 0);
  Put16(out, kVersion, face.version);
  Put32(out, kSize, static_cast<uint32_t>(total));
  std::copy_n(face.copyright.begin(), std::min<size_t>(face.copyright.size(), 60),
              out.begin() + kCopyright);
  Put16(out, kType, 0);  // raster font, bitmaps in the file
  Put16(out, kPoints, face.points);
  Put16(out, kVertRes, face.vert_res);
  Put16(out, kHorizRes, face.horiz_res);
  Put16(out, kAscent, face.ascent);
  Put16(out, kInternalLeading, face.internal_leading);
  Put16(out, kExternalLeading, face.external_leading);
  Put8(out, kItalic, face.italic ? 1 : 0);
  Put8(out, kUnderline, 0);
  Put8(out, kStrikeOut, 0);
  Put16(out, kWeight, face.weight);
  Put8(out, kCharSet, face.charset);
  Put16(out, kPixWidth, face.pix_width);
  Put16(out, kPixHeight, face.pix_height);
  // In FNT files the low bit set means variable pitch.
  Put8(out, kPitchAndFamily, static_cast<uint8_t>((face.family & 0xF0) | (face.pix_width == 0 ? 1 : 0)));
  Put16(out, kAvgWidth, avg_width);
  Put16(out, kMaxWidth, static_cast<uint16_t>(max_width));
  Put8(out, kFirstChar, face.first_char);
  Put8(out, kLastChar, face.last_char);
  Put8(out, kDefaultChar, face.default_char);
  Put8(out, kBreakChar, face.break_char);
  Put16(out, kWidthBytes, static_cast<uint16_t>(std::min<uint32_t>((width_bytes + 1) & ~1u, 0xFFFF)));
  Put32(out, kDevice, 0);
  Put32(out, kFace, static_cast<uint32_t>(face_offset));
  Put32(out, kBitsPointer, 0);
  Put32(out, kBitsOffset, static_cast<uint32_t>(bits_offset));
  Put8(out, kReserved, 0);
  if (v3) {
    constexpr uint32_t kFixed = 0x01, kProportional = 0x02, kOneColor = 0x10;
    Put32(out, kFlags, (face.pix_width != 0 ? kFixed : kProportional) | kOneColor);
    // dfAspace, dfBspace, dfCspace, dfColorPointer and dfReserved1 stay zero.
  }

  for (size_t i = 0; i <= count; ++i) {
    const size_t at = header + entry * i;
    const uint16_t width = i < count ? face.glyphs[i].width : sentinel.width;
    Put16(out, at, width);
    if (v3) Put32(out, at + 2, glyph_offsets[i]);
    else Put16(out, at + 2, static_cast<uint16_t>(glyph_offsets[i]));
  }
  std::copy(bits.begin(), bits.end(), out.begin() + bits_offset);
  std::copy(face.face_name.begin(), face.face_name.end(), out.begin() + face_offset);
  return out;
}

bool WriteFile(const Face& face, const std::string& path) {
  const std::vector<uint8_t> bytes = Write(face);
  if (bytes.empty()) return false;
  // Written beside the target and renamed over it, so that a failed write never
  // leaves a truncated font where a good one was.
  const std::string temp = path + ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  // std::filesystem::rename replaces an existing target on Windows too,
  // where std::rename refuses to.
  std::error_code error;
  if (std::fclose(f) != 0 || !written || (std::filesystem::rename(temp, path, error), error)) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace fnt_writer
