// The pictures the program loads from "Pictures": every one is there, loads,
// fits where it is drawn, and the keyed ones carry the key colour exactly
// outside their shape.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/art/art_environment.h"

namespace {

using art_test::LoadedPicture;
using art_test::PicturesDir;

enum class Fit {
  Exact,         // drawn at its own size into a canvas of exactly this size
  Illustration,  // shown beside a 228-pixel column on a 443-pixel book page
  Icon,          // scaled to 16 x 16 in the title bar: any square
  AtLeast,       // tiled or sitting under text: at least this large
};

struct Expected {
  std::string name;
  int width;
  int height;
  Fit fit;
  bool keyed;
};

// Sizes from the places that draw them: arc buttons and the open-windows
// button are keyed canvases of 150 x 54 and 170 x 26, dialog buttons fill
// 84 x 23, list item buttons 110 x 27, menu items 170 x 26, and so on.
const std::vector<Expected>& ProgramPictures() {
  static const std::vector<Expected> kAll = [] {
    std::vector<Expected> v;
    for (const char* base : {"File", "Database", "Observatory", "Encyclopedia", "Settings", "Help", "About", "Exit"})
      for (const char* n : {"1", "2"})
        v.push_back({std::string(base) + "Button" + n + ".bmp", 150, 54, Fit::Exact, true});
    for (const char* n : {"OkButton1.bmp", "OkButton2.bmp", "CancelButton1.bmp", "CancelButton2.bmp", "YesButton1.bmp",
                          "YesButton2.bmp", "NoButton1.bmp", "NoButton2.bmp", "OpenButton1.bmp", "OpenButton2.bmp",
                          "LaterButton1.bmp", "LaterButton2.bmp", "RemoveButton1.bmp", "RemoveButton2.bmp",
                          "OverwriteButton1.bmp", "OverwriteButton2.bmp", "SaveAsButton1.bmp", "SaveAsButton2.bmp"})
      v.push_back({n, 84, 23, Fit::Exact, false});
    for (const char* n : {"ListItemButton1.bmp", "ListItemButton2.bmp", "ModifyItemButton1.bmp",
                          "ModifyItemButton2.bmp", "DeleteItemButton1.bmp", "DeleteItemButton2.bmp"})
      v.push_back({n, 110, 27, Fit::Exact, false});
    v.push_back({"OpenedWindowsButton1.bmp", 170, 26, Fit::Exact, true});
    v.push_back({"OpenedWindowsButton2.bmp", 170, 26, Fit::Exact, true});
    v.push_back({"DatabaseMenuItem1.bmp", 170, 26, Fit::Exact, false});
    v.push_back({"DatabaseMenuItem2.bmp", 170, 26, Fit::Exact, false});
    v.push_back({"ScreenPicture.bmp", 1024, 768, Fit::Exact, false});
    // The status bar: a 28-pixel-high panel whose end pieces sit on its 20-pixel
    // canvas; the time is written 947 pixels in, which must land on the right piece.
    v.push_back({"StatusBarTexture.bmp", 1, 28, Fit::AtLeast, false});
    v.push_back({"StatusBarDate1.bmp", 90, 20, Fit::AtLeast, true});
    v.push_back({"StatusBarDate2.bmp", 1016 - 947, 20, Fit::AtLeast, true});
    v.push_back({"Icon.bmp", 0, 0, Fit::Icon, false});
    // Drawn at (125, 15) in a 300-pixel dialog above text at 80: centred, 50 wide.
    v.push_back({"Questionmark.bmp", 50, 50, Fit::Exact, true});
    v.push_back({"Exclamationmark.bmp", 50, 50, Fit::Exact, true});
    v.push_back({"default_thumbnail.bmp", 32, 32, Fit::Exact, false});
    for (const char* n : {"OrionNebula.bmp", "HorseHead.bmp", "nebulaHorse.bmp", "Catseye.bmp", "NGC_6302.bmp",
                          "kosatec.bmp", "starExplosion.bmp"})
      v.push_back({n, 0, 0, Fit::Illustration, false});
    return v;
  }();
  return kAll;
}

TEST(ProgramPictures, AllFiftyNineExistLoadAndFitTheirPlace) {
  ASSERT_EQ(ProgramPictures().size(), 59u);
  for (const Expected& e : ProgramPictures()) {
    SCOPED_TRACE(e.name);
    LoadedPicture p(PicturesDir() + "/" + e.name);
    ASSERT_EQ(p.result, 0);
    ASSERT_TRUE(p.picture.Loaded);
    switch (e.fit) {
      case Fit::Exact:
        EXPECT_EQ(p.width(), e.width);
        EXPECT_EQ(p.height(), e.height);
        break;
      case Fit::AtLeast:
        EXPECT_GE(p.width(), e.width);
        EXPECT_GE(p.height(), e.height);
        if (e.keyed) {
          EXPECT_EQ(p.height(), e.height) << "an end piece taller than the status bar's canvas";
        }
        break;
      case Fit::Icon:
        EXPECT_EQ(p.width(), p.height());
        EXPECT_GE(p.width(), 16);
        EXPECT_LE(p.width(), 64);
        break;
      case Fit::Illustration:
        EXPECT_GE(p.width(), 120);
        EXPECT_LE(p.width(), 443 - 228);
        EXPECT_GE(p.height(), 90);
        EXPECT_LE(p.height(), 320);
        break;
    }
  }
}

TEST(ProgramPictures, KeyedPicturesUseTheKeyOnlyOutsideTheirShape) {
  for (const Expected& e : ProgramPictures()) {
    if (!e.keyed) continue;
    SCOPED_TRACE(e.name);
    LoadedPicture p(PicturesDir() + "/" + e.name);
    ASSERT_TRUE(p.ok());
    int w = p.width(), h = p.height();
    // The end pieces of the status bar are flush with the screen edge on one side.
    bool left_piece = e.name == "StatusBarDate1.bmp";
    bool right_piece = e.name == "StatusBarDate2.bmp";
    if (!left_piece) {
      EXPECT_EQ(p.RgbAt(0, 0), art_test::kKey);
      EXPECT_EQ(p.RgbAt(0, h - 1), art_test::kKey);
    }
    if (!right_piece) {
      EXPECT_EQ(p.RgbAt(w - 1, 0), art_test::kKey);
      EXPECT_EQ(p.RgbAt(w - 1, h - 1), art_test::kKey);
    }
    EXPECT_NE(p.RgbAt(w / 2, h / 2), art_test::kKey) << "the face itself is keyed out";
    int keyed = 0, near_key = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint32_t c = p.RgbAt(x, y);
        if (c == art_test::kKey) {
          ++keyed;
          continue;
        }
        int r = c >> 16, g = (c >> 8) & 255, b = c & 255;
        if (std::abs(r - 0) + std::abs(g - 128) + std::abs(b - 128) < 12) ++near_key;
      }
    EXPECT_GT(keyed, 0);
    EXPECT_LT(keyed, w * h / 2) << "more key than shape";
    // A rim blended towards the key colour would show as a teal fringe on screen.
    EXPECT_EQ(near_key, 0);
  }
}

