// The push button: geometry, the four looks pixel by pixel, the mouse and
// Enter as ways to press it, the hand cursor, textures and keyed pictures.

#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "tests/support/bmp_builder.h"
#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_button.h"
#include "vc/vc_panel.h"

namespace vc_controls_test {
namespace {

class TProbeButton : public TButton {
 public:
  int Clicks = 0;
  int Arrivals = 0;
  int Presses = 0;
  TPoint LastClick;
  bool ClickSeenInCheck = false;

  void OnMouseLeftClick(int32_t x, int32_t y) override {
    ++Clicks;
    LastClick = TPoint{x, y};
  }
  void OnMouseArrive(int32_t, int32_t) override { ++Arrivals; }
  void OnMouseLeftDown(int32_t, int32_t) override { ++Presses; }
  void OnCheck() override { ClickSeenInCheck = PMouseLeftClick; }
};

// Draws a picture with a colour key at a chosen place of its canvas.
class TPictureButton : public TButton {
 public:
  TPicture Picture;
  int32_t OffsetX = 0;
  void OnDraw() override {
    ShowAlphaScaleBMPPicture(RealCanvasPos.X1 + OffsetX, RealCanvasPos.Y1, Picture, Picture.ImageWidth,
                             Picture.ImageHeight, 0, true, TColor{255, 0, 255, 0});
  }
  void OnFree() override { FreeBMPPicture(Picture); }
};

class ButtonTest : public ControlsTest {
 protected:
  // Canvas 20 x 10 at (100, 100): outer (100, 100)-(129, 119), canvas (105, 105)-(124, 114).
  TProbeButton* MakeButton(TOwned<TProbeButton>& slot, int32_t x = 100, int32_t y = 100, bool canFocus = false,
                           std::string_view title = "", uint32_t height = 10) {
    slot = new TProbeButton();
    slot->CreateComponent(&slot, canFocus, BS_Classic, title, x, y, 20, height);
    return slot.Get();
  }

