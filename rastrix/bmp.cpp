#include "rastrix/bmp.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <utility>

#include "platform/byte_order.h"
#include "platform/files.h"
#include "rastrix/blend.h"

using rastrix_detail::Clip;
using rastrix_detail::CurrentClip;
using rastrix_detail::Nearest;
using rastrix_detail::ScreenAt;

namespace {

constexpr size_t kHeadSize = 14;
constexpr size_t kInfoSize = 40;
constexpr int64_t kNoLimit = std::numeric_limits<int32_t>::max();

// The result codes of LoadBMPPicture, as bmp.h lists them.
constexpr uint8_t kUnreadable = 1, kCompressed = 2, kUnsupportedBits = 3, kTooLarge = 4, kLowMemory = 5,
                  kRequestFailed = 6;

std::string WithoutExtension(std::string_view name) {
  return std::string(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));
}

// What the file and info headers say, the height made positive.
struct BmpHeader {
  uint32_t data_offset = 0;
  uint32_t info_size = 0;
  uint32_t compression = 0;
  uint32_t colors_used = 0;
  uint16_t bits = 0;
  bool top_down = false;  // a negative height stores the top row first
  int64_t width = 0;
  int64_t height = 0;

  int64_t RowBytes() const { return (int64_t{bits} * width + 7) / 8; }  // pixel bytes of one file row
  int64_t Stride() const { return (RowBytes() + 3) / 4 * 4; }
};

struct TargetSize {
  int64_t W, H;
};

// Where the palette and the rows are.
struct BmpLayout {
  int64_t palette_at = 0;
  int64_t palette_entries = 0;
  int64_t data_offset = 0;
};

// False for a file too short for the headers and for shapes this loader cannot
// read at all: an older header of another layout, no pixels, or a height that
// has no positive counterpart.
bool ReadHeader(std::FILE* file, BmpHeader& h) {
  uint8_t header[kHeadSize + kInfoSize];
  if (std::fread(header, 1, sizeof header, file) != sizeof header) return false;
  const uint8_t* info = header + kHeadSize;
  h.data_offset = le::Get32(header + 10);
  h.info_size = le::Get32(info + 0);
  const int32_t width = static_cast<int32_t>(le::Get32(info + 4));
  const int32_t height = static_cast<int32_t>(le::Get32(info + 8));
  h.bits = le::Get16(info + 14);
  h.compression = le::Get32(info + 16);
  h.colors_used = le::Get32(info + 32);
  if (h.info_size < kInfoSize || width <= 0 || height == 0 || height == std::numeric_limits<int32_t>::min())
    return false;
  h.top_down = height < 0;
  h.width = width;
  h.height = h.top_down ? -int64_t{height} : height;
  return true;
}

// Reduced to fit, aspect kept, never below one pixel.
TargetSize FitInto(const BmpHeader& h, int32_t MaxWidth, int32_t MaxHeight) {
  int64_t W = h.width, H = h.height;
  if (h.width > MaxWidth) {
    W = MaxWidth;
    H = Nearest(static_cast<double>(MaxWidth) / static_cast<double>(h.width) * static_cast<double>(h.height));
  }
  if (H > MaxHeight) {
    W = Nearest(static_cast<double>(MaxHeight) / static_cast<double>(H) * static_cast<double>(W));
    H = MaxHeight;
  }
  return TargetSize{std::max<int64_t>(W, 1), std::max<int64_t>(H, 1)};
}

// The codes 2 to 5, or 0: a later reason overrides an earlier one.
uint8_t Refusal(const BmpHeader& h, TargetSize target) {
  uint8_t result = 0;
  if (h.compression != 0) result = kCompressed;
  if (h.bits != 8 && h.bits != 24) result = kUnsupportedBits;
  // W x H reaches 2^62 at most; beyond 2^40 pixels the exact byte count no
  // longer matters, only that it is far too large.
  const int64_t pixel_count = target.W * target.H;
  int64_t size = pixel_count > (int64_t{1} << 40) ? (int64_t{1} << 42) : pixel_count * 4;
  if (size > MAX_SIZE) result = kTooLarge;
  size += h.RowBytes();
  if (size + 264 > GetAvailRamMemory()) result = kLowMemory;
  return result;
}

// Ordinary files have the palette and the rows right after the 54 header
// bytes; others are honoured when their offsets make sense and refused when
// the rows would lie outside the file.
bool Locate(const BmpHeader& h, int64_t file_length, BmpLayout& layout) {
  layout.palette_at = kHeadSize + int64_t{h.info_size};
  if (h.bits == 8) {
    if (h.colors_used > 256) return false;
    layout.palette_entries = h.colors_used == 0 ? 256 : h.colors_used;
  }
  const int64_t palette_end = layout.palette_at + layout.palette_entries * 4;
  // Some writers leave the offset at zero; their rows follow the palette.
  layout.data_offset = h.data_offset == 0 ? static_cast<uint32_t>(palette_end) : h.data_offset;
  const int64_t data_end = layout.data_offset + (h.height - 1) * h.Stride() + h.RowBytes();
  return layout.data_offset >= palette_end && data_end <= file_length;
}

