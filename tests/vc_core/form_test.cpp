// Forms: geometry, the z-order of the form list, dragging, maximising, the
// close question, the title buttons, and the classic frame pixel by pixel.

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/vc_core/toolkit_fixture.h"
#include "vc/vc_form.h"

namespace vc_test {
namespace {

class TQueryForm : public TForm {
 public:
  bool Refuse = false;
  int Queries = 0;
  int Moves = 0;
  void OnCloseQuery() override {
    ++Queries;
    if (Refuse) Close = false;
  }
  void OnFormMove() override { ++Moves; }
};

class FormTest : public ToolkitTest {
 protected:
  void TearDown() override {
    for (TOwned<TQueryForm>* slot : {&d, &c, &b, &a})
      if (*slot) (*slot)->Free();
    ToolkitTest::TearDown();
  }

  TQueryForm* Make(TOwned<TQueryForm>& slot, TPositionType type, uint32_t w = 400, uint32_t h = 300) {
    slot = new TQueryForm();
    slot->CreateComponent(&slot, type, FS_Classic, "Okno", w, h);
    return slot.Get();
  }

  // The forms' input step of a frame: topmost first, none below a visible modal form.
  void FormFrame() {
    Toolkit().Changed = false;
    for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysOld[k] = Toolkit().KeyboardKeysNew[k];
    for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysNew[k] = host.KeyDown(k);
    if (!Toolkit().KeyboardKeysNew[vk::LBUTTON]) Toolkit().ChangedActiveComponent = false;
    for (std::size_t i = Toolkit().OpenedWindows.size(); i-- > 0;) {
      if (i >= Toolkit().OpenedWindows.size()) continue;
      TForm* form = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
      form->Check();
      if (form->ShowType == ST_Modal && form->Visible) break;
    }
    host.Advance(step);
  }

  void Click(int x, int y) {
    host.SetCursor(x, y);
    FormFrame();
    host.SetKey(vk::LBUTTON, true);
    FormFrame();
    host.SetKey(vk::LBUTTON, false);
    FormFrame();
  }

  // The z-order as the forms' slots, bottom first.
  std::vector<PComponentBase> Order() const { return Toolkit().OpenedWindows; }

  void ExpectPositionsTrackTheList() {
    for (std::size_t i = 0; i < Toolkit().OpenedWindows.size(); ++i)
      EXPECT_EQ(DerefAs<TForm>(Toolkit().OpenedWindows[i])->Position, i);
  }

  TOwned<TQueryForm> a, b, c, d;
};

TEST_F(FormTest, CreationCentresTheFrameAroundTheCanvas) {
  Make(a, PT_Normal);
  EXPECT_EQ(a->ComponentPos, (TViewport{306, 215, 717, 552}));
  EXPECT_FALSE(a->Visible);
  EXPECT_EQ(Toolkit().ActiveForm, &a);
  ASSERT_EQ(a->FocusableComponents.size(), 3u);
  EXPECT_EQ(a->FocusableComponents[0], &a->MinimizeButton);
  EXPECT_EQ(a->FocusableComponents[2], &a->ExitButton);
  a->Show(ST_Unmodal);
  FormFrame();
  EXPECT_EQ(a->RealCanvasPos, (TViewport{312, 247, 711, 546}));
  // Title buttons sit in the title bar, placed from the outer corner.
  EXPECT_EQ(a->ExitButton->RealComponentPos, (TViewport{306 + 388, 222, 306 + 388 + 17, 241}));
  EXPECT_EQ(a->MinimizeButton->RealComponentPos.X1, 306 + 351);
  EXPECT_EQ(a->MaximizeButton->RealComponentPos.X1, 306 + 368);
  // Odd leftovers round halfway cases to even: (1024 - 401 - 12) / 2 = 305.5.
  Make(b, PT_Normal, 401, 301);
  EXPECT_EQ(b->ComponentPos.X1, 306);
  EXPECT_EQ(b->ComponentPos.Y1, 214);
}

TEST_F(FormTest, ZOrderPlacesEachPositionType) {
  Make(a, PT_Normal);
  Make(b, PT_Always_On_The_Top);
  Make(c, PT_Normal);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&a, &c, &b})) << "a normal form goes below the top ones";

  d = new TQueryForm();
  d->CreateComponent(&d, PT_Always_On_The_Bottom, FS_Classic, "Spodok", 100, 100);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&d, &a, &c, &b}));

  a->Show(ST_Modal);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&d, &c, &b, &a})) << "modal goes to the very top";
  b->Show(ST_Unmodal);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&d, &c, &b, &a})) << "on-top forms stay below modal ones";
  c->Show(ST_Unmodal);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&d, &c, &b, &a}));
  d->Show(ST_Unmodal);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&d, &c, &b, &a})) << "a bottom form stays at the bottom";
  EXPECT_EQ(Toolkit().ActiveForm, &d);
  ExpectPositionsTrackTheList();

  a->Free();
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&d, &c, &b}));
  EXPECT_EQ(Toolkit().AllForms.size(), 3u);
  ExpectPositionsTrackTheList();
}

