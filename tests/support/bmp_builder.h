#pragma once
// Builds BMP files byte by byte, independently of the program's own writer, so
// that loaders can be tested against files whose every byte is known. Pixels
// are given top row first; the builder stores them in the file's row order.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

struct Rgb {
  uint8_t b = 0, g = 0, r = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct BmpOptions {
  bool top_down = false;          // store a negative height and the top row first
  uint32_t info_size = 40;        // BITMAPINFOHEADER; larger versions add zero bytes
  uint32_t extra_gap = 0;         // bytes between the palette (or header) and the rows
  uint32_t palette_entries = 256; // 8-bit only; written as NumColorsUsed unless 256
  bool pad_last_row = true;       // some writers drop the last row's padding
};

// A 24-bit file of width x height pixels (pixels.size() == width * height).
std::vector<uint8_t> BuildBmp24(int32_t width, int32_t height, const std::vector<Rgb>& pixels,
                                const BmpOptions& options = {});
// An 8-bit file; indices.size() == width * height, palette.size() <= 256.
std::vector<uint8_t> BuildBmp8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                               const std::vector<uint8_t>& indices, const BmpOptions& options = {});

// Little-endian patching of header fields, for files broken on purpose.
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);

// Header field offsets from the start of the file.
namespace bmp_offsets {
inline constexpr size_t kFileSize = 2, kDataOffset = 10, kInfoSize = 14, kWidth = 18, kHeight = 22,
                        kPlanes = 26, kBitsPerPixel = 28, kCompression = 30, kSizeOfBitmap = 34,
                        kColorsUsed = 46, kPalette = 54;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);

}  // namespace test_support
