// The item view and the full-screen picture: the record's texts, its picture
// fitted into the panel, a message for every picture that cannot be shown.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "tests/support/bmp_builder.h"
#include "forms/cv_fullscreen_form.h"
#include "forms/cv_list_form.h"
#include "forms/cv_list_item_form.h"
#include "platform/cp1250.h"
#include "program_fixture.h"
#include "rastrix/display.h"

namespace {

using program_test::ProgramTest;
using test_support::Rgb;

TEST(PictureFitting, ScalesDownKeepingTheAspectAndNeverEnlarges) {
  const TFittedPicture wide = FitPicture(1000, 500, 439, 319);
  EXPECT_EQ(wide.Width, 439u);
  EXPECT_EQ(wide.Height, 220u);  // 219.5 to the even neighbour
  EXPECT_EQ(wide.X, 0);
  EXPECT_EQ(wide.Y, 49);
  const TFittedPicture small = FitPicture(200, 100, 439, 319);
  EXPECT_EQ(small.Width, 200u);
  EXPECT_EQ(small.Height, 100u);
  EXPECT_EQ(small.X, 119);
  EXPECT_EQ(small.Y, 109);
  const TFittedPicture tall = FitPicture(300, 900, 983, 727);
  EXPECT_EQ(tall.Width, 242u);  // 727 x 300 / 900 = 242.33
  EXPECT_EQ(tall.Height, 727u);
  EXPECT_EQ(tall.X, 370);
  // Both limits in turn: first to the width, then the height still too large.
  const TFittedPicture both = FitPicture(2000, 1900, 439, 319);
  EXPECT_EQ(both.Height, 319u);
  EXPECT_EQ(both.Width, 336u);  // 319 x 2000 / 1900 = 335.79
}

class ItemViewTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Start();
    Frame();
  }

  TNebula Record(std::string_view picture) {
    TNebula s;
    s.IndexOfItem = 7;
    s.NameOfNebula = "Činka"_cp;
    s.NGC = 6853;
    s.Rect = 19.99345;
    s.Dec = -22.7;
    s.Distance = 1360;
    s.Magnitude = 7.5;
    s.TypeOfNebula = TN_Planetary;
    s.Picture = picture;
    s.Description = "Popis";
    return s;
  }

  static Rgb ScreenPixel(int x, int y) {
    const uint8_t* p = VirtualScreen + (static_cast<size_t>(y) * SCREEN_WIDTH + x) * 4;
    return Rgb{p[0], p[1], p[2]};
  }

  void WriteRed(const std::string& name, int w, int h) {
    ASSERT_TRUE(test_support::WriteBytes(
        Path(name), test_support::BuildBmp24(w, h, std::vector<Rgb>(static_cast<size_t>(w * h), Rgb{0, 0, 255}))));
  }

  TListItemForm::TPicturePanel& Panel() { return *ListItemForm->PicturePanel; }
};

TEST_F(ItemViewTest, ShowsTheRecordsTextsAndAWidePictureFittedIntoThePanel) {
  ASSERT_NO_FATAL_FAILURE(WriteRed("wide.bmp", 1000, 500));
  ShowListItem(Record("wide.bmp"));
  Frame();
  ASSERT_TRUE(ListItemForm->Visible);
  EXPECT_EQ(Toolkit().Focused, PComponentBase(&ListItemForm->OKButton));
  EXPECT_EQ(ListItemForm->IndexInArray, "7");
  EXPECT_EQ(ListItemForm->NGC, "6853");
  EXPECT_EQ(ListItemForm->Rect, "19.993");
  EXPECT_EQ(ListItemForm->Dec, "-22.700");
  EXPECT_EQ(ListItemForm->Distance, "1360.000");
  EXPECT_EQ(ListItemForm->TypeOfNebula, "Planetárna hmlovina"_cp);
  EXPECT_EQ(Panel().Result_, 0);
  EXPECT_TRUE(Panel().ErrorMessage.empty());

  // The 439 x 220 picture starts 49 rows below the area's top edge.
  const TViewport c = Panel().RealCanvasPos;
  const int top = c.Y1 + 20 + 49;
  EXPECT_EQ(ScreenPixel(c.X1 + 20, top), (Rgb{0, 0, 255}));
  EXPECT_EQ(ScreenPixel(c.X1 + 20 + 438, top + 219), (Rgb{0, 0, 255}));
  EXPECT_EQ(ScreenPixel(c.X1 + 20, top - 1), (Rgb{0, 0, 0}));
  EXPECT_EQ(ScreenPixel(c.X1 + 20 + 439, top), (Rgb{0, 0, 0}));
  EXPECT_EQ(ScreenPixel(c.X1 + 20, top + 220), (Rgb{0, 0, 0}));
  EXPECT_EQ(ScreenPixel(c.X1 + 1, c.Y2 - 1), (Rgb{30, 0, 0}));  // the caption bar
}

TEST_F(ItemViewTest, AnUnknownDistanceIsSaidSoInTheItemViewAndTheList) {
  std::string cell;
  for (double distance : {0.0, 1e-5, -3.0}) {
    TNebula s = Record("");
    s.Distance = distance;
    ShowListItem(s);
    ListCellText(s, 5, cell);
    const bool unknown = distance == 0;
    EXPECT_EQ(ListItemForm->Distance == "neznáma"_cp, unknown) << distance;
    EXPECT_EQ(cell == "neznáma"_cp, unknown) << distance;
  }
}

