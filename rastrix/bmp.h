#pragma once
// BMP pictures: uncompressed 8- and 24-bit files loaded as 32-bit pixels (scaled
// down while loading when asked), drawn opaque or scaled, keyed and blended, and
// the virtual screen written back as a 24-bit file.

#include <cstdint>
#include <string>
#include <string_view>

#include "rastrix/display.h"

// A picture owns its pixels and frees them when it goes; it moves but does not
// copy. Where a second holder must show the same pixels (a copy of a record),
// View gives a picture that shares them, owns nothing and frees nothing; it
// must not outlive the picture it views.
struct TPicture {
  std::string FileName;  // the loaded name without its last four characters
  bool Loaded = false;
  uint32_t ImageWidth = 0;
  uint32_t ImageHeight = 0;
  PDataElement PictureAdr = nullptr;  // ImageWidth x ImageHeight pixels, B G R x, top row first

  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;
  TPicture(TPicture&& Other) noexcept;
  TPicture& operator=(TPicture&& Other) noexcept;
  ~TPicture();

  TPicture View() const;
  bool OwnsPixels() const { return owns_; }

 private:
  friend void FreeBMPPicture(TPicture& Picture);
  friend void LoadBMPPicture(std::string_view, TPicture&, int32_t, int32_t, uint8_t&);
  bool owns_ = true;
};

// Result codes: 0 loaded, 1 cannot open (or not a readable BMP), 2 compressed,
// 3 unsupported bits per pixel, 4 larger than MAX_SIZE, 5 not enough memory,
// 6 a memory request failed.
void LoadBMPPicture(std::string_view PictureName, TPicture& Picture, uint8_t& Result_);
void LoadBMPPicture(std::string_view PictureName, TPicture& Picture, int32_t MaxWidth, int32_t MaxHeight,
                    uint8_t& Result_);
// Gives up the pixels (a view only lets go of them); the picture is then not loaded.
void FreeBMPPicture(TPicture& Picture);
void ShowBMPPicture(int32_t X, int32_t Y, const TPicture& Picture);
void ShowAlphaScaleBMPPicture(int32_t X, int32_t Y, const TPicture& Picture, uint32_t Width, uint32_t Height,
                              uint8_t Alpha, bool Transparent, TColor TransparentColor);
// Writes the rectangle of the virtual screen as a 24-bit BMP. Returns false when
// the file could not be created or completely written (a rectangle wholly off the
// screen writes nothing and counts as success).
bool SaveBMPPicture(TViewport Coordinates, std::string_view PictureName);
