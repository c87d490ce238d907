#include "tests/support/bmp_builder.h"

#include <cassert>
#include <cstdio>

namespace test_support {
namespace {

std::vector<uint8_t> Headers(int32_t width, int32_t height, uint16_t bits, uint32_t palette_entries,
                             const BmpOptions& o, size_t row_stride) {
  assert(o.info_size >= 40);
  const uint32_t rows = static_cast<uint32_t>(height < 0 ? -int64_t{height} : height);
  const uint32_t data_offset = 14 + o.info_size + palette_entries * 4 + o.extra_gap;
  const uint32_t image_bytes = static_cast<uint32_t>(rows * row_stride);
  std::vector<uint8_t> out(data_offset, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, bmp_offsets::kFileSize, data_offset + image_bytes);
  Put32(out, bmp_offsets::kDataOffset, data_offset);
  Put32(out, bmp_offsets::kInfoSize, o.info_size);
  Put32(out, bmp_offsets::kWidth, static_cast<uint32_t>(width));
  Put32(out, bmp_offsets::kHeight, static_cast<uint32_t>(o.top_down ? -height : height));
  Put16(out, bmp_offsets::kPlanes, 1);
  Put16(out, bmp_offsets::kBitsPerPixel, bits);
  Put32(out, bmp_offsets::kSizeOfBitmap, image_bytes);
  if (bits == 8 && palette_entries != 256) Put32(out, bmp_offsets::kColorsUsed, palette_entries);
  return out;
}

// Appends the rows in file order; row(y) gives the bytes of picture row y (top = 0).
template <typename RowFn>
void AppendRows(std::vector<uint8_t>& out, int32_t height, size_t row_bytes, size_t stride, const BmpOptions& o,
                RowFn row) {
  for (int32_t i = 0; i < height; ++i) {
    const int32_t y = o.top_down ? i : height - 1 - i;
    row(y, out);
    const bool last = i == height - 1;
    if (!last || o.pad_last_row) out.resize(out.size() + (stride - row_bytes), 0);
  }
}

}  // namespace

std::vector<uint8_t> BuildBmp24(int32_t width, int32_t height, const std::vector<Rgb>& pixels,
                                const BmpOptions& options) {
  assert(width > 0 && height > 0 && pixels.size() == size_t(width) * size_t(height));
  const size_t row_bytes = size_t(width) * 3, stride = row_bytes + size_t(width) % 4;
  std::vector<uint8_t> out = Headers(width, height, 24, 0, options, stride);
  AppendRows(out, height, row_bytes, stride, options, [&](int32_t y, std::vector<uint8_t>& o) {
    for (int32_t x = 0; x < width; ++x) {
      const Rgb& p = pixels[size_t(y) * width + x];
      o.push_back(p.b);
      o.push_back(p.g);
      o.push_back(p.r);
    }
  });
  return out;
}

std::vector<uint8_t> BuildBmp8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                               const std::vector<uint8_t>& indices, const BmpOptions& options) {
  assert(width > 0 && height > 0 && indices.size() == size_t(width) * size_t(height));
  assert(palette.size() <= options.palette_entries && options.palette_entries <= 256);
  const size_t row_bytes = size_t(width), stride = (row_bytes + 3) / 4 * 4;
  std::vector<uint8_t> out = Headers(width, height, 8, options.palette_entries, options, stride);
  for (size_t i = 0; i < palette.size(); ++i) {
    const size_t at = 14 + options.info_size + i * 4;
    out[at] = palette[i].b;
    out[at + 1] = palette[i].g;
    out[at + 2] = palette[i].r;
  }
  AppendRows(out, height, row_bytes, stride, options, [&](int32_t y, std::vector<uint8_t>& o) {
    o.insert(o.end(), indices.begin() + size_t(y) * width, indices.begin() + size_t(y + 1) * width);
  });
  return out;
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  assert(at + 2 <= bytes.size());
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  assert(at + 4 <= bytes.size());
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::vector<uint8_t> out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return out;
  uint8_t buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.insert(out.end(), buffer, buffer + n);
  std::fclose(f);
  return out;
}

}  // namespace test_support