TEST_F(FormTest, BottomFormsStackAboveEachOther) {
  Make(a, PT_Always_On_The_Bottom);
  Make(b, PT_Normal);
  Make(c, PT_Always_On_The_Bottom);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&a, &c, &b}));
  a->Show(ST_Unmodal);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&c, &a, &b}));
  ExpectPositionsTrackTheList();
}

TEST_F(FormTest, TopFormGoesToTheBottomWhenOnlyModalFormsAreThere) {
  Make(a, PT_Normal);
  a->Show(ST_Modal);
  Make(b, PT_Always_On_The_Top);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&b, &a}));
  Make(c, PT_Normal);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&c, &b, &a}));
}

TEST_F(FormTest, ClickBringsAFormToTheFrontUnlessAModalFormIsShown) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  Make(b, PT_Normal, 100, 100)->Show(ST_Unmodal);
  Click(320, 400);  // on a, beside b
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&b, &a}));
  EXPECT_EQ(Toolkit().ActiveForm, &a);

  b->Show(ST_Modal);
  Click(320, 400);
  EXPECT_EQ(Order(), (Array_Of_PComponentBase{&a, &b}));
  EXPECT_EQ(Toolkit().ActiveForm, &b);
}

TEST_F(FormTest, DraggingMovesByTheCursorDisplacementThenRecentres) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  host.SetCursor(400, 225);  // title strip
  FormFrame();
  host.SetKey(vk::LBUTTON, true);
  FormFrame();
  EXPECT_TRUE(a->PMove);
  host.SetCursor(430, 215);
  FormFrame();
  EXPECT_EQ(a->ComponentPos, (TViewport{336, 205, 747, 542}));
  host.SetCursor(420, 300);
  FormFrame();
  EXPECT_EQ(a->ComponentPos.X1, 326);
  EXPECT_EQ(a->ComponentPos.Y1, 290);
  EXPECT_EQ(a->Moves, 3) << "the frame that starts the drag moves by nothing";
  host.SetKey(vk::LBUTTON, false);
  FormFrame();
  EXPECT_FALSE(a->PMove);
  EXPECT_EQ(a->ComponentPos.X1, 326) << "the form stays where it was dropped";

  a->SetWidth(400);
  EXPECT_EQ(a->ComponentPos.X1, 306) << "a centred form snaps back at the next dimension change";

  a->CenterX = false;
  a->CenterY = false;
  a->SetX(10);
  EXPECT_EQ(a->ComponentPos, (TViewport{10, 215, 421, 552}));
}

TEST_F(FormTest, MaximiseCoversTheScreenAndRestoreReturns) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  FormFrame();
  const TViewport max = a->MaximizeButton->RealComponentPos;
  Click(max.X1 + 5, max.Y1 + 5);
  EXPECT_TRUE(a->MaximizeButton->Maximized);
  EXPECT_EQ(a->ComponentPos, (TViewport{0, 0, 1023, 767}));
  EXPECT_EQ(a->CanvasPos, (TViewport{6, 32, 1017, 761}));
  FormFrame();
  const TViewport restore = a->MaximizeButton->RealComponentPos;
  EXPECT_EQ(restore.X1, 1012 + 6 - 38);
  Click(restore.X1 + 5, restore.Y1 + 5);
  EXPECT_FALSE(a->MaximizeButton->Maximized);
  EXPECT_EQ(a->ComponentPos, (TViewport{306, 215, 717, 552}));
}

TEST_F(FormTest, MinimiseHidesAndMarksTheForm) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  FormFrame();
  const TViewport min = a->MinimizeButton->RealComponentPos;
  Click(min.X1 + 5, min.Y1 + 5);
  EXPECT_FALSE(a->Visible);
  EXPECT_TRUE(a->Minimized);
  a->Show(ST_Unmodal);
  EXPECT_FALSE(a->Minimized);
}