TEST_F(ItemViewTest, ASmallPictureIsShownUnscaledAndCentred) {
  ASSERT_NO_FATAL_FAILURE(WriteRed("small.bmp", 200, 100));
  ShowListItem(Record("small.bmp"));
  Frame();
  EXPECT_EQ(Panel().Picture.ImageWidth, 200u);
  const TViewport c = Panel().RealCanvasPos;
  EXPECT_EQ(ScreenPixel(c.X1 + 20 + 119, c.Y1 + 20 + 109), (Rgb{0, 0, 255}));
  EXPECT_EQ(ScreenPixel(c.X1 + 20 + 118, c.Y1 + 20 + 109), (Rgb{0, 0, 0}));
  EXPECT_EQ(ScreenPixel(c.X1 + 20 + 318, c.Y1 + 20 + 208), (Rgb{0, 0, 255}));
  EXPECT_EQ(ScreenPixel(c.X1 + 20 + 319, c.Y1 + 20 + 208), (Rgb{0, 0, 0}));
}

TEST_F(ItemViewTest, PicturesThatCannotBeShownGiveTheirMessageAndDrawNothing) {
  // Relative to the database's folder, whichever separator its path uses.
  std::filesystem::create_directory(Path("kat"));
  ASSERT_NO_FATAL_FAILURE(WriteRed("kat/ok.bmp", 10, 10));
  Catalogue().DatabaseInfo.Path = "kat\\a.cvl";
  ShowListItem(Record("ok.bmp"));
  EXPECT_EQ(Panel().Result_, 0);
  Catalogue().DatabaseInfo.Path = "kat/a.cvl";
  ShowListItem(Record("ok.bmp"));
  EXPECT_EQ(Panel().Result_, 0);

  ShowListItem(Record(""));
  EXPECT_EQ(Panel().Result_, 1);
  EXPECT_FALSE(Panel().Picture.Loaded);
  EXPECT_EQ(Panel().ErrorMessage, "Súbor s obrázkom neexistuje, alebo sa nedá načítať!"_cp);

  std::vector<uint8_t> compressed = test_support::BuildBmp24(4, 4, std::vector<Rgb>(16, Rgb{0, 0, 255}));
  test_support::Put32(compressed, test_support::bmp_offsets::kCompression, 1);
  ASSERT_TRUE(test_support::WriteBytes(Path("kat/rle.bmp"), compressed));
  ShowListItem(Record("rle.bmp"));
  EXPECT_EQ(Panel().Result_, 2);
  EXPECT_EQ(Panel().ErrorMessage, "Obrázok je komprimovaný!"_cp);
  EXPECT_FALSE(Panel().Picture.Loaded);
  Frame();
  const TViewport c = Panel().RealCanvasPos;
  for (int y = c.Y1 + 20; y < c.Y1 + 100; y += 7) EXPECT_NE(ScreenPixel(c.X1 + 220, y), (Rgb{0, 0, 255}));

  // A header promising far more than 20 MB, and one cut off in its rows.
  std::vector<uint8_t> huge = compressed;
  test_support::Put32(huge, test_support::bmp_offsets::kCompression, 0);
  test_support::Put32(huge, test_support::bmp_offsets::kWidth, 60000);
  test_support::Put32(huge, test_support::bmp_offsets::kHeight, 60000);
  ASSERT_TRUE(test_support::WriteBytes(Path("kat/huge.bmp"), huge));
  ShowListItem(Record("huge.bmp"));
  EXPECT_TRUE(Panel().Result_ == 4 || Panel().Result_ == 5) << int(Panel().Result_);
  EXPECT_FALSE(Panel().ErrorMessage.empty());
  std::vector<uint8_t> cut = test_support::BuildBmp24(100, 100, std::vector<Rgb>(10000));
  cut.resize(cut.size() / 2);
  ASSERT_TRUE(test_support::WriteBytes(Path("kat/cut.bmp"), cut));
  ShowListItem(Record("cut.bmp"));
  EXPECT_EQ(Panel().Result_, 1);
#ifndef _WIN32
  // A pipe is never opened: reading it would wait for a writer forever.
  // (Windows has no FIFO in a folder; its devices are refused by the file layer.)
  ASSERT_EQ(mkfifo(Path("kat/pipe.bmp").c_str(), 0600), 0);
  ShowListItem(Record("pipe.bmp"));
  EXPECT_EQ(Panel().Result_, 1);
#endif
  Frame();
}

TEST_F(ItemViewTest, ARightClickOnThePictureShowsItOverTheWholeScreen) {
  ASSERT_NO_FATAL_FAILURE(WriteRed("wide.bmp", 1000, 500));
  ShowListItem(Record("wide.bmp"));
  Frame();
  const TViewport c = Panel().RealCanvasPos;
  backend_.SetCursor(c.X1 + 100, c.Y1 + 100);
  Frame();
  backend_.SetKey(2, true);
  Frame();
  backend_.SetKey(2, false);
  Frame(2);
  ASSERT_TRUE(FullscreenForm->Visible);
  EXPECT_EQ(FullscreenForm->NameOfNebula, "Činka"_cp);
  EXPECT_EQ(FullscreenForm->CaptionRest, "Činka (wide.bmp)"_cp);
  EXPECT_EQ(Toolkit().Focused, PComponentBase(&FullscreenForm->OKButton));
  // 1000 x 500 in 983 x 727: 983 x 492 (491.5 to even), 117 rows down.
  const TViewport f = FullscreenForm->RealCanvasPos;
  EXPECT_EQ(ScreenPixel(f.X1 + 20, f.Y1 + 20 + 117), (Rgb{0, 0, 255}));
  EXPECT_EQ(ScreenPixel(f.X1 + 20, f.Y1 + 20 + 116), (Rgb{0, 0, 0}));
  FullscreenForm->OKButton->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(FullscreenForm->Visible);
  ListItemForm->OKButton->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(ListItemForm->Visible);
}

}  // namespace
