#include "tests/art/art_environment.h"

#include <gtest/gtest.h>

#include "platform/cp1250.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

namespace art_test {

std::string PicturesDir() { return std::string(CORVALA_SOURCE_DIR) + "/data/Pictures"; }
std::string SamplesDir() { return std::string(CORVALA_SOURCE_DIR) + "/data/samples"; }

LoadedPicture::LoadedPicture(const std::string& native_path) {
  LoadBMPPicture(cp1250::FromUtf8(native_path).text, picture, result);
}

LoadedPicture::~LoadedPicture() { FreeBMPPicture(picture); }

uint32_t LoadedPicture::RgbAt(int x, int y) const {
  const uint8_t* p = picture.PictureAdr + (static_cast<size_t>(y) * picture.ImageWidth + x) * 4;
  return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

namespace {

// The loaders ask the platform for free memory, and the generator's save test
// draws into the virtual screen, so a headless backend and the raster unit
// are up for the whole run.
class RasterEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    platform::Install(&host_);
    InitRastrix("art tests");
  }
  void TearDown() override {
    CloseRastrix();
    platform::Install(nullptr);
  }

 private:
  platform::HeadlessBackend host_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new RasterEnvironment);

}  // namespace

}  // namespace art_test
