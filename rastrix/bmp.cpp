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

std::string WithoutExtension(std::string_view name) {
  return std::string(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));
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
  Result_ = 0;
  // Only a regular file is opened: a pipe or a device named by a damaged
  // catalogue would block the program on opening or never end.
  if (!platform::FileExists(PictureName)) {
    Result_ = 1;
    return;
  }
  platform::File file(platform::Open(PictureName, "rb"));
  if (!file) {
    Result_ = 1;
    return;
  }
  const int64_t file_length = platform::FileLength(file.get());
  uint8_t header[kHeadSize + kInfoSize];
  if (file_length < 0 || std::fread(header, 1, sizeof header, file.get()) != sizeof header) {
    Result_ = 1;
    return;
  }
  const uint8_t* info = header + kHeadSize;
  uint32_t data_offset = le::Get32(header + 10);
  const uint32_t info_size = le::Get32(info + 0);
  const int32_t file_width = static_cast<int32_t>(le::Get32(info + 4));
  const int32_t file_height = static_cast<int32_t>(le::Get32(info + 8));
  const uint16_t bits = le::Get16(info + 14);
  const uint32_t compression = le::Get32(info + 16);
  const uint32_t colors_used = le::Get32(info + 32);

  // Shapes this loader cannot read at all: an older header of another layout,
  // no pixels, or a height that has no positive counterpart.
  if (info_size < kInfoSize || file_width <= 0 || file_height == 0 ||
      file_height == std::numeric_limits<int32_t>::min()) {
    Result_ = 1;
    return;
  }
  const bool top_down = file_height < 0;  // a negative height stores the top row first
  const int64_t I = file_width;
  const int64_t IH = top_down ? -int64_t{file_height} : file_height;

  if (compression != 0) Result_ = 2;
  if (bits != 8 && bits != 24) Result_ = 3;

  // Target size: reduced to fit, aspect kept, never below one pixel.
  int64_t W = I, H = IH;
  if (I > MaxWidth) {
    W = MaxWidth;
    H = Nearest(static_cast<double>(MaxWidth) / static_cast<double>(I) * static_cast<double>(IH));
  }
  if (H > MaxHeight) {
    W = Nearest(static_cast<double>(MaxHeight) / static_cast<double>(H) * static_cast<double>(W));
    H = MaxHeight;
  }
  W = std::max<int64_t>(W, 1);
  H = std::max<int64_t>(H, 1);

  const int64_t row_bytes = (int64_t{bits} * I + 7) / 8;  // pixel bytes of one file row
  // W x H reaches 2^62 at most; beyond 2^40 pixels the exact byte count no
  // longer matters, only that it is far too large.
  const int64_t pixel_count = W * H;
  int64_t size = pixel_count > (int64_t{1} << 40) ? (int64_t{1} << 42) : pixel_count * 4;
  if (size > MAX_SIZE) Result_ = 4;
  size += row_bytes;
  if (size + 264 > GetAvailRamMemory()) Result_ = 5;
  if (Result_ != 0) return;

  // Where the palette and the rows really are. Ordinary files have them right
  // after the 54 header bytes; others are honoured when their offsets make
  // sense and refused when the rows would lie outside the file.
  const int64_t stride = (row_bytes + 3) / 4 * 4;
  const int64_t palette_at = kHeadSize + int64_t{info_size};
  int64_t palette_entries = 0;
  if (bits == 8) {
    if (colors_used > 256) {
      Result_ = 1;
      return;
    }
    palette_entries = colors_used == 0 ? 256 : colors_used;
  }
  const int64_t palette_end = palette_at + palette_entries * 4;
  // Some writers leave the offset at zero; their rows follow the palette.
  if (data_offset == 0) data_offset = static_cast<uint32_t>(palette_end);
  const int64_t data_end = int64_t{data_offset} + (IH - 1) * stride + row_bytes;
  if (data_offset < palette_end || data_end > file_length) {
    Result_ = 1;
    return;
  }

  std::array<uint8_t, 1024> palette{};  // entries the file leaves out stay black
  if (bits == 8) {
    const size_t wanted = static_cast<size_t>(palette_entries) * 4;
    if (std::fseek(file.get(), static_cast<long>(palette_at), SEEK_SET) != 0 ||
        std::fread(palette.data(), 1, wanted, file.get()) != wanted) {
      Result_ = 1;
      return;
    }
  }

  std::unique_ptr<uint8_t[]> row(new (std::nothrow) uint8_t[static_cast<size_t>(stride)]);
  std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[static_cast<size_t>(W * H * 4)]);
  std::unique_ptr<uint32_t[]> columns(new (std::nothrow) uint32_t[static_cast<size_t>(W)]);
  if (!row || !pixels || !columns) {
    Result_ = 6;
    return;
  }

  // Source column of each target column: nearest(I / W x X), at most I - 1.
  const double column_step = static_cast<double>(I) / static_cast<double>(W);
  for (int64_t x = 0; x < W; ++x)
    columns[x] = static_cast<uint32_t>(std::min<int64_t>(Nearest(column_step * static_cast<double>(x)), I - 1));

  // Target rows counted from the bottom map to source rows counted from the
  // bottom; they are visited in the order the file stores them so that the
  // file is only ever read forwards, and rows nobody needs are skipped by
  // seeking past them.
  const double row_step = static_cast<double>(IH) / static_cast<double>(H);
  int64_t position = -1;    // file offset the stream stands at, -1 unknown
  int64_t loaded_row = -1;  // file row held in the buffer
  for (int64_t k = 0; k < H; ++k) {
    const int64_t y = top_down ? H - 1 - k : k;  // target row from the bottom
    const int64_t r = std::min<int64_t>(Nearest(row_step * static_cast<double>(y)), IH - 1);
    const int64_t file_row = top_down ? IH - 1 - r : r;
    if (file_row != loaded_row) {
      const int64_t at = int64_t{data_offset} + file_row * stride;
      if (at != position && std::fseek(file.get(), static_cast<long>(at), SEEK_SET) != 0) {
        Result_ = 1;
        return;
      }
      // The last row of a file may lack its padding.
      const size_t length = static_cast<size_t>(file_row == IH - 1 ? row_bytes : stride);
      if (std::fread(row.get(), 1, length, file.get()) != length) {
        Result_ = 1;
        return;
      }
      position = at + static_cast<int64_t>(length);
      loaded_row = file_row;
    }
    uint8_t* out = pixels.get() + (H - 1 - y) * W * 4;
    const uint8_t* src = row.get();
    if (bits == 24) {
      for (int64_t x = 0; x < W; ++x, out += 4) {
        const uint8_t* s = src + size_t{columns[x]} * 3;
        out[0] = s[0];
        out[1] = s[1];
        out[2] = s[2];
        out[3] = 0;
      }
    } else {
      for (int64_t x = 0; x < W; ++x, out += 4) {
        const uint8_t* s = palette.data() + size_t{src[columns[x]]} * 4;
        out[0] = s[0];
        out[1] = s[1];
        out[2] = s[2];
        out[3] = 0;
      }
    }
  }

  Picture.FileName = WithoutExtension(PictureName);
  Picture.Loaded = true;
  Picture.ImageWidth = static_cast<uint32_t>(W);
  Picture.ImageHeight = static_cast<uint32_t>(H);
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