bool ReadPalette(std::FILE* file, const BmpLayout& layout, std::array<uint8_t, 1024>& palette) {
  const size_t wanted = static_cast<size_t>(layout.palette_entries) * 4;
  if (wanted == 0) return true;
  return std::fseek(file, static_cast<long>(layout.palette_at), SEEK_SET) == 0 &&
         std::fread(palette.data(), 1, wanted, file) == wanted;
}

// One target row from one file row, given the source column of each target
// column. The pixel format is decided once per row, not once per pixel.
void ConvertRow(const BmpHeader& h, const uint8_t* src, const std::array<uint8_t, 1024>& palette,
                const uint32_t* columns, int64_t W, uint8_t* out) {
  const auto put = [](uint8_t* o, const uint8_t* s) {
    o[0] = s[0];
    o[1] = s[1];
    o[2] = s[2];
    o[3] = 0;
  };
  if (h.bits == 24) {
    for (int64_t x = 0; x < W; ++x, out += 4) put(out, src + size_t{columns[x]} * 3);
  } else {
    for (int64_t x = 0; x < W; ++x, out += 4) put(out, palette.data() + size_t{src[columns[x]]} * 4);
  }
}

// Fills W x H pixels, top row first. Target rows counted from the bottom map
// to source rows counted from the bottom; they are visited in the order the
// file stores them so that the file is only ever read forwards, and rows
// nobody needs are skipped by seeking past them.
uint8_t ReadRows(std::FILE* file, const BmpHeader& h, const BmpLayout& layout,
                 const std::array<uint8_t, 1024>& palette, TargetSize target, uint8_t* pixels) {
  const int64_t W = target.W, H = target.H, IH = h.height, stride = h.Stride();
  std::unique_ptr<uint8_t[]> row(new (std::nothrow) uint8_t[static_cast<size_t>(stride)]);
  std::unique_ptr<uint32_t[]> columns(new (std::nothrow) uint32_t[static_cast<size_t>(W)]);
  if (!row || !columns) return kRequestFailed;

  // Source column of each target column: nearest(I / W x X), at most I - 1.
  const double column_step = static_cast<double>(h.width) / static_cast<double>(W);
  for (int64_t x = 0; x < W; ++x)
    columns[x] = static_cast<uint32_t>(std::min<int64_t>(Nearest(column_step * static_cast<double>(x)), h.width - 1));

  const double row_step = static_cast<double>(IH) / static_cast<double>(H);
  int64_t position = -1;    // file offset the stream stands at, -1 unknown
  int64_t loaded_row = -1;  // file row held in the buffer
  for (int64_t k = 0; k < H; ++k) {
    const int64_t y = h.top_down ? H - 1 - k : k;  // target row from the bottom
    const int64_t r = std::min<int64_t>(Nearest(row_step * static_cast<double>(y)), IH - 1);
    const int64_t file_row = h.top_down ? IH - 1 - r : r;
    if (file_row != loaded_row) {
      const int64_t at = layout.data_offset + file_row * stride;
      if (at != position && std::fseek(file, static_cast<long>(at), SEEK_SET) != 0) return kUnreadable;
      // The last row of a file may lack its padding.
      const size_t length = static_cast<size_t>(file_row == IH - 1 ? h.RowBytes() : stride);
      if (std::fread(row.get(), 1, length, file) != length) return kUnreadable;
      position = at + static_cast<int64_t>(length);
      loaded_row = file_row;
    }
    ConvertRow(h, row.get(), palette, columns.get(), W, pixels + (H - 1 - y) * W * 4);
  }
  return 0;
}

}  // namespace

void LoadBMPPicture(std::string_view PictureName, TPicture& Picture, uint8_t& Result_) {
  LoadBMPPicture(PictureName, Picture, kNoLimit, kNoLimit, Result_);
}

