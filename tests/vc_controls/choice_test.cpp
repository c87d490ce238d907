// Radio buttons and check boxes: sizes from the title, the marks' pixels,
// groups, OnChange only on user action, Enter on the focused title.

#include "platform/cp1250.h"
#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_check_box.h"
#include "vc/vc_radio_button.h"

namespace vc_controls_test {
namespace {

constexpr Rgb kMark{33, 161, 33};

class TProbeRadio : public TRadioButton {
 public:
  int Changes = 0;
  void OnChange() override { ++Changes; }
};

class TProbeBox : public TCheckBox {
 public:
  int Changes = 0;
  void OnChange() override { ++Changes; }
};

class ChoiceTest : public ControlsTest {
 protected:
  TProbeRadio* Radio(TOwned<TProbeRadio>& slot, int32_t x, int32_t y, std::string_view title) {
    slot = new TProbeRadio();
    slot->CreateComponent(&slot, x, y, title);
    return slot.Get();
  }
  void ClickAt(int x, int y) {
    host.SetCursor(x, y);
    Key(vk::LBUTTON, true);
    Key(vk::LBUTTON, false);
  }
  // The middle of a control's title.
  template <class T>
  void ClickTitle(T& control) {
    const TViewport& r = control.TitlePanel->RealComponentPos;
    ClickAt((r.X1 + r.X2) / 2, (r.Y1 + r.Y2) / 2);
  }