TEST_F(FormTest, CloseQueryCanRefuseBothCloseButtonAndIconDoubleClick) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  a->Refuse = true;
  FormFrame();
  const TViewport exit = a->ExitButton->RealComponentPos;
  Click(exit.X1 + 5, exit.Y1 + 5);
  EXPECT_EQ(a->Queries, 1);
  EXPECT_TRUE(a->Visible);

  Click(306 + 15, 215 + 15);  // the icon corner
  Click(306 + 15, 215 + 15);
  EXPECT_EQ(a->Queries, 2);
  EXPECT_TRUE(a->Visible);

  a->Refuse = false;
  Click(exit.X1 + 5, exit.Y1 + 5);
  EXPECT_EQ(a->Queries, 3);
  EXPECT_FALSE(a->Visible);
}

TEST_F(FormTest, DisabledCloseButtonIgnoresClicks) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  a->IsExitButton = false;
  FormFrame();
  const TViewport exit = a->ExitButton->RealComponentPos;
  Click(exit.X1 + 5, exit.Y1 + 5);
  EXPECT_EQ(a->Queries, 0);
  EXPECT_TRUE(a->Visible);
  EXPECT_FALSE(a->ExitButton->Enable);
}

TEST_F(FormTest, EnterOnTheFocusedCloseButtonClosesTheForm) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  a->ExitButton->CatchFocus();
  FormFrame();
  host.SetKey(vk::RETURN, true);
  FormFrame();
  EXPECT_TRUE(a->ExitButton->Enter_Pressed);
  host.SetKey(vk::RETURN, false);
  FormFrame();
  EXPECT_EQ(a->Queries, 1);
  EXPECT_FALSE(a->Visible);
}

TEST_F(FormTest, AModalFormGivesTheFocusBackWhereItCanAndWasNotMovedOn) {
  Make(a, PT_Normal)->Show(ST_Unmodal);
  Make(b, PT_Normal);
  Make(c, PT_Normal);
  const auto ask = [this] {
    a->ExitButton->CatchFocus();
    b->Show(ST_Modal);
    b->ExitButton->CatchFocus();  // as a dialog's OnShow does
  };
  ask();
  b->Hide();
  EXPECT_EQ(Toolkit().Focused, &a->ExitButton);
  EXPECT_EQ(Toolkit().ActiveForm, &a);

  ask();
  a->ExitButton->Enable = false;
  b->Hide();
  EXPECT_EQ(Toolkit().Focused, &b->ExitButton) << "a disabled component gets no focus";
  a->ExitButton->Enable = true;

  ask();
  c->Show(ST_Unmodal);  // the answer opened another form, which took the focus
  c->ExitButton->CatchFocus();
  b->Hide();
  EXPECT_EQ(Toolkit().Focused, &c->ExitButton);
}

// --- Drawing ---

uint32_t PixelAt(int x, int y) {
  const uint8_t* p = VirtualScreen + (y * SCREEN_WIDTH + x) * 4;
  return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return (r << 16) | (g << 8) | b; }

class FormDrawTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Make(a, PT_Normal)->Show(ST_Unmodal);
    FormFrame();
    // A grey backdrop makes the shadow's blending visible.
    SetViewport(0, 0, 1023, 767);
    SetColor(100, 100, 100, 0);
    FillRectangle(0, 0, 1023, 767);
    a->Draw();
  }
  static constexpr int X1 = 306, Y1 = 215, X2 = 717, Y2 = 552;
};

