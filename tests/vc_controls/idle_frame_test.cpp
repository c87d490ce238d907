// Counts heap allocations, to show that a frame in which nothing changes
// allocates nothing however many controls are checked and drawn, with a
// submenu open and a focused item highlighted.

#include <memory>

#include "platform/cp1250.h"
#include "tests/support/allocation_counter.h"

#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_button.h"
#include "vc/vc_container.h"
#include "vc/vc_label.h"
#include "vc/vc_menu_item.h"
#include "vc/vc_panel.h"

namespace vc_controls_test {
namespace {

class IdleFrameTest : public ControlsTest {
 protected:
  TOwned<TForm> form;
  TOwned<TButton> button, focused_button;
  TOwned<TPanel> panel, round;
  TOwned<TLabel> label;
  TOwned<TContainer> box;
  TOwned<TButton> boxed;
  TOwned<TMenuItem> file, open, save;
};

TEST_F(IdleFrameTest, AFrameWithoutInputAllocatesNothing) {
  form = new TForm();
  form->CreateComponent(&form, PT_Normal, FS_Classic, "Okno", 500, 400);
  file = new TMenuItem();
  file->CreateComponent(&file, true, MIT_Down, BS_Classic, "Súbor"_cp, 0, 0, 60, 14);
  open = new TMenuItem();
  open->CreateComponent(&open, false, MIT_Right, BS_Classic, "Otvoriť"_cp, 0, 24, 90, 14);
  open->SuperiorMenuItems.push_back(&file);
  open->Borders = TBorders{true, true, true, true};
  save = new TMenuItem();
  save->CreateComponent(&save, false, MIT_Button, BS_Classic, "Uložiť"_cp, 0, 48, 90, 14);
  save->SuperiorMenuItems.push_back(&file);
  button = new TButton();
  button->CreateComponent(&button, true, BS_Classic, "OK", 200, 200, 80, 20);
  focused_button = new TButton();
  focused_button->CreateComponent(&focused_button, true, BS_Classic, "Zrušiť"_cp, 300, 200, 80, 20);
  panel = new TPanel();
  panel->CreateComponent(&panel, true, PS_DownSituated, 10, 300, 200, 30);
  panel->Title = "Stav";
  panel->Borders = TBorders{true, true, true, true};
  round = new TPanel();
  round->CreateComponent(&round, false, PS_Circle, 300, 280, 40, 40);
  label = new TLabel();
  label->CreateComponent(&label, false, 250, 120, "Hmlovina"_cp);
  box = new TContainer();
  box->CreateComponent(&box, 120, 120, 100, 100);
  boxed = new TButton();
  boxed->CreateComponent(&boxed, false, BS_Classic, "X", 10, 10, 30, 20);
  ActualComponent = &form;
  form->Show(ST_Unmodal);

  // Open the submenu, highlight an item, hover a button.
  Frame();
  host.SetCursor(form->RealCanvasPos.X1 + 10, form->RealCanvasPos.Y1 + 10);
  Key(vk::LBUTTON, true);
  Key(vk::LBUTTON, false);
  ASSERT_EQ(ActiveComponent, &file);
  open->CatchFocus();
  host.SetCursor(button->RealComponentPos.X1 + 5, button->RealComponentPos.Y1 + 5);
  Frames(3);
  ASSERT_TRUE(open->Visible);

  // The counter itself works.
  long before = test_support::AllocationCount();
  auto probe = std::make_unique<int>(1);
  ASSERT_GT(test_support::AllocationCount(), before);

  before = test_support::AllocationCount();
  Frames(10);
  EXPECT_EQ(test_support::AllocationCount(), before);
}

}  // namespace
}  // namespace vc_controls_test
