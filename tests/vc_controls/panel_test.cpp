// Panels, labels and containers: geometry, the raised, sunken and round looks
// edge by edge, focus dots, Enter, label sizing, and the mouse-transparent,
// clipping container.

#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "tests/support/bmp_builder.h"

#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_button.h"
#include "vc/vc_container.h"
#include "vc/vc_label.h"
#include "vc/vc_panel.h"

namespace vc_controls_test {
namespace {

class TProbePanel : public TPanel {
 public:
  int Clicks = 0;
  TPoint LastClick;
  void OnMouseLeftClick(int32_t x, int32_t y) override {
    ++Clicks;
    LastClick = TPoint{x, y};
  }
};

class PanelTest : public ControlsTest {
 protected:
  // Canvas 100 x 20 at (50, 50): outer (50, 50)-(157, 77).
  TProbePanel* MakePanel(TPanelStyle style, bool canFocus = false, int32_t x = 50, int32_t y = 50,
                         uint32_t w = 100, uint32_t h = 20) {
    panel = new TProbePanel();
    panel->CreateComponent(&panel, canFocus, style, x, y, w, h);
    return panel.Get();
  }
  void AllBorders() { panel->Borders = TBorders{true, true, true, true}; }

  TOwned<TProbePanel> panel;
};

TEST_F(PanelTest, GeometryHasAFourPixelBorder) {
  TProbePanel* p = MakePanel(PS_Classic, false, 0, 0);
  EXPECT_EQ(p->ComponentPos, (TViewport{0, 0, 107, 27}));
  EXPECT_EQ(p->CanvasPos, (TViewport{4, 4, 103, 23}));
  EXPECT_EQ(Toolkit().ActualComponent, &desk) << "creation restores the current parent";
  p->SetHeight(30);
  EXPECT_EQ(p->ComponentPos, (TViewport{0, 0, 107, 37}));
  EXPECT_EQ(p->CanvasPos, (TViewport{4, 4, 103, 33}));
}

TEST_F(PanelTest, WithoutBordersOnlyTheFillIsDrawn) {
  MakePanel(PS_Classic);
  Frame();
  EXPECT_TRUE(AllOf(50, 50, 157, 77, kFace));
  EXPECT_EQ(At(49, 50), kBlack);
  EXPECT_EQ(At(158, 77), kBlack);
  EXPECT_EQ(At(157, 78), kBlack);
}

TEST_F(PanelTest, RaisedAndSunkenBevelsOnAllSides) {
  struct Look {
    TPanelStyle style;
    Rgb outer_top_left, outer_bottom_right, inner_top_left, inner_bottom_right;
  };
  for (const Look& look : {Look{PS_Classic, kWhite, kDark, kLight, kShade},
                           Look{PS_DownSituated, kDark, kWhite, kShade, kLight}}) {
    SCOPED_TRACE(look.style);
    MakePanel(look.style);
    AllBorders();
    Frame();
    // The top and left lines stop short of the corners the bottom and right ones own.
    EXPECT_EQ(At(50, 50), look.outer_top_left);
    EXPECT_EQ(At(156, 50), look.outer_top_left);
    EXPECT_EQ(At(157, 50), look.outer_bottom_right);
    EXPECT_EQ(At(50, 76), look.outer_top_left);
    EXPECT_EQ(At(50, 77), look.outer_bottom_right);
    EXPECT_EQ(At(157, 77), look.outer_bottom_right);
    EXPECT_EQ(At(51, 51), look.inner_top_left);
    EXPECT_EQ(At(155, 51), look.inner_top_left);
    EXPECT_EQ(At(156, 51), look.inner_bottom_right);
    EXPECT_EQ(At(51, 75), look.inner_top_left);
    EXPECT_EQ(At(51, 76), look.inner_bottom_right);
    EXPECT_EQ(At(156, 76), look.inner_bottom_right);
    EXPECT_TRUE(AllOf(52, 52, 155, 75, kFace));
    panel->Free();
  }
}

TEST_F(PanelTest, EachBorderSideIsDrawnOnItsOwn) {
  TProbePanel* p = MakePanel(PS_Classic);
  p->Borders.Up = true;
  Frame();
  EXPECT_EQ(At(50, 50), kWhite);
  EXPECT_EQ(At(156, 50), kWhite);
  EXPECT_EQ(At(157, 50), kFace) << "the top line stops short of the right edge";
  EXPECT_EQ(At(50, 51), kFace) << "no left side";
  EXPECT_EQ(At(51, 51), kLight);
  EXPECT_EQ(At(50, 77), kFace);

  p->Borders = TBorders{};
  p->Borders.Right = true;
  Frame();
  EXPECT_EQ(At(157, 50), kDark);
  EXPECT_EQ(At(157, 76), kDark);
  EXPECT_EQ(At(157, 77), kFace) << "no bottom side";
  EXPECT_EQ(At(156, 51), kShade);
  EXPECT_EQ(At(50, 50), kFace);
}

TEST_F(PanelTest, CirclePanelIsRoundAroundItsOuterCentre) {
  TProbePanel* p = MakePanel(PS_Circle, false, 100, 100, 40, 30);
  p->Borders = TBorders{true, true, true, true};  // ignored by the round look
  Frame();
  // Centre 24 right and 19 down from the outer corner, radius 19.
  const int cx = 124, cy = 119;
  EXPECT_EQ(At(cx, cy), kFace);
  EXPECT_EQ(At(cx + 19, cy), (Rgb{143, 131, 120}));
  EXPECT_EQ(At(cx - 19, cy), (Rgb{143, 131, 120}));
  EXPECT_EQ(At(cx, cy - 19), (Rgb{143, 131, 120}));
  EXPECT_EQ(At(cx + 18, cy), (Rgb{193, 181, 180}));
  EXPECT_EQ(At(cx, cy + 18), (Rgb{193, 181, 180}));
  EXPECT_EQ(At(cx + 20, cy), kBlack);
  EXPECT_EQ(At(100, 100), kBlack) << "the corners stay uncovered";
}

TEST_F(PanelTest, TitleSitsAtItsOffsetAndIsClippedToThePanel) {
  TProbePanel* p = MakePanel(PS_Classic);
  p->Title = "AB";
  Frame();
  EXPECT_TRUE(AllOf(54, 54, 61, 63, kBlack));
  EXPECT_EQ(At(53, 54), kFace);
  EXPECT_EQ(At(62, 54), kFace);
  p->TitleX = 104;  // runs past the right edge
  p->TitleY = 20;   // and past the bottom
  Frame();
  EXPECT_TRUE(AllOf(154, 70, 157, 77, kBlack));
  EXPECT_EQ(At(158, 70), kBlack);  // the desk, not text
  EXPECT_EQ(At(154, 78), kBlack);
  EXPECT_EQ(At(153, 70), kFace);
}

TEST_F(PanelTest, FocusedPanelShowsDotsAndTakesEnterAsAClick) {
  TProbePanel* p = MakePanel(PS_Classic, true);
  Frame();
  EXPECT_EQ(At(54, 53), kFace);
  p->CatchFocus();
  Frames(2);
  // Top row y = 53 and bottom row y = 74 at x = 52 + i for even i = 2 ... 102.
  EXPECT_EQ(At(53, 53), kFace);
  EXPECT_EQ(At(54, 53), kBlack);
  EXPECT_EQ(At(55, 53), kFace);
  EXPECT_EQ(At(154, 53), kBlack);
  EXPECT_EQ(At(155, 53), kFace);
  EXPECT_EQ(At(54, 74), kBlack);
  // Left column x = 53 and right column x = 154 at y = 52 + i for even i = 2 ... 20.
  EXPECT_EQ(At(53, 54), kBlack);
  EXPECT_EQ(At(53, 55), kFace);
  EXPECT_EQ(At(53, 72), kBlack);
  EXPECT_EQ(At(53, 74), kFace) << "the column stops at i = Height + 1";
  EXPECT_EQ(At(154, 54), kBlack);

  Key(vk::RETURN, true);
  EXPECT_TRUE(p->Enter_Pressed);
  EXPECT_EQ(At(50, 50), kFace) << "a panel has no pressed look";
  Key(vk::RETURN, false);
  EXPECT_EQ(p->Clicks, 1);
  EXPECT_EQ(p->LastClick, (TPoint{-1, -1}));
  EXPECT_FALSE(p->Enter_Pressed);

  Key(vk::RETURN, true);
  Toolkit().Focused = nullptr;
  Frame();
  EXPECT_FALSE(p->Enter_Pressed) << "losing the focus drops the held Enter";
  Key(vk::RETURN, false);
  EXPECT_EQ(p->Clicks, 1);
  EXPECT_EQ(At(54, 53), kFace);
}

TEST_F(PanelTest, MouseClickReachesThePanelHook) {
  TProbePanel* p = MakePanel(PS_Classic);
  MoveTo(60, 60);
  Key(vk::LBUTTON, true);
  Key(vk::LBUTTON, false);
  EXPECT_EQ(p->Clicks, 1);
  EXPECT_EQ(p->LastClick, (TPoint{6, 6}));
}

TEST_F(PanelTest, TextureCoversTheWholePanelAndNoMore) {
  // Outer (50, 50)-(157, 77): 108 x 28, tiles of 5 x 3 start on the last
  // column and row and are cut at the edges.
  TProbePanel* p = MakePanel(PS_Classic);
  p->Borders.Up = true;
  LoadPicture(p->Texture, 5, 3, test_support::Rgb{90, 80, 10});
  Frame();
  const Rgb tile{10, 80, 90};
  EXPECT_EQ(At(50, 50), kWhite) << "borders lie over the texture";
  EXPECT_TRUE(AllOf(50, 52, 157, 77, tile));
  EXPECT_EQ(At(158, 77), kBlack);
  EXPECT_EQ(At(157, 78), kBlack);
}

class LabelTest : public ControlsTest {
 protected:
  TOwned<TLabel> label;
};

TEST_F(LabelTest, SizedToItsTextWhichSitsCentred) {
  label = new TLabel();
  label->CreateComponent(&label, false, 200, 100, "AB");
  EXPECT_EQ(label->Title, "AB");
  // Text 8 x 10: canvas 18 x 12, outer 26 x 20, text offset (9, 5).
  EXPECT_EQ(label->Width, 18);
  EXPECT_EQ(label->Height, 12);
  EXPECT_EQ(label->ComponentPos, (TViewport{200, 100, 225, 119}));
  EXPECT_EQ(label->TitleX, 9);
  EXPECT_EQ(label->TitleY, 5);
  Frame();
  EXPECT_TRUE(AllOf(209, 105, 216, 114, kBlack));
  EXPECT_EQ(At(208, 105), kFace);
  EXPECT_EQ(At(217, 114), kFace);
  EXPECT_EQ(At(209, 104), kFace);
  EXPECT_EQ(At(209, 115), kFace);
  EXPECT_EQ(At(200, 100), kFace) << "no borders";
  EXPECT_EQ(At(225, 119), kFace);
  EXPECT_EQ(At(226, 119), kBlack);
}

TEST_F(LabelTest, NewFontResizesWithoutMovingTheText) {
  label = new TLabel();
  label->CreateComponent(&label, false, 200, 100, "AB");
  label->SetFont(&large_font);
  // Text 12 x 14: canvas 22 x 16.
  EXPECT_EQ(label->Width, 22);
  EXPECT_EQ(label->Height, 16);
  EXPECT_EQ(label->ComponentPos, (TViewport{200, 100, 229, 123}));
  EXPECT_EQ(label->CanvasPos, (TViewport{4, 4, 25, 19}));
  EXPECT_EQ(label->TitleX, 9);
  EXPECT_EQ(label->TitleY, 5);
  Frame();
  EXPECT_TRUE(AllOf(209, 105, 220, 118, kBlack));
  EXPECT_EQ(At(221, 105), kFace);
}

TEST_F(LabelTest, RealFontTextStaysInItsBox) {
  TFont tahoma;
  uint8_t result = 255;
  LoadFNTFont(std::string(CORVALA_SOURCE_DIR) + "/data/Fonts/Tahoma_10pt_normal.fnt", tahoma, result);
  ASSERT_EQ(result, 0) << "the program's committed font data/Fonts/Tahoma_10pt_normal.fnt does not load";
  label = new TLabel();
  label->CreateComponent(&label, false, 200, 100, "Ľadová hmlovina"_cp);
  label->SetFont(&tahoma);
  const int32_t length = static_cast<int32_t>(GetTextLength(tahoma, label->Title));
  ASSERT_GT(length, 0);
  EXPECT_EQ(label->Width, length + 10);
  EXPECT_EQ(label->Height, tahoma.PixHeight + 2);
  Frame();
  // Ink only inside the text's box at offset (9, 5); the rest is the face.
  const TViewport& r = label->RealComponentPos;
  const int32_t tx1 = r.X1 + 9, ty1 = r.Y1 + 5, tx2 = tx1 + length - 1, ty2 = ty1 + tahoma.PixHeight - 1;
  int ink = 0, stray = 0;
  for (int y = r.Y1; y <= r.Y2; ++y) {
    for (int x = r.X1; x <= r.X2; ++x) {
      const bool inBox = x >= tx1 && x <= tx2 && y >= ty1 && y <= ty2;
      if (At(x, y) == kBlack) {
        inBox ? ++ink : ++stray;
      } else if (!(At(x, y) == kFace)) {
        ++stray;
      }
    }
  }
  EXPECT_GT(ink, 30);
  EXPECT_EQ(stray, 0);
  label->Free();
  FreeFNTFont(tahoma);
}

class ContainerTest : public ControlsTest {
 protected:
  TOwned<TProbePanel> below;
  TOwned<TContainer> container;
  TOwned<TButton> inner;
};

TEST_F(ContainerTest, CreationLeavesItAsTheCurrentParent) {
  container = new TContainer();
  container->CreateComponent(&container, 120, 130, 50, 40);
  EXPECT_EQ(container->ComponentPos, (TViewport{120, 130, 169, 169}));
  EXPECT_EQ(container->CanvasPos, (TViewport{0, 0, 49, 39}));
  EXPECT_FALSE(container->CanCatchMouseEvent);
  EXPECT_EQ(Toolkit().ActualComponent, &container);
  inner = new TButton();
  inner->CreateComponent(&inner, false, BS_Classic, "", 0, 0, 10, 10);
  EXPECT_EQ(inner->MotherComponent, &container);
  Toolkit().ActualComponent = &desk;
  container->SetWidth(10);
  EXPECT_EQ(container->ComponentPos, (TViewport{120, 130, 129, 169}));
}

TEST_F(ContainerTest, ClicksGoThroughAndChildrenAreClippedToIt) {
  below = new TProbePanel();
  below->CreateComponent(&below, false, PS_Classic, 100, 100, 100, 100);  // outer (100, 100)-(207, 207)
  container = new TContainer();
  container->CreateComponent(&container, 120, 120, 50, 50);  // (120, 120)-(169, 169)
  inner = new TButton();
  inner->CreateComponent(&inner, false, BS_Classic, "", 40, 40, 20, 10);  // would reach (189, 179)
  Toolkit().ActualComponent = &desk;
  Frame();
  // The container draws nothing; the button is cut at the container's edge.
  EXPECT_EQ(At(130, 130), kFace);
  EXPECT_EQ(At(160, 160), kWhite);
  EXPECT_EQ(At(169, 160), kWhite);
  EXPECT_EQ(At(170, 160), kFace) << "the panel below, not the button's top edge";

  // A click on the container alone reaches the panel below it.
  MoveTo(130, 130);
  Key(vk::LBUTTON, true);
  Key(vk::LBUTTON, false);
  EXPECT_EQ(below->Clicks, 1);

  // On the button's clipped-off part the click also goes to the panel.
  MoveTo(175, 165);
  EXPECT_FALSE(inner->PMouseIs);
  Key(vk::LBUTTON, true);
  Key(vk::LBUTTON, false);
  EXPECT_EQ(below->Clicks, 2);

  // On its visible part the button takes it.
  MoveTo(165, 165);
  Key(vk::LBUTTON, true);
  EXPECT_TRUE(inner->PMouseLeftDown);
  Key(vk::LBUTTON, false);
  EXPECT_EQ(below->Clicks, 2);
}

}  // namespace
}  // namespace vc_controls_test