TEST_F(FormDrawTest, BevelledFrameLines) {
  struct Probe {
    int x, y;
    uint32_t rgb;
  };
  const Probe probes[] = {
      {X1 + 1, Y1, Rgb(241, 239, 226)},      {X2 - 1, Y1, Rgb(241, 239, 226)},
      {X1 + 2, Y1 + 1, Rgb(255, 255, 255)},  {X1 + 3, Y1 + 2, Rgb(212, 208, 200)},
      {X1 + 4, Y1 + 3, Rgb(236, 233, 216)},  {X1, Y1, Rgb(241, 239, 226)},
      {X1, Y2 - 1, Rgb(241, 239, 226)},      {X1 + 1, Y2 - 2, Rgb(255, 255, 255)},
      {X1 + 2, 400, Rgb(212, 208, 200)},     {X1 + 3, 400, Rgb(236, 233, 216)},
      {X1, Y2, Rgb(113, 111, 100)},          {X2, Y2, Rgb(113, 111, 100)},
      {X1 + 1, Y2 - 1, Rgb(172, 168, 153)},  {500, Y2 - 2, Rgb(212, 208, 200)},
      {500, Y2 - 3, Rgb(236, 233, 216)},     {X2, Y1, Rgb(113, 111, 100)},
      {X2 - 1, 400, Rgb(172, 168, 153)},     {X2 - 2, 400, Rgb(212, 208, 200)},
      {X2 - 3, 400, Rgb(236, 233, 216)},     {500, Y1 + 29, Rgb(236, 233, 216)},
      {X2 - 5, Y1 + 30, Rgb(172, 168, 153)}, {X2 - 4, Y1 + 30, Rgb(255, 255, 255)},
      {X1 + 5, Y1 + 31, Rgb(113, 111, 100)}, {X1 + 4, Y1 + 31, Rgb(172, 168, 153)},
      {X1 + 5, 400, Rgb(113, 111, 100)},     {X1 + 5, Y2 - 5, Rgb(241, 239, 226)},
      {X1 + 4, Y2 - 4, Rgb(255, 255, 255)},  {X2 - 5, 400, Rgb(241, 239, 226)},
      {X2 - 4, 400, Rgb(255, 255, 255)},     {X2 - 6, Y1 + 31, Rgb(113, 111, 100)},
      {X2 - 5, Y1 + 31, Rgb(241, 239, 226)},
  };
  for (const Probe& p : probes)
    EXPECT_EQ(PixelAt(p.x, p.y), p.rgb) << "at (" << p.x << ", " << p.y << ")";
  EXPECT_EQ(PixelAt(X2, Y1 - 1), Rgb(100, 100, 100)) << "nothing above the frame";
}

TEST_F(FormDrawTest, TitleGradientShadowAndCanvas) {
  // Active form: (61, 149, 255) at the right end, nearly (0, 84, 227) at the left.
  auto expected = [](int x) {
    const double t = static_cast<double>(X2 - 4 - x) / (X2 - X1 + 1);
    auto mix = [t](double a, double b) { return static_cast<uint32_t>(std::nearbyint((1 - t) * a + t * b)); };
    return Rgb(mix(61, 0), mix(149, 84), mix(255, 227));
  };
  for (int x : {X1 + 4, X1 + 100, X1 + 250, X2 - 60, X2 - 4}) {
    EXPECT_EQ(PixelAt(x, Y1 + 4), expected(x)) << x;
    EXPECT_EQ(PixelAt(x, Y1 + 28), expected(x)) << x;
  }
  EXPECT_EQ(PixelAt(X2 - 4, Y1 + 10), Rgb(61, 149, 255)) << "t is 0 at the right end";

  // Shadow: black over grey 100 with alpha 70 + 25 i.
  for (int i = 0; i < 8; ++i) {
    const uint32_t alpha = 70 + 25 * i;
    const uint32_t v = (100 * alpha + 127) / 255;
    EXPECT_EQ(PixelAt(X2 + 1 + i, 400), Rgb(v, v, v)) << i;
    EXPECT_EQ(PixelAt(500, Y2 + 1 + i), Rgb(v, v, v)) << i;
  }
  EXPECT_EQ(PixelAt(X2 + 1, Y1), Rgb(100, 100, 100)) << "the shadow starts one pixel down";

  // Canvas in the form's background colour.
  EXPECT_EQ(PixelAt(X1 + 6, Y1 + 32), Rgb(236, 233, 216));
  EXPECT_EQ(PixelAt(X2 - 6, Y2 - 6), Rgb(236, 233, 216));
}

TEST_F(FormDrawTest, InactiveTitleAndGreyedCloseGlyph) {
  Make(b, PT_Normal, 50, 50);  // becomes the active form
  a->IsExitButton = false;
  FormFrame();
  a->Draw();
  EXPECT_EQ(PixelAt(X2 - 4, Y1 + 10), Rgb(157, 185, 235));
  const TViewport glyph = a->ExitButton->RealCanvasPos;
  EXPECT_EQ(PixelAt(glyph.X1 + 4, glyph.Y1 + 5), Rgb(172, 168, 153)) << "centre of the cross";
  EXPECT_EQ(PixelAt(glyph.X1, glyph.Y1 + 1), Rgb(172, 168, 153)) << "arm of the cross";
  const TViewport min = a->MinimizeButton->RealCanvasPos;
  EXPECT_EQ(PixelAt(min.X1 + 1, min.Y2 - 1), Rgb(0, 0, 0));
  EXPECT_EQ(PixelAt(min.X1 + 1, min.Y2 - 3), Rgb(236, 233, 216));
}