  TOwned<TProbeRadio> a, b, c;
  TOwned<TProbeBox> box;
};

TEST_F(ChoiceTest, SizesFollowTheTitleAndTheFont) {
  // "Rýchlo": six 4-pixel glyphs of the small font, 10 pixels tall.
  TProbeRadio* r = Radio(a, 10, 10, "Rýchlo"_cp);
  box = new TProbeBox();
  box->CreateComponent(&box, 10, 60, "Rýchlo"_cp);
  EXPECT_EQ(r->Width, 24 + 35);
  EXPECT_EQ(r->Height, 20);
  EXPECT_EQ(box->Width, 24 + 41);
  EXPECT_EQ(box->Height, 20);
  EXPECT_EQ(r->RadioPanel->ComponentPos, (TViewport{0, 3, 12, 15}));
  EXPECT_EQ(box->BoxPanel->ComponentPos, (TViewport{0, 1, 17, 18}));
  EXPECT_EQ(r->TitlePanel->X, 17);
  EXPECT_EQ(box->TitlePanel->X, 23);
  EXPECT_EQ(Toolkit().ActualComponent, &desk);

  // A tiny font: the markers' heights are the minimum and the title is centred.
  TFont tiny;
  tiny.PixHeight = 2;
  r->SetFont(&tiny);
  box->SetFont(&tiny);
  EXPECT_EQ(r->Height, 13);
  EXPECT_EQ(r->TitlePanel->Y, 0);
  EXPECT_EQ(box->Height, 18);
  EXPECT_EQ(box->TitlePanel->Y, 3);
  EXPECT_EQ(box->TitlePanel->Font, &tiny);
  r->SetFont(LoadedFonts[0]);
  box->SetFont(LoadedFonts[0]);
  r->ChangeTitle("Pomaly dlho");
  EXPECT_EQ(r->Width, 40 + 3 + 35);
  EXPECT_EQ(r->TitlePanel->Title, "Pomaly dlho");
}

TEST_F(ChoiceTest, MarksArePaintedPixelForPixel) {
  TProbeRadio* r = Radio(a, 100, 100, "A");
  box = new TProbeBox();
  box->CreateComponent(&box, 100, 200, "B");
  r->Checked = true;
  box->Checked = true;
  Frame();
  Frame();
  // The dot: radius 3 around the canvas centre, round although the canvas
  // is only 5 pixels wide.
  const TViewport& rc = r->RadioPanel->RealCanvasPos;
  const int cx = (rc.X1 + rc.X2) / 2, cy = (rc.Y1 + rc.Y2) / 2;
  EXPECT_EQ(At(cx, cy), kMark);
  EXPECT_EQ(At(cx + 3, cy), kMark);
  EXPECT_EQ(At(cx, cy - 3), kMark);
  EXPECT_NE(At(cx + 3, cy + 3), kMark);
  EXPECT_NE(At(cx + 4, cy), kMark);
  // The tick, column by column.
  const int x0 = box->BoxPanel->RealCanvasPos.X1, y0 = box->BoxPanel->RealCanvasPos.Y1;
  const int top[7] = {4, 5, 6, 5, 4, 3, 2};
  for (int i = 0; i < 7; ++i) {
    EXPECT_NE(At(x0 + 2 + i, y0 + top[i] - 1), kMark) << i;
    EXPECT_TRUE(AllOf(x0 + 2 + i, y0 + top[i], x0 + 2 + i, y0 + top[i] + 2, kMark)) << i;
    EXPECT_NE(At(x0 + 2 + i, y0 + top[i] + 3), kMark) << i;
  }
  EXPECT_EQ(At(x0, y0), kWhite);
  // Unchecked: no mark.
  r->Checked = false;
  box->Checked = false;
  Frames(2);
  EXPECT_EQ(At(cx, cy), kWhite);
  EXPECT_EQ(At(x0 + 4, y0 + 7), kWhite);
  EXPECT_EQ(r->Changes + box->Changes, 0) << "code changes report nothing";
}

TEST_F(ChoiceTest, GroupsUncheckEveryMemberAndReportUserChecksOnce) {
  Radio(a, 10, 10, "A");
  Radio(b, 10, 40, "B");
  Radio(c, 10, 70, "C");
  box = new TProbeBox();
  box->CreateComponent(&box, 10, 100, "D");
  a->AddNeighbour(&b);
  a->AddNeighbour(&c);
  a->AddNeighbour(&box);  // not a radio button: ignored
  EXPECT_EQ(a->Neighbours.size(), 2u);
  EXPECT_EQ(b->Neighbours, (Array_Of_PComponentBase{&a, &c}));
  EXPECT_EQ(c->Neighbours.size(), 2u);
  a->Checked = true;
  b->Checked = true;
  Frame();

  ClickTitle(*c);
  EXPECT_TRUE(c->Checked);
  EXPECT_FALSE(a->Checked);
  EXPECT_FALSE(b->Checked);
  EXPECT_EQ(c->Changes, 1);
  EXPECT_EQ(Toolkit().Focused, &c->TitlePanel);

  // On the marker: the title takes the focus. A checked button stays quiet.
  const TViewport& m = b->RadioPanel->RealComponentPos;
  ClickAt((m.X1 + m.X2) / 2, (m.Y1 + m.Y2) / 2);
  EXPECT_TRUE(b->Checked);
  EXPECT_FALSE(c->Checked);
  EXPECT_EQ(Toolkit().Focused, &b->TitlePanel);
  ClickTitle(*b);
  EXPECT_EQ(b->Changes, 1);

  // The check box toggles on every click.
  ClickTitle(*box);
  ClickTitle(*box);
  ClickTitle(*box);
  EXPECT_TRUE(box->Checked);
  EXPECT_EQ(box->Changes, 3);
}

TEST_F(ChoiceTest, EnterOnTheFocusedTitleActsAsAClick) {
  Radio(a, 10, 10, "A");
  box = new TProbeBox();
  box->CreateComponent(&box, 10, 100, "D");
  Frame();
  a->CatchFocus();
  Frames(2);
  Key(vk::RETURN, true);
  Frame();
  EXPECT_EQ(a->RadioPanel->Background, (TColor{216, 233, 236, 0})) << "pressed while Enter is held";
  EXPECT_FALSE(a->Checked);
  Key(vk::RETURN, false);
  EXPECT_TRUE(a->Checked);
  EXPECT_EQ(a->Changes, 1);
  EXPECT_EQ(a->RadioPanel->Background, (TColor{255, 255, 255, 0}));

  box->CatchFocus();
  Frames(2);
  Key(vk::RETURN, true);
  Key(vk::RETURN, false);
  EXPECT_TRUE(box->Checked);
  EXPECT_EQ(box->Changes, 1);
}

}  // namespace
}  // namespace vc_controls_test
