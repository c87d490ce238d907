// The scroll bar: geometry and clamping, the arrow buttons and keys at 50 ms,
// track clicks at both ends, dragging, and the arrows' pixels.

#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_scroll_bar.h"

namespace vc_controls_test {
namespace {

class ScrollBarTest : public ControlsTest {
 protected:
  // A vertical track from (50, 100), or a horizontal one from there.
  TScrollBar* Make(uint32_t length, uint32_t maxValue, TScrollBarType type = SBT_Vertical) {
    bar = new TScrollBar();
    bar->CreateComponent(&bar, type, 50, 100, length, maxValue);
    Frame();
    return bar.Get();
  }
  static TPoint Middle(const TVisualComponent& c) {
    const TViewport& r = c.RealComponentPos;
    return TPoint{(r.X1 + r.X2) / 2, (r.Y1 + r.Y2) / 2};
  }
  void ClickAt(int x, int y) {
    host.SetCursor(x, y);
    Key(vk::LBUTTON, true);
    Key(vk::LBUTTON, false);
  }

  TOwned<TScrollBar> bar;
};

TEST_F(ScrollBarTest, GeometryThumbAndClamping) {
  TScrollBar* b = Make(100, 100);
  EXPECT_EQ(b->ComponentPos, (TViewport{50, 81, 68, 218}));
  EXPECT_EQ(b->PanelUpWidth, 10) << "the thumb's minimum";
  EXPECT_DOUBLE_EQ(b->Pitch(), 0.9);
  EXPECT_EQ(b->PanelDown->RealComponentPos, (TViewport{50, 100, 68, 199}));
  EXPECT_EQ(b->Button2->RealComponentPos, (TViewport{50, 200, 68, 218}));
  b->SetPosition(50);
  EXPECT_EQ(b->PanelUpPos, 45);
  Frame();
  EXPECT_EQ(b->PanelUp->RealComponentPos, (TViewport{50, 145, 68, 154}));
  b->SetPosition(-3);
  EXPECT_EQ(b->Position, 0);
  b->SetPosition(101);
  EXPECT_EQ(b->Position, 100);
  b->SetMaxValue(40);
  EXPECT_EQ(b->Position, 100) << "kept until the next SetPosition";
  b->SetPosition(b->Position);
  EXPECT_EQ(b->Position, 40);

  // Horizontal: the same along x; moving keeps the track-start convention.
  b->SetScrollBarType(SBT_Horizontal);
  EXPECT_EQ(b->ComponentPos, (TViewport{31, 100, 168, 118}));
  b->SetY(300);
  b->SetX(60);
  EXPECT_EQ(b->ComponentPos, (TViewport{41, 300, 178, 318}));
  EXPECT_EQ(b->Button2->Course, TCourse::Right);
}

TEST_F(ScrollBarTest, NothingToScrollWithMaxValueZero) {
  TScrollBar* b = Make(100, 0);
  EXPECT_EQ(b->PanelUpWidth, 100) << "the thumb fills the track";
  const TPoint down = Middle(*b->Button2);
  host.SetCursor(down.X, down.Y);
  Key(vk::LBUTTON, true);
  Frames(10);
  Key(vk::LBUTTON, false);
  EXPECT_EQ(b->Position, 0);
  const TPoint thumb = Middle(*b->PanelUp);
  host.SetCursor(thumb.X, thumb.Y);
  Key(vk::LBUTTON, true);
  MoveTo(thumb.X, thumb.Y + 60);
  Key(vk::LBUTTON, false);
  EXPECT_EQ(b->Position, 0);
}

TEST_F(ScrollBarTest, ButtonsAndKeysStepAtMostOncePer50Milliseconds) {
  TScrollBar* b = Make(100, 10);
  const uint32_t t0 = 0xFFFFFFF0u;  // the stepping survives the tick's wrap
  const TPoint down = Middle(*b->Button2);
  host.SetCursor(down.X, down.Y);
  host.SetTick(t0);
  Key(vk::LBUTTON, true);
  EXPECT_EQ(b->Position, 1) << "at once";
  const auto at = [&](uint32_t ms) {
    host.SetTick(t0 + ms);
    Frame();
    return b->Position;
  };
  EXPECT_EQ(at(49), 1);
  EXPECT_EQ(at(50), 2);
  EXPECT_EQ(at(99), 2);
  EXPECT_EQ(at(100), 3);
  host.SetKey(vk::LBUTTON, false);
  at(200);

  // The up button at 0 still counts as a step for the timer.
  b->SetPosition(0);
  const TPoint up = Middle(*b->Button1);
  host.SetCursor(up.X, up.Y);
  host.SetKey(vk::LBUTTON, true);
  EXPECT_EQ(at(300), 0);
  host.SetKey(vk::LBUTTON, false);
  at(310);
  EXPECT_EQ(b->LastChangeTime, static_cast<int32_t>(t0 + 300));

  // Keys step while the thumb has the focus.
  b->CatchFocus();
  host.SetKey(vk::DOWN, true);
  EXPECT_EQ(at(400), 1);
  EXPECT_EQ(at(420), 1);
  EXPECT_EQ(at(450), 2);
  host.SetKey(vk::DOWN, false);
  host.SetKey(vk::UP, true);
  EXPECT_EQ(at(500), 1);
  EXPECT_EQ(at(550), 0);
  EXPECT_EQ(at(600), 0);
  host.SetKey(vk::UP, false);
  host.SetKey(vk::RIGHT, true);
  EXPECT_EQ(at(700), 0) << "a vertical bar ignores Left and Right";
  host.SetKey(vk::RIGHT, false);
  Toolkit().Focused = nullptr;
  host.SetKey(vk::DOWN, true);
  EXPECT_EQ(at(800), 0) << "no keys without the focus";
}

TEST_F(ScrollBarTest, TrackClicksJumpToBothEnds) {
  TScrollBar* b = Make(100, 100);
  b->SetPosition(100);
  Frame();
  ClickAt(60, 100);
  EXPECT_EQ(b->Position, 0) << "the very start";
  EXPECT_EQ(Toolkit().Focused, &b->PanelUp) << "the thumb takes the focus";
  ClickAt(60, 190);
  EXPECT_EQ(b->Position, 100) << "track length - thumb length from the start";
  ClickAt(60, 145);
  EXPECT_EQ(b->Position, 50);
}

TEST_F(ScrollBarTest, DraggingFollowsSlowAndFastMoves) {
  // Pitch 20: length 100, thumb 20, four steps.
  TScrollBar* b = Make(100, 4, SBT_Horizontal);
  ASSERT_DOUBLE_EQ(b->Pitch(), 20.0);
  const TPoint thumb = Middle(*b->PanelUp);
  host.SetCursor(thumb.X, thumb.Y);
  Key(vk::LBUTTON, true);
  // Five pixels a frame: too little for a step in any one frame.
  for (int i = 1; i <= 8; ++i) MoveTo(thumb.X + 5 * i, thumb.Y);
  EXPECT_EQ(b->Position, 2);
  MoveTo(thumb.X + 400, thumb.Y + 30);
  EXPECT_EQ(b->Position, 4) << "clamped; the cursor may leave the bar while dragging";
  MoveTo(thumb.X + 360, thumb.Y);
  EXPECT_EQ(b->Position, 2) << "moves beyond the end are not kept";
  Key(vk::LBUTTON, false);
  EXPECT_FALSE(b->PanelUp->PMove);
  MoveTo(thumb.X, thumb.Y);
  EXPECT_EQ(b->Position, 2);
}

TEST_F(ScrollBarTest, ArrowsArePaintedInTheirCourse) {
  TScrollBar* v = Make(100, 10);
  const TViewport up = v->Button1->RealCanvasPos;
  const TViewport down = v->Button2->RealCanvasPos;
  // Up: rows 6 (seven pixels) to 3 (one pixel).
  EXPECT_TRUE(AllOf(up.X1 + 1, up.Y1 + 6, up.X2 - 1, up.Y1 + 6, kBlack));
  EXPECT_NE(At(up.X1, up.Y1 + 6), kBlack);
  EXPECT_EQ(At(up.X1 + 4, up.Y1 + 3), kBlack);
  EXPECT_NE(At(up.X1 + 3, up.Y1 + 3), kBlack);
  EXPECT_NE(At(up.X1 + 4, up.Y1 + 2), kBlack);
  // Down: rows 3 (seven pixels) to 6 (one).
  EXPECT_TRUE(AllOf(down.X1 + 1, down.Y1 + 3, down.X2 - 1, down.Y1 + 3, kBlack));
  EXPECT_EQ(At(down.X1 + 4, down.Y1 + 6), kBlack);
  EXPECT_NE(At(down.X1 + 4, down.Y1 + 7), kBlack);

  v->SetScrollBarType(SBT_Horizontal);
  v->Button2->Enable = false;
  Frames(2);
  const TViewport left = v->Button1->RealCanvasPos;
  const TViewport right = v->Button2->RealCanvasPos;
  EXPECT_TRUE(AllOf(left.X1 + 5, left.Y1 + 1, left.X1 + 5, left.Y2 - 1, kBlack));
  EXPECT_EQ(At(left.X1 + 2, left.Y1 + 4), kBlack);
  EXPECT_NE(At(left.X1 + 1, left.Y1 + 4), kBlack);
  EXPECT_TRUE(AllOf(right.X1 + 3, right.Y1 + 1, right.X1 + 3, right.Y2 - 1, kShade)) << "disabled: grey";
  EXPECT_EQ(At(right.X1 + 6, right.Y1 + 4), kShade);
  EXPECT_NE(At(right.X1 + 7, right.Y1 + 4), kShade);
}

}  // namespace
}  // namespace vc_controls_test