// A solid 24-bit BMP file of the given size.
void WriteSolidBmp(const std::string& path, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
  const int stride = (w * 3 + 3) / 4 * 4;
  std::vector<uint8_t> f(54 + stride * h, 0);
  auto le32 = [&f](std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  f[0] = 'B', f[1] = 'M';
  le32(2, static_cast<uint32_t>(f.size()));
  le32(10, 54);
  le32(14, 40);
  le32(18, static_cast<uint32_t>(w));
  le32(22, static_cast<uint32_t>(h));
  f[26] = 1, f[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = &f[54 + y * stride + x * 3];
      p[0] = b, p[1] = g, p[2] = r;
    }
  std::FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(f.data(), 1, f.size(), out);
  std::fclose(out);
}

TEST_F(FormDrawTest, TextureTilesTheWholeCanvasUpToItsLastPixel) {
  // The canvas is 400 x 300, one pixel more than 133 x 3 by 23 x 13 tiles.
  const std::string path = "corvala_form_texture_test.bmp";
  WriteSolidBmp(path, 3, 13, 200, 10, 20);
  uint8_t result = 255;
  LoadBMPPicture(path, a->Texture, result);
  std::remove(path.c_str());
  ASSERT_EQ(result, 0);
  a->Draw();
  EXPECT_EQ(PixelAt(312, 247), Rgb(200, 10, 20));
  EXPECT_EQ(PixelAt(711, 546), Rgb(200, 10, 20)) << "the last column and row are covered";
  EXPECT_EQ(PixelAt(712, 546), Rgb(241, 239, 226)) << "and nothing beyond the canvas";
}

TEST_F(FormDrawTest, IconIsScaledTo16PixelsInTheTitleBar) {
  const std::string path = "corvala_form_icon_test.bmp";
  WriteSolidBmp(path, 32, 32, 10, 200, 30);
  uint8_t result = 255;
  LoadBMPPicture(path, a->Icon, result);
  std::remove(path.c_str());
  ASSERT_EQ(result, 0);
  a->Draw();
  EXPECT_EQ(PixelAt(X1 + 9, Y1 + 8), Rgb(10, 200, 30));
  EXPECT_EQ(PixelAt(X1 + 24, Y1 + 23), Rgb(10, 200, 30));
  EXPECT_NE(PixelAt(X1 + 25, Y1 + 23), Rgb(10, 200, 30)) << "16 pixels wide";
  EXPECT_NE(PixelAt(X1 + 24, Y1 + 24), Rgb(10, 200, 30)) << "16 pixels tall";
  EXPECT_NE(PixelAt(X1 + 8, Y1 + 8), Rgb(10, 200, 30));
}

TEST_F(FormDrawTest, TitleTextSitsInTheBarAfterTheIconPlace) {
  TFont font;
  uint8_t result = 255;
  LoadFNTFont(CORVALA_SOURCE_DIR "/data/Fonts/Tahoma_10pt_normal.fnt", font, result);
  ASSERT_EQ(result, 0);
  a->Font = &font;
  a->Title = "MMMM";
  a->Draw();
  const int textY = Y1 + static_cast<int>(std::nearbyint((25.0 - font.PixHeight) / 2.0)) + 4;
  int firstX = 10000, lastX = -1, rows = 0;
  // Left of the title buttons, whose bevels are white too.
  for (int y = Y1 + 4; y <= Y1 + 28; ++y)
    for (int x = X1 + 4; x < a->MinimizeButton->RealComponentPos.X1; ++x)
      if (PixelAt(x, y) == Rgb(255, 255, 255)) {
        EXPECT_GE(y, textY);
        EXPECT_LT(y, textY + font.PixHeight);
        firstX = std::min(firstX, x);
        lastX = std::max(lastX, x);
        ++rows;
      }
  EXPECT_GT(rows, 0) << "the active form's title is white";
  EXPECT_GE(firstX, X1 + 9);
  EXPECT_LE(firstX, X1 + 11);
  EXPECT_LT(lastX, X1 + 9 + static_cast<int>(GetTextLength(font, "MMMM")));
  a->Font = nullptr;
  FreeFNTFont(font);
}

}  // namespace
}  // namespace vc_test
