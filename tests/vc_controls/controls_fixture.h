#pragma once
// Shared set-up of the controls' tests: a headless host, an open virtual
// screen, a fresh toolkit state, block fonts whose every glyph is a solid
// rectangle (so text placement can be read from single pixels), a screen-sized
// root ("desk") to put controls on, and the frame cycle's passes in their order.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/rastrix.h"
#include "tests/support/bmp_builder.h"
#include "vc/vc_base.h"
#include "vc/vc_form.h"

namespace vc_controls_test {

// A pixel of the virtual screen, without its fourth byte.
struct Rgb {
  int R = 0, G = 0, B = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.R << ", " << c.G << ", " << c.B << ")";
  }
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kLight{241, 239, 226};
inline constexpr Rgb kShade{172, 168, 153};
inline constexpr Rgb kDark{113, 111, 100};
inline constexpr Rgb kFace{236, 233, 216};  // the default background of controls

// The root every control test builds on: covers the screen, draws nothing.
class TDesk : public TVisualComponent {};

// Block fonts: every glyph from 33 to 255 is a solid GlyphWidth x PixHeight
// rectangle, the space is SpaceWidth wide and blank.
struct BlockFont {
  int PixHeight;
  int GlyphWidth;
  int SpaceWidth;
};
inline constexpr BlockFont kSmallFont{10, 4, 3};
inline constexpr BlockFont kLargeFont{14, 6, 5};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // One frame as the frame cycle runs it: key scan, menu input pass, forms
  // from the top down (stopping below a visible modal form), the desk, menu
  // position pass, drawing bottom up with the menus last. Time then moves on.
  void Frame();
  void Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
  }

  // Presses or releases a key and runs one frame.
  void Key(int vk, bool down) {
    host.SetKey(vk, down);
    Frame();
  }
  void Tap(int vk) {
    Key(vk, true);
    Key(vk, false);
  }
  void MoveTo(int x, int y) {
    host.SetCursor(x, y);
    Frame();
  }

  Rgb At(int x, int y) const;
  // Whether every pixel of the inclusive rectangle has the colour.
  bool AllOf(int x1, int y1, int x2, int y2, Rgb c) const;

  // Loads a picture of w x h pixels (top row first) through a BMP file of
  // its own, which is removed again.
  void LoadPicture(TPicture& picture, int32_t w, int32_t h, const std::vector<test_support::Rgb>& pixels);
  // The same with every pixel of one colour.
  void LoadPicture(TPicture& picture, int32_t w, int32_t h, test_support::Rgb colour) {
    LoadPicture(picture, w, h, std::vector<test_support::Rgb>(static_cast<size_t>(w * h), colour));
  }

  // Children created from now on attach to the desk.
  void OnDesk() {
    Toolkit().ActualComponent = &desk;
    Toolkit().ActualForm = &desk;
  }

  platform::HeadlessBackend host;
  TFont small_font;  // entry 0 of LoadedFonts: the toolkit's default font
  TFont large_font;
  int pictures_loaded = 0;
  TOwned<TDesk> desk;
};

}  // namespace vc_controls_test
