// The per-frame dispatch of the component base: geometry and clipping, the
// mouse claim, capture, double clicks, disabled components, focus and keys.

#include <algorithm>
#include <vector>

#include "tests/vc_core/toolkit_fixture.h"

namespace vc_test {
namespace {

using Events = std::vector<std::string>;

bool Has(const std::vector<std::string>& log, const std::string& event) {
  return std::find(log.begin(), log.end(), event) != log.end();
}

int Count(const std::vector<std::string>& log, const std::string& event) {
  return static_cast<int>(std::count(log.begin(), log.end(), event));
}

class BaseTest : public ToolkitTest {
 protected:
  // A 200 x 100 root at (100, 100) with a canvas inset by (10, 20).
  void SetUp() override {
    ToolkitTest::SetUp();
    MakeProbe(root, "root", TViewport{100, 100, 299, 199});
    root->CanvasPos = TViewport{10, 20, 189, 89};
  }

  // Declared before the root, so the root's Free finds them alive.
  TOwned<TProbe> a, b, c, child, first, second;
  TOwned<TProbe> root;
};

TEST_F(BaseTest, ChildGeometryIsClippedToTheParentCanvas) {
  Toolkit().ActualComponent = &root;
  // Runs past the right and bottom edges of the root's canvas (110..289, 120..189).
  MakeProbe(child, "child", TViewport{150, 50, 249, 99});
  Frame({root.Get()});

  EXPECT_EQ(child->RealComponentPos, (TViewport{260, 170, 359, 219}));
  EXPECT_EQ(child->RealComponentViewport, (TViewport{260, 170, 289, 189}));
  EXPECT_EQ(child->RealCanvasViewport, (TViewport{260, 170, 289, 189}));

  // Inside the child's rectangle but outside the parent's canvas: no hit.
  host.SetCursor(300, 180);
  Frame({root.Get()});
  EXPECT_FALSE(child->PMouseIs);
  host.SetCursor(289, 189);
  Frame({root.Get()});
  EXPECT_TRUE(child->PMouseIs);
  EXPECT_FALSE(root->PMouseIs) << "the child claimed the mouse before its parent";

  // Wholly outside: the empty viewport, and the child is never hit.
  child->ComponentPos = TViewport{500, 500, 520, 520};
  Frame({root.Get()});
  EXPECT_EQ(child->RealComponentViewport, EMPTY_VIEWPORT);
  EXPECT_EQ(child->RealCanvasViewport, EMPTY_VIEWPORT);
}

TEST_F(BaseTest, FormsAreClippedToTheScreen) {
  root->ComponentPos = TViewport{-50, 700, 49, 799};
  root->CanvasPos = TViewport{0, 0, 99, 99};
  Frame({root.Get()});
  EXPECT_EQ(root->RealComponentViewport, (TViewport{0, 700, 49, 767}));
  root->ComponentPos = TViewport{1024, 0, 1100, 10};
  Frame({root.Get()});
  EXPECT_EQ(root->RealComponentViewport, EMPTY_VIEWPORT);
}

TEST_F(BaseTest, LaterSiblingIsOnTopAndTheCoveredOneLosesTheMouse) {
  Toolkit().ActualComponent = &root;
  MakeProbe(a, "below", TViewport{0, 0, 99, 49});
  MakeProbe(b, "above", TViewport{50, 0, 149, 49});

  host.SetCursor(110 + 20, 120 + 10);  // on `below` only
  Frame({root.Get()});
  EXPECT_TRUE(Has(Take(), "below.Arrive"));

  host.SetCursor(110 + 70, 120 + 10);  // where both overlap
  Frame({root.Get()});
  const auto events = Take();
  EXPECT_TRUE(Has(events, "above.Arrive"));
  EXPECT_TRUE(Has(events, "below.Leave"));
  EXPECT_FALSE(Has(events, "root.Arrive"));
}

TEST_F(BaseTest, MovingFromParentOntoChildSwapsTheHoverInOneFrame) {
  Toolkit().ActualComponent = &root;
  MakeProbe(child, "child", TViewport{50, 20, 99, 49});
  host.SetCursor(115, 125);
  Frame({root.Get()});
  EXPECT_EQ(Take(), (Events{"root.Arrive"}));
  host.SetCursor(170, 150);
  Frame({root.Get()});
  EXPECT_EQ(Take(), (Events{"child.Arrive", "root.Leave"}));
}

TEST_F(BaseTest, CaptureKeepsOtherComponentsOutUntilRelease) {
  Toolkit().ActualComponent = &root;
  MakeProbe(a, "a", TViewport{0, 0, 49, 29});
  MakeProbe(b, "b", TViewport{100, 0, 149, 29});
  host.SetCursor(120, 130);
  Frame({root.Get()});
  host.SetKey(vk::LBUTTON, true);
  Frame({root.Get()});
  EXPECT_EQ(Toolkit().ActiveComponent, &a);
  EXPECT_TRUE(Toolkit().ChangedActiveComponent);
  Take();

  // Dragged over b while held: b sees nothing; a sees its leave.
  host.SetCursor(230, 130);
  Frame({root.Get()});
  host.SetCursor(235, 132);
  Frame({root.Get()});
  auto events = Take();
  EXPECT_TRUE(Has(events, "a.Leave"));
  for (const auto& e : events) EXPECT_NE(e.rfind("b.", 0), 0u) << e;
  for (const auto& e : events) EXPECT_NE(e.rfind("root.", 0), 0u) << e;

  // Released outside a: no click anywhere.
  host.SetKey(vk::LBUTTON, false);
  Frame({root.Get()});
  events = Take();
  EXPECT_EQ(Count(events, "a.LeftClick"), 0);
  EXPECT_EQ(Count(events, "b.LeftClick"), 0);
  EXPECT_FALSE(Toolkit().ChangedActiveComponent);

  // Once released, b is reachable again.
  Frame({root.Get()});
  EXPECT_TRUE(b->PMouseIs);
}

TEST_F(BaseTest, ClickFiresOnReleaseInsideWithCanvasCoordinates) {
  host.SetCursor(150, 160);
  Frame({root.Get()});
  host.SetKey(vk::LBUTTON, true);
  Frame({root.Get()});
  host.SetKey(vk::LBUTTON, false);
  Frame({root.Get()});
  EXPECT_EQ(Count(Take(), "root.LeftClick"), 1);
  EXPECT_EQ(root->LastX, 150 - 110);
  EXPECT_EQ(root->LastY, 160 - 120);
}

class DoubleClickTest : public BaseTest {
 protected:
  // A full click, then `gap` ms of idle frames before the next one.
  void ClickAndWait(uint32_t gap) {
    host.SetKey(vk::LBUTTON, true);
    Frame({root.Get()});
    host.SetKey(vk::LBUTTON, false);
    Frame({root.Get()});
    host.Advance(gap - 2 * step);
  }
  void SetUp() override {
    BaseTest::SetUp();
    host.SetCursor(150, 150);
    Frame({root.Get()});
    Take();
  }
};

TEST_F(DoubleClickTest, TwoClicks800MsApartPairAndTheThirdStartsAgain) {
  ClickAndWait(800);
  ClickAndWait(800);
  EXPECT_EQ(Take(), (Events{"root.LeftDown", "root.LeftClick", "root.LeftDown", "root.LeftClick",
                                  "root.LeftDouble"}));
  EXPECT_EQ(root->LastLeftClick, 0u);
  ClickAndWait(800);
  EXPECT_EQ(Take(), (Events{"root.LeftDown", "root.LeftClick"}));
}

TEST_F(DoubleClickTest, PairsWithinOneSecondOfTheFirstClick) {
  struct Case {
    const char* what;
    uint32_t start_tick;  // 0: where the previous case left the clock
    std::vector<uint32_t> gaps;
    int clicks, doubles;
  };
  const Case cases[] = {
      // The second pairs with the first, 1000 ms after it; the third starts again.
      {"exactly one second, then one millisecond more", 0, {1000, 1001, 1001, 1001}, 4, 1},
      {"1200 ms apart", 0, {1200, 1200}, 2, 0},
      {"across the wrap of the tick counter", 0xFFFFFF00u, {400, 400}, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.Advance(5000);  // nothing pairs with the previous case
    if (c.start_tick != 0) host.SetTick(c.start_tick);
    for (uint32_t gap : c.gaps) ClickAndWait(gap);
    const auto events = Take();
    EXPECT_EQ(Count(events, "root.LeftClick"), c.clicks);
    EXPECT_EQ(Count(events, "root.LeftDouble"), c.doubles);
  }
}

TEST_F(DoubleClickTest, RightButtonPairsLikeTheLeft) {
  for (int i = 0; i < 2; ++i) {
    host.SetKey(vk::RBUTTON, true);
    Frame({root.Get()});
    host.SetKey(vk::RBUTTON, false);
    Frame({root.Get()});
  }
  EXPECT_EQ(Take(), (Events{"root.RightDown", "root.RightClick", "root.RightDown", "root.RightClick",
                                  "root.RightDouble"}));
}

TEST_F(BaseTest, DisabledComponentSwallowsTheMouseForEverythingBelow) {
  Toolkit().ActualComponent = &root;
  MakeProbe(a, "panel", TViewport{0, 0, 99, 49});
  MakeProbe(b, "cover", TViewport{0, 0, 49, 49});
  b->Enable = false;

  host.SetCursor(120, 130);
  Frame({root.Get()});
  host.SetKey(vk::LBUTTON, true);
  Frame({root.Get()});
  host.SetKey(vk::LBUTTON, false);
  Frame({root.Get()});
  EXPECT_TRUE(Take().empty()) << "neither the disabled cover nor the panel below may react";
  EXPECT_FALSE(a->PMouseIs);

  // Its claim captured the press, like an enabled component's would.
  host.SetKey(vk::LBUTTON, true);
  Frame({root.Get()});
  EXPECT_EQ(Toolkit().ActiveComponent, &b);

  // Beside the cover the panel works as usual.
  host.SetKey(vk::LBUTTON, false);
  host.SetCursor(180, 130);
  Frame({root.Get()});
  EXPECT_TRUE(a->PMouseIs);
}

TEST_F(BaseTest, ChildrenOfADisabledParentAreBlockedToo) {
  Toolkit().ActualComponent = &root;
  MakeProbe(child, "child", TViewport{0, 0, 49, 49});
  root->Enable = false;
  host.SetCursor(120, 130);
  Frame({root.Get()});
  Frame({root.Get()});
  EXPECT_TRUE(child->UnEnableAncestor);
  EXPECT_TRUE(Take().empty());
  EXPECT_TRUE(Toolkit().Changed) << "the disabled parent still claims the mouse";
}

class FocusTest : public BaseTest {
 protected:
  void SetUp() override {
    BaseTest::SetUp();
    Toolkit().ActualComponent = &root;
    MakeProbe(first, "first", TViewport{0, 0, 49, 29}, true);
    MakeProbe(second, "second", TViewport{60, 0, 109, 29}, true);
    first->AddTrackedKey(vk::RETURN);
    second->AddTrackedKey(vk::RETURN);
  }
};

TEST_F(FocusTest, FocusablesJoinTheFormInCreationOrder) {
  ASSERT_EQ(root->FocusableComponents.size(), 2u);
  EXPECT_EQ(root->FocusableComponents[1], &second);
  EXPECT_EQ(second->FocusPosition, 1u);
  EXPECT_EQ(second->MotherForm, &root);
}

TEST_F(FocusTest, KeyHeldWhileFocusArrivesMustBeReleasedFirst) {
  host.SetKey(vk::RETURN, true);
  Frame({root.Get()});
  first->CatchFocus();
  EXPECT_EQ(root->PositionOfFocusedComponent, 0u);
  Frame({root.Get()});
  Frame({root.Get()});
  EXPECT_EQ(Take(), (Events{"first.Focus"}));

  host.SetKey(vk::RETURN, false);
  Frame({root.Get()});
  EXPECT_TRUE(Take().empty());
  host.SetKey(vk::RETURN, true);
  Frame({root.Get()});
  host.SetKey(vk::RETURN, false);
  Frame({root.Get()});
  EXPECT_EQ(Take(), (Events{"first.KeyDown13", "first.KeyClick13"}));
}

TEST_F(FocusTest, AfterLostFocusTrackedKeysAreSilent) {
  first->CatchFocus();
  Frame({root.Get()});
  second->CatchFocus();
  Frame({root.Get()});
  // Children are checked topmost first, so the newcomer reports before the loser.
  EXPECT_EQ(Take(), (Events{"first.Focus", "second.Focus", "first.LostFocus"}));
  host.SetKey(vk::RETURN, true);
  Frame({root.Get()});
  host.SetKey(vk::RETURN, false);
  Frame({root.Get()});
  EXPECT_EQ(Take(), (Events{"second.KeyDown13", "second.KeyClick13"}));
}

TEST_F(FocusTest, MousePressMovesTheFocus) {
  host.SetCursor(180, 130);
  Frame({root.Get()});
  host.SetKey(vk::LBUTTON, true);
  Frame({root.Get()});
  EXPECT_EQ(Toolkit().Focused, &second);
  EXPECT_EQ(root->PositionOfFocusedComponent, 1u);
  host.SetKey(vk::LBUTTON, false);
  Frame({root.Get()});
  EXPECT_TRUE(Has(Take(), "second.Focus"));
}

TEST_F(BaseTest, FreeReleasesChildrenLastFirstAndEmptiesTheirSlots) {
  Toolkit().ActualComponent = &root;
  MakeProbe(a, "a", TViewport{0, 0, 9, 9}, true);
  MakeProbe(b, "b", TViewport{0, 0, 9, 9});
  Toolkit().Focused = &a;
  Toolkit().ActiveComponent = &b;
  root->Free();
  EXPECT_EQ(Take(), (Events{"root.Free", "b.Free", "a.Free"}));
  EXPECT_FALSE(root);
  EXPECT_FALSE(a);
  EXPECT_FALSE(b);
  EXPECT_EQ(Toolkit().Focused, nullptr);
  EXPECT_EQ(Toolkit().ActiveComponent, nullptr);
}

TEST_F(BaseTest, DrawVisitsVisibleChildrenBottomUpInTheirCanvas) {
  Toolkit().ActualComponent = &root;
  MakeProbe(a, "a", TViewport{0, 0, 9, 9});
  MakeProbe(c, "hidden", TViewport{0, 0, 9, 9});
  MakeProbe(b, "b", TViewport{5, 5, 300, 300});
  c->Visible = false;
  Frame({root.Get()});
  root->Draw();
  EXPECT_EQ(Take(), (Events{"root.Draw", "a.Draw", "b.Draw"}));
  EXPECT_EQ(Viewport, SCREEN_VIEWPORT) << "a root restores the whole screen";
}

}  // namespace
}  // namespace vc_test
