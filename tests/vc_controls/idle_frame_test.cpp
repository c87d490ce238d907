// Counts heap allocations, to show that a frame in which nothing changes
// allocates nothing however many controls are checked and drawn, with a
// submenu open and a focused item highlighted.

#include <memory>

#include "platform/cp1250.h"
#include "tests/support/allocation_counter.h"

#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_book.h"
#include "vc/vc_button.h"
#include "vc/vc_check_box.h"
#include "vc/vc_combo_box.h"
#include "vc/vc_container.h"
#include "vc/vc_edit.h"
#include "vc/vc_label.h"
#include "vc/vc_menu_item.h"
#include "vc/vc_page_control.h"
#include "vc/vc_panel.h"
#include "vc/vc_radio_button.h"
#include "vc/vc_scroll_bar.h"

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
  Toolkit().ActualComponent = &form;
  form->Show(ST_Unmodal);

  // Open the submenu, highlight an item, hover a button.
  Frame();
  host.SetCursor(form->RealCanvasPos.X1 + 10, form->RealCanvasPos.Y1 + 10);
  Key(vk::LBUTTON, true);
  Key(vk::LBUTTON, false);
  ASSERT_EQ(Toolkit().ActiveComponent, &file);
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

class TLinePage : public TBookPage {
 public:
  TOwned<TLabel> Line;
  void OnCreate() override {
    Line = new TLabel();
    Line->CreateComponent(&Line, false, 10, 40, "Riadok");
  }
};

class TTitledPage : public TPage {
 public:
  TOwned<TRadioButton> Choice;
  void OnCreate() override {
    Choice = new TRadioButton();
    Choice->CreateComponent(&Choice, 10, 10, "Voľba"_cp);
  }
};

// The same with every later control: an edit whose text runs past its right
// edge (it lays out again every frame), a radio group, a check box, both
// scroll bars, an open combo box over seven entries, a scrolled book and a
// page control.
class IdleControlsTest : public ControlsTest {
 protected:
  TOwned<TForm> form;
  TOwned<TEdit> edit;
  TOwned<TRadioButton> slow, fast;
  TOwned<TCheckBox> grid;
  TOwned<TScrollBar> vertical, horizontal;
  TOwned<TComboBox> types;
  TOwned<TBook> book;
  TOwned<TLinePage> bookPage;
  TOwned<TPageControl> tabs;
  TOwned<TTitledPage> tab1, tab2;
};

TEST_F(IdleControlsTest, AFrameWithoutTypingAllocatesNothing) {
  form = new TForm();
  form->CreateComponent(&form, PT_Normal, FS_Classic, "Okno", 900, 650);
  edit = new TEdit();
  edit->CreateComponent(&edit, 10, 10, 100, 14);
  edit->SetText(std::string(300, 'x'));
  slow = new TRadioButton();
  slow->CreateComponent(&slow, 10, 50, "Pomaly");
  fast = new TRadioButton();
  fast->CreateComponent(&fast, 10, 80, "Rýchlo"_cp);
  slow->AddNeighbour(&fast);
  grid = new TCheckBox();
  grid->CreateComponent(&grid, 10, 110, "Mriežka"_cp);
  vertical = new TScrollBar();
  vertical->CreateComponent(&vertical, SBT_Vertical, 300, 40, 150, 9);
  horizontal = new TScrollBar();
  horizontal->CreateComponent(&horizontal, SBT_Horizontal, 40, 220, 150, 30);
  types = new TComboBox();
  types->CreateComponent(&types, 400, 10, 150);
  for (const char* name : {"Planetárna", "Emisná", "Reflexná", "Temná", "Zvyšok", "Kopa", "Iná"})
    types->AddItem(name);
  book = new TBook();
  book->CreateComponent(&book, 10, 300, 200, 100);
  Toolkit().ActualComponent = &book;
  bookPage = new TLinePage();
  bookPage->CreateComponent(&bookPage);
  book->AddBookPage(&bookPage, 20);
  Toolkit().ActualComponent = &form;
  book->ChangePageNumber(0);
  tabs = new TPageControl();
  tabs->CreateComponent(&tabs, 400, 300, 300, 150);
  Toolkit().ActualComponent = &tabs;
  tab1 = new TTitledPage();
  tab1->CreateComponent(&tab1);
  tabs->AddPage(&tab1, "Prvá"_cp);
  tab2 = new TTitledPage();
  tab2->CreateComponent(&tab2);
  tabs->AddPage(&tab2, "Druhá"_cp);
  Toolkit().ActualComponent = &form;
  form->Show(ST_Unmodal);

  // Open the combo box, scroll the book and its rows, then focus the edit
  // and move its cursor, and hover the check box.
  Frame();
  const TViewport& main = types->MainComboBoxItem->RealComponentPos;
  host.SetCursor(main.X1 + 5, main.Y1 + 5);
  Key(vk::LBUTTON, true);
  Key(vk::LBUTTON, false);
  types->ComboBoxScrollBar->SetPosition(1);
  book->BookScrollBar->SetPosition(5);
  edit->CatchFocus();
  Frames(2);
  Key(vk::RIGHT, true);
  Key(vk::RIGHT, false);
  const TViewport& box = grid->TitlePanel->RealComponentPos;
  host.SetCursor(box.X1 + 3, box.Y1 + 3);
  Frames(3);
  ASSERT_TRUE(types->ComboBoxItems[0]->Visible);
  ASSERT_EQ(book->Line, 5);
  ASSERT_TRUE(edit->Refresh) << "the text runs on: the field lays out in every frame";

  const long before = test_support::AllocationCount();
  Frames(10);
  EXPECT_EQ(test_support::AllocationCount(), before);
}

}  // namespace
}  // namespace vc_controls_test
