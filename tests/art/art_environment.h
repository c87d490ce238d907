#pragma once
// Shared helpers of the art tests: the folders under test and a picture that
// frees itself.

#include <cstdint>
#include <string>

#include "rastrix/rastrix.h"

namespace art_test {

std::string PicturesDir();  // data/Pictures of the source tree
std::string SamplesDir();   // data/samples of the source tree

// A picture loaded with the program's own loader from a native path.
struct LoadedPicture {
  explicit LoadedPicture(const std::string& native_path);
  ~LoadedPicture();
  LoadedPicture(const LoadedPicture&) = delete;
  LoadedPicture& operator=(const LoadedPicture&) = delete;

  TPicture picture;
  uint8_t result = 255;

  bool ok() const { return result == 0 && picture.Loaded; }
  int width() const { return static_cast<int>(picture.ImageWidth); }
  int height() const { return static_cast<int>(picture.ImageHeight); }
  // B, G, R of pixel (x, y), top row first.
  uint32_t RgbAt(int x, int y) const;
};

inline constexpr uint32_t kKey = 0x008080;  // R 0, G 128, B 128 as 0xRRGGBB

}  // namespace art_test
