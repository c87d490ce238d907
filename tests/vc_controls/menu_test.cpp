// Menu items: submenus that open under an active superior item, take the mouse
// before every form and are drawn above them, the arrow-key walk, Escape,
// Enter, positions that follow a moving form, and the item's own look.

#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "tests/support/bmp_builder.h"
#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_button.h"
#include "vc/vc_form.h"
#include "vc/vc_menu_item.h"

namespace vc_controls_test {
namespace {

constexpr Rgb kMenuFace{251, 249, 236};   // submenu items
constexpr Rgb kFocusFill{49, 106, 197};   // the focused item

class TProbeItem : public TMenuItem {
 public:
  int Clicks = 0;
  TPoint LastClick;
  void OnMouseLeftClick(int32_t x, int32_t y) override {
    ++Clicks;
    LastClick = TPoint{x, y};
  }
};

class TProbeButton : public TButton {
 public:
  int Clicks = 0;
  int Presses = 0;
  void OnMouseLeftClick(int32_t, int32_t) override { ++Clicks; }
  void OnMouseLeftDown(int32_t, int32_t) override { ++Presses; }
};

// A 400 x 300 form whose canvas is (312, 247)-(711, 546), with a main-menu item
// "AB" at the canvas corner and a three-item submenu below it:
//   file (312, 247)-(381, 270), open (312, 271)-(411, 294),
//   save (312, 295)-(411, 318), quit (312, 319)-(411, 342).
// A button of the form lies under the submenu: (312, 277)-(471, 346).
class MenuTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    main_form = new TForm();
    main_form->CreateComponent(&main_form, PT_Normal, FS_Classic, "Hlavné okno"_cp, 400, 300);
    under = new TProbeButton();
    under->CreateComponent(&under, false, BS_Classic, "", 0, 30, 150, 60);
    file = new TProbeItem();
    file->CreateComponent(&file, true, MIT_Down, BS_Classic, "AB", 0, 0, 60, 14);
    TOwned<TProbeItem>* items[] = {&open, &save, &quit};
    for (int k = 0; k < 3; ++k) {
      TOwned<TProbeItem>& slot = *items[k];
      slot = new TProbeItem();
      slot->CreateComponent(&slot, false, MIT_Button, BS_Classic, "", 0, 24 + 24 * k, 90, 14);
      slot->SuperiorMenuItems.push_back(&file);
    }
    open->Neighbours.UpMenuItem = &file;
    open->Neighbours.DownMenuItem = &save;
    save->Neighbours.UpMenuItem = &open;
    save->Neighbours.DownMenuItem = &quit;
    quit->Neighbours.UpMenuItem = &save;
    main_form->Show(ST_Unmodal);
  }

  // An always-on-top form over the submenu: outer (300, 280)-(511, 417),
  // canvas (306, 312)-(505, 411), with a button at (306, 312)-(465, 371).
  void ShowFormAbove() {
    top_form = new TForm();
    top_form->CreateComponent(&top_form, PT_Always_On_The_Top, FS_Classic, "", 200, 100);
    top_button = new TProbeButton();
    top_button->CreateComponent(&top_button, false, BS_Classic, "", 0, 0, 150, 50);
    top_form->CenterX = false;
    top_form->CenterY = false;
    top_form->SetX(300);
    top_form->SetY(280);
    top_form->Show(ST_Unmodal);
  }

  void ClickAt(int x, int y) {
    MoveTo(x, y);
    Key(vk::LBUTTON, true);
    Key(vk::LBUTTON, false);
  }

  // Opens the submenu by clicking its superior item, then parks the cursor
  // on the form's canvas away from every item.
  void OpenSubmenu() {
    ClickAt(320, 255);
    ASSERT_EQ(Toolkit().ActiveComponent, &file);
    MoveTo(650, 500);
    ASSERT_TRUE(open->Visible);
  }

  TOwned<TProbeButton> under, top_button;
  TOwned<TProbeItem> file, open, save, quit, extra;
  TOwned<TForm> main_form, top_form;
};

