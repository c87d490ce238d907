// The BMP reader: any file either loads with a result code of 0 and a picture
// that draws inside the screen's memory, clipped at every edge, or is refused
// with a code and no picture.

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "rastrix/rastrix.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void DrawEverywhere(const TPicture& picture) {
  FUZZ_CHECK(picture.PictureAdr != nullptr && picture.ImageWidth > 0 && picture.ImageHeight > 0);
  ShowBMPPicture(-3, -2, picture);
  ShowBMPPicture(SCREEN_WIDTH - 5, SCREEN_HEIGHT - 4, picture);
  ShowAlphaScaleBMPPicture(-7, 11, picture, 40, 3, 128, true, TColor{0, 0, 0, 0});
  ShowAlphaScaleBMPPicture(SCREEN_WIDTH - 2, 5, picture, 1, 90, 0, false, TColor{0, 0, 0, 0});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  static platform::HeadlessBackend host;
  static const bool ready = (platform::Install(&host), InitRastrix("fuzz"), true);
  (void)ready;
  const std::string name = fuzz::WriteScratchFile(Data, Size, ".bmp");
  for (int scaled = 0; scaled < 2; ++scaled) {
    TPicture picture;
    uint8_t result = 255;
    if (scaled) LoadBMPPicture(name, picture, 32, 32, result);
    else LoadBMPPicture(name, picture, result);
    FUZZ_CHECK(result <= 6);
    FUZZ_CHECK(picture.Loaded == (result == 0));
    if (result != 0) continue;
    if (scaled) FUZZ_CHECK(picture.ImageWidth <= 32 && picture.ImageHeight <= 32);
    DrawEverywhere(picture);
    FreeBMPPicture(picture);
  }
  return 0;
}