void LoadBMPPicture(std::string_view PictureName, TPicture& Picture, int32_t MaxWidth, int32_t MaxHeight,
                    uint8_t& Result_) {
  // Loading over a picture that still holds pixels would lose them for good;
  // the old picture is given up first, so a failed load also leaves no stale
  // picture to be shown in place of the requested one.
  FreeBMPPicture(Picture);
  Result_ = kUnreadable;
  // Only a regular file is opened: a pipe or a device named by a damaged
  // catalogue would block the program on opening or never end.
  if (!platform::FileExists(PictureName)) return;
  platform::File file(platform::Open(PictureName, "rb"));
  if (!file) return;
  const platform::FileResult<int64_t> length = platform::FileLength(file.get());
  if (!length) return;
  const int64_t file_length = length.Produced;
  BmpHeader header;
  if (!ReadHeader(file.get(), header)) return;

  const TargetSize target = FitInto(header, MaxWidth, MaxHeight);
  Result_ = Refusal(header, target);
  if (Result_ != 0) return;

  BmpLayout layout;
  std::array<uint8_t, 1024> palette{};  // entries the file leaves out stay black
  if (!Locate(header, file_length, layout) || !ReadPalette(file.get(), layout, palette)) {
    Result_ = kUnreadable;
    return;
  }
  std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[static_cast<size_t>(target.W * target.H * 4)]);
  Result_ = pixels ? ReadRows(file.get(), header, layout, palette, target, pixels.get()) : kRequestFailed;
  if (Result_ != 0) return;

  Picture.FileName = WithoutExtension(PictureName);
  Picture.Loaded = true;
  Picture.ImageWidth = static_cast<uint32_t>(target.W);
  Picture.ImageHeight = static_cast<uint32_t>(target.H);
  Picture.PictureAdr = pixels.release();
  Picture.owns_ = true;
}

void FreeBMPPicture(TPicture& Picture) {
  if (Picture.owns_) delete[] Picture.PictureAdr;
  Picture.PictureAdr = nullptr;
  Picture.Loaded = false;
  Picture.owns_ = true;
}

TPicture::TPicture(TPicture&& Other) noexcept
    : FileName(std::move(Other.FileName)),
      Loaded(std::exchange(Other.Loaded, false)),
      ImageWidth(Other.ImageWidth),
      ImageHeight(Other.ImageHeight),
      PictureAdr(std::exchange(Other.PictureAdr, nullptr)),
      owns_(std::exchange(Other.owns_, true)) {}

TPicture& TPicture::operator=(TPicture&& Other) noexcept {
  if (this == &Other) return *this;
  FreeBMPPicture(*this);
  FileName = std::move(Other.FileName);
  Loaded = std::exchange(Other.Loaded, false);
  ImageWidth = Other.ImageWidth;
  ImageHeight = Other.ImageHeight;
  PictureAdr = std::exchange(Other.PictureAdr, nullptr);
  owns_ = std::exchange(Other.owns_, true);
  return *this;
}

TPicture::~TPicture() {
  if (owns_) delete[] PictureAdr;
}

TPicture TPicture::View() const {
  TPicture view;
  view.FileName = FileName;
  view.Loaded = Loaded;
  view.ImageWidth = ImageWidth;
  view.ImageHeight = ImageHeight;
  view.PictureAdr = PictureAdr;
  view.owns_ = false;
  return view;
}

void ShowBMPPicture(int32_t X, int32_t Y, const TPicture& Picture) {
  if (!Picture.Loaded) return;
  const Clip clip = CurrentClip();
  const int64_t right = int64_t{X} + Picture.ImageWidth - 1, bottom = int64_t{Y} + Picture.ImageHeight - 1;
  if (X > clip.X2 || right < clip.X1 || Y > clip.Y2 || bottom < clip.Y1) return;
  const int64_t x1 = std::max<int64_t>(X, clip.X1), x2 = std::min(right, clip.X2);
  const int64_t y1 = std::max<int64_t>(Y, clip.Y1), y2 = std::min(bottom, clip.Y2);
  assert(Picture.PictureAdr != nullptr);
  const size_t bytes = static_cast<size_t>(x2 - x1 + 1) * 4;
  const size_t pitch = size_t{Picture.ImageWidth} * 4;
  const uint8_t* src = Picture.PictureAdr + static_cast<size_t>(y1 - Y) * pitch + static_cast<size_t>(x1 - X) * 4;
  for (int64_t y = y1; y <= y2; ++y, src += pitch) std::memcpy(ScreenAt(x1, y), src, bytes);
}