TEST_F(MenuTest, ClosedSubmenuIsNeitherDrawnNorHit) {
  Frame();
  EXPECT_FALSE(open->Visible);
  EXPECT_FALSE(quit->Visible);
  EXPECT_EQ(At(330, 330), kFace) << "the form's button shows where the closed item lies";
  ClickAt(330, 330);
  EXPECT_EQ(under->Clicks, 1);
  EXPECT_EQ(quit->Clicks, 0);
  EXPECT_EQ(Toolkit().ActiveComponent, &under);
}

TEST_F(MenuTest, PressOnSuperiorOpensTheSubmenuAboveOtherForms) {
  ShowFormAbove();
  Frame();
  EXPECT_NE(At(400, 300), kMenuFace) << "the upper form's title bar";
  MoveTo(320, 255);
  Key(vk::LBUTTON, true);
  EXPECT_EQ(Toolkit().ActiveComponent, &file);
  EXPECT_FALSE(open->Visible) << "items appear from the next input pass";
  Key(vk::LBUTTON, false);
  EXPECT_TRUE(open->Visible);
  EXPECT_TRUE(quit->Visible);
  // Drawn over the upper form's title bar and canvas.
  EXPECT_EQ(At(400, 300), kMenuFace);
  EXPECT_EQ(At(330, 330), kMenuFace);
  EXPECT_EQ(At(411, 342), kMenuFace);
  EXPECT_NE(At(412, 342), kMenuFace);
  // It stays open after the release.
  Frames(3);
  EXPECT_EQ(Toolkit().ActiveComponent, &file);
  EXPECT_EQ(At(330, 330), kMenuFace);
}

TEST_F(MenuTest, OpenSubmenuOverAnotherFormTakesTheClick) {
  ShowFormAbove();
  OpenSubmenu();
  ClickAt(330, 330);
  EXPECT_EQ(quit->Clicks, 1);
  EXPECT_EQ(top_button->Presses, 0);
  EXPECT_EQ(top_button->Clicks, 0);
  EXPECT_EQ(under->Clicks, 0);
  // The press moved the active component away from the superior: closed.
  Frame();
  EXPECT_FALSE(open->Visible);
  EXPECT_FALSE(quit->Visible);
  EXPECT_NE(At(330, 330), kMenuFace);
  EXPECT_EQ(quit->Clicks, 1);
}

TEST_F(MenuTest, HoverAndArrowKeysWalkTheItems) {
  OpenSubmenu();
  MoveTo(330, 280);
  MoveTo(331, 280);
  EXPECT_EQ(Toolkit().Focused, &open) << "moving over an item focuses it";
  EXPECT_EQ(main_form->PositionOfFocusedComponent, open->FocusPosition);
  EXPECT_EQ(At(315, 274), kFocusFill);
  MoveTo(650, 500);

  Tap(vk::DOWN);
  EXPECT_EQ(Toolkit().Focused, &save);
  EXPECT_EQ(At(315, 274), kMenuFace);
  EXPECT_EQ(At(315, 298), kFocusFill);
  Tap(vk::DOWN);
  EXPECT_EQ(Toolkit().Focused, &quit);
  Tap(vk::DOWN);
  EXPECT_EQ(Toolkit().Focused, &quit) << "no neighbour below";
  Tap(vk::UP);
  EXPECT_EQ(Toolkit().Focused, &save);
  // Save is checked before open: open sees the same Up edge after the focus
  // reached it, and must not pass it on to its own upper neighbour.
  Tap(vk::UP);
  EXPECT_EQ(Toolkit().Focused, &open);
  EXPECT_EQ(main_form->PositionOfFocusedComponent, open->FocusPosition)
      << "Up and Down leave the form's focus index alone";

  save->Enable = false;
  Tap(vk::DOWN);
  EXPECT_EQ(Toolkit().Focused, &open) << "a disabled neighbour is skipped over by nothing";
  save->Enable = true;

  // Left goes through CatchFocus, Right does not.
  open->Neighbours.LeftMenuItem = &quit;
  quit->Neighbours.RightMenuItem = &open;
  Tap(vk::LEFT);
  EXPECT_EQ(Toolkit().Focused, &quit);
  EXPECT_EQ(main_form->PositionOfFocusedComponent, quit->FocusPosition);
  Tap(vk::RIGHT);
  EXPECT_EQ(Toolkit().Focused, &open);
  EXPECT_EQ(main_form->PositionOfFocusedComponent, quit->FocusPosition);
  EXPECT_EQ(Toolkit().ActiveComponent, &file) << "walking does not close the submenu";
}