  // Slots outlive the tests' bodies: the desk frees what they hold.
  TOwned<TProbeButton> a, b;
  TOwned<TPictureButton> picture;
  TOwned<TPanel> panel, enabled;
};

TEST_F(ButtonTest, GeometryFollowsCanvasSizeAndPosition) {
  TProbeButton* button = MakeButton(a, 10, 20);
  button->SetWidth(80);
  button->SetHeight(25);
  EXPECT_EQ(button->ComponentPos, (TViewport{10, 20, 99, 54}));
  EXPECT_EQ(button->CanvasPos, (TViewport{5, 5, 84, 29}));
  Frame();
  EXPECT_EQ(button->RealCanvasPos, (TViewport{15, 25, 94, 49}));

  button->SetX(-4);
  EXPECT_EQ(button->ComponentPos, (TViewport{-4, 20, 85, 54}));
  EXPECT_EQ(button->CanvasPos, (TViewport{5, 5, 84, 29}));
}

TEST_F(ButtonTest, NormalLookBevelCanvasAndCentredTitle) {
  MakeButton(a, 100, 100, false, "AB");
  Frame();
  // Outer light edge, then the dark one, which owns both right corners.
  EXPECT_EQ(At(100, 100), kWhite);
  EXPECT_EQ(At(128, 100), kWhite);
  EXPECT_EQ(At(129, 100), kDark);
  EXPECT_EQ(At(100, 118), kWhite);
  EXPECT_EQ(At(100, 119), kDark);
  EXPECT_EQ(At(129, 119), kDark);
  EXPECT_EQ(At(129, 118), kDark);
  // Inner edges.
  EXPECT_EQ(At(101, 101), kLight);
  EXPECT_EQ(At(127, 101), kLight);
  EXPECT_EQ(At(128, 101), kShade);
  EXPECT_EQ(At(101, 117), kLight);
  EXPECT_EQ(At(101, 118), kShade);
  EXPECT_EQ(At(128, 118), kShade);
  // The face between the bevel and the canvas, and the canvas itself.
  EXPECT_TRUE(AllOf(102, 102, 127, 104, kFace));
  EXPECT_TRUE(AllOf(102, 115, 127, 117, kFace));
  EXPECT_TRUE(AllOf(105, 105, 110, 114, kFace));
  EXPECT_TRUE(AllOf(119, 105, 124, 114, kFace));
  // "AB" is 8 x 10: centred in the 20 x 10 canvas at (111, 105).
  EXPECT_TRUE(AllOf(111, 105, 118, 114, kBlack));
  // Nothing outside the outer rectangle.
  EXPECT_EQ(At(99, 100), kBlack);
  EXPECT_EQ(At(130, 119), kBlack);
  EXPECT_EQ(At(100, 120), kBlack);
}

TEST_F(ButtonTest, TitleCentringRoundsHalfwayToEven) {
  // Canvas 20 x 10; a 7-pixel text ("A " is 4 + 3) leaves 13: 6.5 rounds to 6.
  MakeButton(a, 100, 100, false, "A ");
  Frame();
  EXPECT_EQ(At(110, 105), kFace);
  EXPECT_TRUE(AllOf(111, 105, 114, 114, kBlack));
  a->CenteredText = false;
  Frame();
  EXPECT_TRUE(AllOf(105, 105, 108, 114, kBlack));
  EXPECT_EQ(At(109, 105), kFace);
}

TEST_F(ButtonTest, PressReleaseInsideClicksOnceWithCanvasCoordinates) {
  TProbeButton* button = MakeButton(a);
  MoveTo(110, 108);
  host.SetKey(vk::LBUTTON, true);
  Frame();
  EXPECT_EQ(button->Presses, 1);
  EXPECT_EQ(Toolkit().ActiveComponent, &a);
  // Pressed look: black outer edge all round, shade inside it.
  EXPECT_EQ(At(100, 100), kBlack);
  EXPECT_EQ(At(129, 100), kBlack);
  EXPECT_EQ(At(100, 119), kBlack);
  EXPECT_EQ(At(129, 119), kBlack);
  EXPECT_EQ(At(101, 101), kShade);
  EXPECT_EQ(At(128, 118), kShade);
  EXPECT_EQ(At(102, 102), kFace);
  // Not focusable, so no focus dots.
  EXPECT_EQ(At(106, 104), kFace);
  Frame();
  EXPECT_EQ(button->Clicks, 0) << "holding is not clicking";

  host.SetKey(vk::LBUTTON, false);
  Frame();
  EXPECT_EQ(button->Clicks, 1);
  EXPECT_EQ(button->LastClick, (TPoint{5, 3}));
  EXPECT_EQ(At(100, 100), kWhite) << "back to the normal look";
  Frame();
  EXPECT_EQ(button->Clicks, 1);
}

TEST_F(ButtonTest, ReleaseOutsideGivesNoClickAndNothingElseHearsTheMouse) {
  TProbeButton* first = MakeButton(a, 100, 100);
  TProbeButton* second = MakeButton(b, 200, 100);
  MoveTo(110, 108);
  host.SetKey(vk::LBUTTON, true);
  Frame();
  MoveTo(210, 108);
  EXPECT_EQ(second->Arrivals, 0) << "the mouse is captured by the first button";
  EXPECT_EQ(At(100, 100), kWhite) << "outside, the captured button looks released";
  MoveTo(111, 108);
  EXPECT_EQ(At(100, 100), kBlack) << "back inside it looks pressed again";
  MoveTo(210, 108);
  host.SetKey(vk::LBUTTON, false);
  Frame();
  EXPECT_EQ(first->Clicks, 0);
  EXPECT_EQ(second->Clicks, 0);
  EXPECT_EQ(second->Presses, 0);
}

TEST_F(ButtonTest, HandCursorIsKeptBetweenAdjacentButtons) {
  MakeButton(a, 100, 100);
  MakeButton(b, 130, 100);  // touches the first one's right edge
  MoveTo(110, 108);
  EXPECT_EQ(Toolkit().Link, L_Hover);
  Frame();
  EXPECT_EQ(Toolkit().Link, L_No_Response) << "staying on the button asks for nothing";
  // From the first (checked after the second) onto the second.
  MoveTo(140, 108);
  EXPECT_EQ(Toolkit().Link, L_Hover);
  // And back.
  MoveTo(120, 108);
  EXPECT_EQ(Toolkit().Link, L_Hover);
  MoveTo(300, 300);
  EXPECT_EQ(Toolkit().Link, L_Leaved);
}

TEST_F(ButtonTest, EnterOnFocusedButtonPressesAndClicks) {
  TProbeButton* button = MakeButton(a, 100, 100, true);
  button->CatchFocus();
  Frames(2);  // the focus arms Enter, which must be seen up once
  // Focused look: black outer frame, white then dark bevel, dotted focus rectangle.
  EXPECT_EQ(At(100, 100), kBlack);
  EXPECT_EQ(At(129, 119), kBlack);
  EXPECT_EQ(At(101, 101), kWhite);
  EXPECT_EQ(At(128, 118), kDark);
  EXPECT_EQ(At(102, 102), kLight);
  EXPECT_EQ(At(127, 117), kShade);
  EXPECT_EQ(At(103, 103), kFace);
  EXPECT_EQ(At(104, 104), kFace) << "odd dot";
  EXPECT_EQ(At(105, 104), kBlack) << "first even dot of the top row";
  EXPECT_EQ(At(105, 115), kBlack) << "first even dot of the bottom row";
  EXPECT_EQ(At(104, 105), kBlack) << "first even dot of the left column";
  EXPECT_EQ(At(104, 106), kFace);
  EXPECT_EQ(At(125, 105), kBlack) << "first even dot of the right column";

  Key(vk::RETURN, true);
  EXPECT_TRUE(button->Enter_Pressed);
  EXPECT_EQ(Toolkit().ActiveComponent, &a) << "Enter presses like the mouse";
  EXPECT_EQ(At(100, 100), kBlack);
  EXPECT_EQ(At(101, 101), kShade) << "pressed look";
  EXPECT_EQ(At(105, 104), kBlack) << "focus dots stay";
  EXPECT_EQ(button->Presses, 0) << "the press is the framework's, not the hook's";
  Frame();
  EXPECT_EQ(button->Clicks, 0);

  Key(vk::RETURN, false);
  EXPECT_EQ(button->Clicks, 1);
  EXPECT_EQ(button->LastClick, (TPoint{-1, -1}));
  EXPECT_TRUE(button->ClickSeenInCheck) << "the Enter release counts as a click for the rest of the frame";
  EXPECT_FALSE(button->Enter_Pressed);
  EXPECT_EQ(At(101, 101), kWhite) << "focused look again";
  Frame();
  EXPECT_FALSE(button->ClickSeenInCheck);
  EXPECT_EQ(button->Clicks, 1);
}

TEST_F(ButtonTest, LosingFocusWhileEnterIsHeldCancelsTheClick) {
  TProbeButton* button = MakeButton(a, 100, 100, true);
  button->CatchFocus();
  Frames(2);
  Key(vk::RETURN, true);
  ASSERT_TRUE(button->Enter_Pressed);
  Toolkit().Focused = nullptr;
  Frame();
  EXPECT_FALSE(button->Enter_Pressed);
  EXPECT_EQ(At(100, 100), kWhite);
  Key(vk::RETURN, false);
  Frame();
  EXPECT_EQ(button->Clicks, 0);
}

TEST_F(ButtonTest, DisabledButtonIsGreyEmbossedAndSwallowsTheMouse) {
  panel = new TPanel();
  panel->CreateComponent(&panel, false, PS_Classic, 90, 90, 100, 100);
  Toolkit().ActualComponent = &desk;
  // Canvas 20 x 12 at (105, 105), so that the shadow below the title shows.
  TProbeButton* button = MakeButton(a, 100, 100, true, "AB", 12);
  button->Enable = false;
  Frame();
  // Normal bevel, title in grey with a white copy one pixel lower.
  EXPECT_EQ(At(100, 100), kWhite);
  EXPECT_EQ(At(129, 100), kDark);
  EXPECT_TRUE(AllOf(111, 106, 118, 115, kShade));
  EXPECT_TRUE(AllOf(111, 116, 118, 116, kWhite));
  EXPECT_EQ(At(119, 107), kFace) << "a centred title's shadow is not shifted right";

  MoveTo(110, 108);
  host.SetKey(vk::LBUTTON, true);
  Frame();
  EXPECT_EQ(At(100, 100), kWhite) << "never the pressed look";
  EXPECT_EQ(button->Presses, 0);
  EXPECT_FALSE(panel->PMouseIs) << "the panel below gets nothing";
  EXPECT_FALSE(panel->PMouseLeftDown);
  host.SetKey(vk::LBUTTON, false);
  Frame();
  EXPECT_EQ(button->Clicks, 0);
  EXPECT_FALSE(panel->PMouseLeftClick);

  // Focused and disabled: still the normal look.
  button->CatchFocus();
  Frames(2);
  EXPECT_EQ(At(100, 100), kWhite);

  // An uncentred title's shadow moves right as well.
  button->CenteredText = false;
  Frame();
  EXPECT_TRUE(AllOf(105, 105, 112, 114, kShade));
  EXPECT_TRUE(AllOf(113, 106, 113, 115, kWhite));
  EXPECT_TRUE(AllOf(106, 115, 113, 115, kWhite));
  EXPECT_EQ(At(105, 115), kFace);
}

TEST_F(ButtonTest, DisabledAncestorGreysTheTitleOverTheNormalLook) {
  panel = new TPanel();
  panel->CreateComponent(&panel, false, PS_Classic, 90, 90, 100, 100);
  Toolkit().ActualComponent = &panel;
  // (10, 10) in the panel's canvas, which starts 4 pixels in: outer (104, 104).
  MakeButton(a, 10, 10, false, "AB", 12);
  Toolkit().ActualComponent = &desk;
  panel->Enable = false;
  Frames(2);
  EXPECT_EQ(At(104, 104), kWhite);
  EXPECT_TRUE(AllOf(115, 110, 122, 119, kShade));
  EXPECT_TRUE(AllOf(115, 120, 122, 120, kWhite));
}

TEST_F(ButtonTest, UnderADisabledAncestorTheGreyLookOnlyRepaintsTheCanvas) {
  // Two translucent buttons, in an enabled and in a disabled panel: the bevel
  // is blended once in both, and a held Enter keeps its pressed frame.
  enabled = new TPanel();
  enabled->CreateComponent(&enabled, false, PS_Classic, 300, 90, 100, 100);
  Toolkit().ActualComponent = &enabled;
  MakeButton(b, 10, 10, true, "AB", 12)->AlphaBlending = 128;
  panel = new TPanel();
  Toolkit().ActualComponent = &desk;
  panel->CreateComponent(&panel, false, PS_Classic, 90, 90, 100, 100);
  Toolkit().ActualComponent = &panel;
  TProbeButton* button = MakeButton(a, 10, 10, true, "AB", 12);
  button->AlphaBlending = 128;
  Toolkit().ActualComponent = &desk;
  panel->Enable = false;
  Frames(2);
  EXPECT_EQ(At(104, 104), At(314, 104)) << "outer corner";
  EXPECT_EQ(At(105, 105), At(315, 105)) << "inner bevel";
  EXPECT_EQ(At(133, 125), At(343, 125)) << "dark corner";
  EXPECT_NE(At(104, 104), At(90, 90)) << "the bevel is there at all";

  button->AlphaBlending = 0;
  button->CatchFocus();
  Frames(2);
  Key(vk::RETURN, true);
  EXPECT_EQ(At(104, 104), kBlack) << "the pressed frame stays under the grey title";
  EXPECT_EQ(At(105, 105), kShade);
  Key(vk::RETURN, false);
}

TEST_F(ButtonTest, TextureIsTiledOverTheCanvasOnly) {
  TProbeButton* button = MakeButton(a);
  const test_support::Rgb teal{90, 80, 10};  // b, g, r
  LoadPicture(button->Texture, 3, 2, teal);
  Frame();
  const Rgb tile{10, 80, 90};
  EXPECT_TRUE(AllOf(105, 105, 124, 114, tile)) << "tiled across the whole 20 x 10 canvas";
  EXPECT_EQ(At(104, 105), kFace);
  EXPECT_EQ(At(125, 114), kFace);
  EXPECT_EQ(At(124, 115), kFace);
}

TEST_F(ButtonTest, TilesReachTheLastRowAndColumn) {
  // Canvas 19 x 5 at (105, 105)-(123, 109): tiles of 3 x 2 start on its last
  // column and row.
  a = new TProbeButton();
  a->CreateComponent(&a, false, BS_Classic, "", 100, 100, 19, 5);
  LoadPicture(a->Texture, 3, 2, test_support::Rgb{90, 80, 10});
  Frame();
  EXPECT_TRUE(AllOf(105, 105, 123, 109, (Rgb{10, 80, 90})));
  EXPECT_EQ(At(124, 109), kFace);
  EXPECT_EQ(At(123, 110), kFace);
}

TEST_F(ButtonTest, PictureWithColourKeyLetsTheCanvasShowThrough) {
  picture = new TPictureButton();
  TPictureButton* button = picture.Get();
  button->CreateComponent(&picture, false, BS_Classic, "", 100, 100, 10, 10);
  // Canvas (105, 105)-(114, 114). The picture's top half is the key colour.
  const test_support::Rgb key{255, 0, 255};
  const test_support::Rgb red{0, 0, 200};
  std::vector<test_support::Rgb> pixels;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) pixels.push_back(y < 5 ? key : red);
  LoadPicture(button->Picture, 10, 10, pixels);
  Frame();
  EXPECT_TRUE(AllOf(105, 105, 114, 108, kFace)) << "keyed pixels leave the canvas colour";
  EXPECT_TRUE(AllOf(105, 110, 114, 114, (Rgb{200, 0, 0})));

  // Drawing runs in the canvas viewport: the picture is cut at its edge.
  button->OffsetX = 5;
  Frame();
  EXPECT_TRUE(AllOf(110, 110, 114, 114, (Rgb{200, 0, 0})));
  EXPECT_EQ(At(115, 112), kFace);
  EXPECT_EQ(At(118, 112), kShade);
}

TEST_F(ButtonTest, SlovakTitleIsMeasuredByteWise) {
  // Five Windows-1250 characters of 4 pixels each.
  MakeButton(a, 100, 100, false, "Súbor"_cp);
  Frame();
  EXPECT_TRUE(AllOf(105, 105, 124, 114, kBlack));
  EXPECT_EQ(At(104, 105), kFace) << "one byte per character: the title fills the canvas exactly";
}

}  // namespace
}  // namespace vc_controls_test