// Mean absolute difference of two pictures' pixels, per channel.
double MeanDifference(const LoadedPicture& a, const LoadedPicture& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      uint32_t p = a.RgbAt(x, y), q = b.RgbAt(x, y);
      for (int s = 0; s < 24; s += 8)
        sum += std::abs(static_cast<int>((p >> s) & 255) - static_cast<int>((q >> s) & 255));
    }
  return sum / (3.0 * a.width() * a.height());
}

TEST(ProgramPictures, HighlightedLooksDifferVisiblyAndKeepTheShape) {
  for (const char* base :
       {"FileButton", "DatabaseButton", "ObservatoryButton", "EncyclopediaButton", "SettingsButton", "HelpButton",
        "AboutButton", "ExitButton", "OpenedWindowsButton", "OkButton", "CancelButton", "YesButton", "NoButton",
        "ListItemButton", "ModifyItemButton", "DeleteItemButton", "DatabaseMenuItem"}) {
    SCOPED_TRACE(base);
    LoadedPicture normal(PicturesDir() + "/" + base + "1.bmp");
    LoadedPicture lit(PicturesDir() + "/" + base + "2.bmp");
    ASSERT_TRUE(normal.ok() && lit.ok());
    ASSERT_EQ(normal.width(), lit.width());
    ASSERT_EQ(normal.height(), lit.height());
    EXPECT_GT(MeanDifference(normal, lit), 8.0);
    for (int y = 0; y < normal.height(); ++y)
      for (int x = 0; x < normal.width(); ++x)
        ASSERT_EQ(normal.RgbAt(x, y) == art_test::kKey, lit.RgbAt(x, y) == art_test::kKey)
            << "the two looks have different outlines at " << x << "," << y;
  }
}

TEST(ProgramPictures, MenuItemsStayLightEnoughForTheirBlackTitles) {
  // The menu writes its title in black at (10, 5) over these pictures.
  for (const char* name : {"DatabaseMenuItem1.bmp", "DatabaseMenuItem2.bmp"}) {
    SCOPED_TRACE(name);
    LoadedPicture p(PicturesDir() + "/" + name);
    ASSERT_TRUE(p.ok());
    double luma = 0;
    int n = 0;
    for (int y = 5; y < 21; ++y)
      for (int x = 10; x < 140; ++x, ++n) {
        uint32_t c = p.RgbAt(x, y);
        luma += 0.3 * (c >> 16) + 0.59 * ((c >> 8) & 255) + 0.11 * (c & 255);
      }
    EXPECT_GT(luma / n, 150.0);
  }
}

TEST(ProgramPictures, StatusBarPiecesStayDarkEnoughForTheirWhiteText) {
  for (const char* name : {"StatusBarDate1.bmp", "StatusBarDate2.bmp", "StatusBarTexture.bmp"}) {
    SCOPED_TRACE(name);
    LoadedPicture p(PicturesDir() + "/" + name);
    ASSERT_TRUE(p.ok());
    double luma = 0;
    int n = 0;
    for (int y = 2; y < p.height() - 2; ++y)
      for (int x = 0; x < p.width(); ++x) {
        uint32_t c = p.RgbAt(x, y);
        if (c == art_test::kKey) continue;
        luma += 0.3 * (c >> 16) + 0.59 * ((c >> 8) & 255) + 0.11 * (c & 255);
        ++n;
      }
    ASSERT_GT(n, 0);
    EXPECT_LT(luma / n, 110.0);
  }
}

}  // namespace