TEST_F(MenuTest, EscapeClosesSubmenusButNotTheMainMenu) {
  OpenSubmenu();
  save->CatchFocus();
  Frame();
  Tap(vk::ESCAPE);
  EXPECT_EQ(Toolkit().ActiveComponent, nullptr);
  EXPECT_EQ(Toolkit().Focused, nullptr);
  EXPECT_FALSE(save->Visible);
  EXPECT_NE(At(330, 300), kMenuFace);

  file->CatchFocus();
  Frame();
  Tap(vk::ESCAPE);
  EXPECT_EQ(Toolkit().Focused, &file);
}

TEST_F(MenuTest, EnterActivatesTheFocusedItem) {
  OpenSubmenu();
  save->CatchFocus();
  Frames(2);
  Key(vk::RETURN, true);
  EXPECT_TRUE(save->Enter_Pressed);
  EXPECT_EQ(Toolkit().ActiveComponent, &save);
  EXPECT_TRUE(save->Visible) << "held open by its own press";
  EXPECT_FALSE(open->Visible);
  EXPECT_EQ(save->Clicks, 0);
  Key(vk::RETURN, false);
  EXPECT_EQ(save->Clicks, 1);
  EXPECT_EQ(save->LastClick, (TPoint{-1, -1}));
  Frame();
  EXPECT_FALSE(save->Visible);
}

TEST_F(MenuTest, SubmenuFollowsItsMovingFormInTheSameFrame) {
  OpenSubmenu();
  main_form->CenterX = false;
  main_form->SetX(main_form->GetX() + 40);
  Frame();
  EXPECT_EQ(main_form->RealCanvasPos.X1, 352);
  EXPECT_EQ(open->RealComponentPos.X1, 352);
  EXPECT_EQ(At(353, 280), kMenuFace);
  EXPECT_NE(At(320, 280), kMenuFace);
}

TEST_F(MenuTest, LiftedMainItemIsDrawnOutsideItsFormsCanvas) {
  file->SetX(-10);  // outer (302, 247)-(371, 270), partly left of the canvas
  Frame();
  EXPECT_EQ(At(305, 255), kBlack) << "clipped by the form while in the form";
  EXPECT_EQ(At(313, 255), (Rgb{236, 233, 216}));
  MoveTo(330, 255);
  Key(vk::LBUTTON, true);
  EXPECT_EQ(Toolkit().Focused, &file);
  EXPECT_EQ(At(305, 255), kFocusFill) << "drawn in the menu pass over the whole screen";
  EXPECT_EQ(At(302, 247), kFocusFill);
  EXPECT_NE(At(301, 247), kFocusFill);
}

TEST_F(MenuTest, EveryOpenItemIsDrawnWithoutItsFormsClipping) {
  // The last two items stick out left of the form's canvas (x 312).
  save->SetX(-20);
  quit->SetX(-20);
  OpenSubmenu();
  EXPECT_EQ(At(295, 300), kMenuFace);
  EXPECT_EQ(At(295, 330), kMenuFace) << "also after another item restored its form's viewport";
  EXPECT_NE(At(291, 330), kMenuFace);
}

TEST_F(MenuTest, ItemTextureStaysInsideTheItem) {
  // Outer (512, 347)-(551, 370), 40 x 24; a 30 x 30 texture would reach x 571.
  extra = new TProbeItem();
  extra->CreateComponent(&extra, false, MIT_Button, BS_Classic, "", 200, 100, 30, 14);
  LoadPicture(extra->Texture, 30, 30, test_support::Rgb{90, 80, 10});
  Frame();
  const Rgb tile{10, 80, 90};
  EXPECT_TRUE(AllOf(512, 347, 551, 370, tile));
  EXPECT_EQ(At(552, 360), kFace) << "the form's canvas";
  EXPECT_EQ(At(530, 371), kFace);
}