void ShowAlphaScaleBMPPicture(int32_t X, int32_t Y, const TPicture& Picture, uint32_t Width, uint32_t Height,
                              uint8_t Alpha, bool Transparent, TColor TransparentColor) {
  if (!Picture.Loaded || Width == 0 || Height == 0) return;
  const Clip clip = CurrentClip();
  const int64_t right = int64_t{X} + Width - 1, bottom = int64_t{Y} + Height - 1;
  if (X > clip.X2 || right < clip.X1 || Y > clip.Y2 || bottom < clip.Y1) return;
  const int64_t x1 = std::max<int64_t>(X, clip.X1), x2 = std::min(right, clip.X2);
  const int64_t y1 = std::max<int64_t>(Y, clip.Y1), y2 = std::min(bottom, clip.Y2);
  // Fully transparent drawing leaves every pixel as it is, keyed or not.
  if (Alpha == 255) return;
  assert(Picture.PictureAdr != nullptr && Picture.ImageWidth > 0 && Picture.ImageHeight > 0);

  // Source column of every visible screen column, computed once per call; the
  // clip rectangle is never wider than the screen.
  std::array<uint32_t, SCREEN_WIDTH> columns;
  const double last_column = static_cast<double>(Picture.ImageWidth) - 1;
  for (int64_t px = x1; px <= x2; ++px) {
    const int64_t a = Nearest(static_cast<double>(px - X + 1) / Width * last_column);
    columns[px - x1] = static_cast<uint32_t>(std::clamp<int64_t>(a, 0, Picture.ImageWidth - 1));
  }
  const double last_row = static_cast<double>(Picture.ImageHeight) - 1;
  const uint32_t key = uint32_t{TransparentColor.B} | (uint32_t{TransparentColor.G} << 8) |
                       (uint32_t{TransparentColor.R} << 16);
  const uint32_t alpha = Alpha;
  for (int64_t py = y1; py <= y2; ++py) {
    const int64_t b = std::clamp<int64_t>(Nearest(static_cast<double>(py - Y + 1) / Height * last_row), 0,
                                          Picture.ImageHeight - 1);
    const uint8_t* src_row = Picture.PictureAdr + static_cast<size_t>(b) * Picture.ImageWidth * 4;
    uint8_t* dst = ScreenAt(x1, py);
    for (int64_t px = x1; px <= x2; ++px, dst += 4) {
      const uint8_t* s = src_row + size_t{columns[px - x1]} * 4;
      if (Transparent && (uint32_t{s[0]} | (uint32_t{s[1]} << 8) | (uint32_t{s[2]} << 16)) == key) continue;
      if (alpha == 0) {
        dst[0] = s[0];
        dst[1] = s[1];
        dst[2] = s[2];
      } else {
        dst[0] = rastrix_detail::BlendByte(dst[0], alpha, s[0]);
        dst[1] = rastrix_detail::BlendByte(dst[1], alpha, s[1]);
        dst[2] = rastrix_detail::BlendByte(dst[2], alpha, s[2]);
      }
    }
  }
}

bool SaveBMPPicture(TViewport Coordinates, std::string_view PictureName) {
  if (Coordinates.X1 > SCREEN_WIDTH - 1 || Coordinates.X2 < 0 || Coordinates.Y1 > SCREEN_HEIGHT - 1 ||
      Coordinates.Y2 < 0)
    return true;
  const int32_t x1 = std::max(Coordinates.X1, 0), x2 = std::min(Coordinates.X2, SCREEN_WIDTH - 1);
  const int32_t y1 = std::max(Coordinates.Y1, 0), y2 = std::min(Coordinates.Y2, SCREEN_HEIGHT - 1);
  // Reversed corners describe no pixels; a file of no rows would not be a picture.
  if (x1 > x2 || y1 > y2) return true;
  assert(VirtualScreen != nullptr && "the raster unit is not initialised");
  const uint32_t w = static_cast<uint32_t>(x2 - x1 + 1), h = static_cast<uint32_t>(y2 - y1 + 1);
  const uint32_t padded = 3 * w + w % 4;

  uint8_t header[kHeadSize + kInfoSize] = {};
  header[0] = 'B';
  header[1] = 'M';
  le::Put32(header + 2, 54 + h * padded);
  le::Put32(header + 10, 54);
  uint8_t* info = header + kHeadSize;
  le::Put32(info + 0, 40);
  le::Put32(info + 4, w);
  le::Put32(info + 8, h);
  le::Put16(info + 12, 1);
  le::Put16(info + 14, 24);
  le::Put32(info + 20, h * padded);
  le::Put32(info + 24, w * 300);
  le::Put32(info + 28, h * 300);

  std::FILE* f = platform::OpenFile(PictureName, "wb");
  if (f == nullptr) return false;
  bool ok = std::fwrite(header, 1, sizeof header, f) == sizeof header;
  std::array<uint8_t, SCREEN_WIDTH * 3 + 3> row{};  // padding bytes stay zero
  for (int32_t y = y2; ok && y >= y1; --y) {
    const uint8_t* p = ScreenAt(x1, y);
    for (uint32_t x = 0; x < w; ++x, p += 4) {
      row[x * 3] = p[0];
      row[x * 3 + 1] = p[1];
      row[x * 3 + 2] = p[2];
    }
    ok = std::fwrite(row.data(), 1, padded, f) == padded;
  }
  ok = std::fclose(f) == 0 && ok;
  // A half-written picture is worse than none: it would open as garbage.
  if (!ok) platform::RemoveFile(PictureName);
  return ok;
}