TEST_F(MenuTest, MainItemLookTitleAndArrow) {
  Frame();
  // Canvas (317, 252)-(376, 265); "AB" centred at (343, 254).
  EXPECT_EQ(At(312, 247), (Rgb{236, 233, 216}));
  EXPECT_TRUE(AllOf(343, 254, 350, 263, kBlack));
  EXPECT_EQ(At(342, 254), (Rgb{236, 233, 216}));
  // Down arrow: cy = 270 - 23 / 2 = 259; rows cy + 2 - i, centred on x = 373.
  EXPECT_EQ(At(373, 261), kBlack);
  EXPECT_EQ(At(372, 261), (Rgb{236, 233, 216}));
  EXPECT_TRUE(AllOf(370, 258, 376, 258, kBlack));
  EXPECT_EQ(At(373, 257), (Rgb{236, 233, 216}));

  file->Enable = false;
  Frame();
  EXPECT_TRUE(AllOf(343, 254, 350, 263, kShade)) << "a disabled item's title is grey";
  EXPECT_EQ(At(373, 261), kShade) << "and so is its arrow";
}

TEST_F(MenuTest, ArrowGlyphsPointTheirWay) {
  // Always open, outside the main menu: outer (512, 347)-(551, 370), cy = 359.
  extra = new TProbeItem();
  extra->CreateComponent(&extra, false, MIT_Right, BS_Classic, "", 200, 100, 30, 14);
  Frame();
  EXPECT_TRUE(extra->Visible);
  EXPECT_EQ(At(546, 359), kBlack) << "the tip, 5 pixels from the right edge";
  EXPECT_EQ(At(547, 359), kMenuFace);
  EXPECT_EQ(At(546, 358), kMenuFace);
  EXPECT_TRUE(AllOf(543, 356, 543, 362, kBlack));
  EXPECT_EQ(At(543, 355), kMenuFace);
  EXPECT_EQ(At(542, 359), kMenuFace);

  extra->MenuItemType = MIT_Left;
  Frame();
  EXPECT_EQ(At(517, 359), kBlack);
  EXPECT_EQ(At(516, 359), kMenuFace);
  EXPECT_TRUE(AllOf(520, 356, 520, 362, kBlack));

  extra->MenuItemType = MIT_Up;
  Frame();
  EXPECT_EQ(At(543, 357), kBlack);
  EXPECT_EQ(At(543, 356), kMenuFace);
  EXPECT_TRUE(AllOf(540, 360, 546, 360, kBlack));

  extra->CatchFocus();
  Frame();
  EXPECT_EQ(At(543, 357), kWhite) << "white on the focused item";
  EXPECT_EQ(At(543, 356), kFocusFill);
}

TEST_F(MenuTest, BevelSidesOfAnItem) {
  extra = new TProbeItem();
  extra->CreateComponent(&extra, false, MIT_Button, BS_Classic, "", 200, 100, 30, 14);
  extra->Borders = TBorders{true, true, true, true};
  Frame();
  // Outer (512, 347)-(551, 370).
  EXPECT_EQ(At(512, 347), kWhite);
  EXPECT_EQ(At(513, 347), kWhite);
  EXPECT_EQ(At(550, 347), kWhite);
  EXPECT_EQ(At(551, 347), kDark);
  EXPECT_EQ(At(512, 370), kDark);
  EXPECT_EQ(At(551, 370), kDark);
  EXPECT_EQ(At(512, 369), kWhite);
  EXPECT_EQ(At(513, 348), kLight);
  EXPECT_EQ(At(513, 369), kShade);
  EXPECT_EQ(At(550, 348), kShade);
  EXPECT_EQ(At(514, 349), kMenuFace);

  extra->Borders = TBorders{};
  extra->Borders.Down = true;
  Frame();
  EXPECT_EQ(At(512, 347), kMenuFace);
  EXPECT_EQ(At(512, 370), kDark);
  EXPECT_EQ(At(551, 369), kShade);
}

}  // namespace
}  // namespace vc_controls_test
