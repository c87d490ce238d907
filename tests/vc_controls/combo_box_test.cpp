// The combo box: rows over a scrolled list, hidden rows of a short list, a
// choice reported in one frame, and the arrow keys at the list's edges.

#include <string>

#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_combo_box.h"

namespace vc_controls_test {
namespace {

class TProbeCombo : public TComboBox {
 public:
  int Accepts = 0;
  void OnAccept() override { ++Accepts; }
};

class ComboBoxTest : public ControlsTest {
 protected:
  // At (100, 100), 150 wide: the main item is 20 tall, row I starts at 100 + 20 I.
  TProbeCombo* Make(int entries) {
    combo = new TProbeCombo();
    combo->CreateComponent(&combo, 100, 100, 150);
    for (int i = 0; i < entries; ++i) combo->AddItem(Entry(i));
    Frame();
    return combo.Get();
  }
  void Open() {
    host.SetCursor(150, 110);
    Key(vk::LBUTTON, true);
    Key(vk::LBUTTON, false);
  }
  static std::string Entry(int i) {
    std::string name = "E";
    name += static_cast<char>('0' + i);
    return name;
  }
  std::string RowTitle(int i) const { return combo->ComboBoxItems[static_cast<std::size_t>(i - 1)]->Title; }

  TOwned<TProbeCombo> combo;
};

TEST_F(ComboBoxTest, SevenEntriesScrollAndAChoiceIsReportedInOneFrame) {
  TProbeCombo* c = Make(7);
  EXPECT_EQ(c->ComboBoxScrollBar->MaxValue, 2u);
  EXPECT_EQ(c->ComboBoxItems[0]->Width, 150 - 19);
  EXPECT_EQ(c->MainComboBoxItem->Title, "E0");
  EXPECT_FALSE(c->ComboBoxScrollBar->Visible);
  Open();
  EXPECT_TRUE(c->ComboBoxScrollBar->Visible);
  EXPECT_TRUE(c->ComboBoxItems[4]->Visible);
  c->ComboBoxScrollBar->SetPosition(2);
  Frame();
  EXPECT_EQ(RowTitle(1), "E2");
  EXPECT_EQ(RowTitle(5), "E6");

  host.SetCursor(150, 130);  // row 1
  Key(vk::LBUTTON, true);
  EXPECT_TRUE(c->PAccept);
  EXPECT_EQ(c->ChoosedItem, 3);
  EXPECT_EQ(c->MainComboBoxItem->Title, "E2");
  EXPECT_EQ(Toolkit().Focused, &c->MainComboBoxItem);
  Frames(3);  // still held
  EXPECT_FALSE(c->PAccept);
  Key(vk::LBUTTON, false);
  EXPECT_FALSE(c->PAccept);
  EXPECT_EQ(c->Accepts, 1);
  Frame();
  EXPECT_FALSE(c->ComboBoxItems[0]->Visible) << "the list closes";
  EXPECT_FALSE(c->ComboBoxScrollBar->Visible);
}

TEST_F(ComboBoxTest, ThreeEntriesHideTheRowsBelowTheList) {
  TProbeCombo* c = Make(3);
  EXPECT_EQ(c->ComboBoxScrollBar->MaxValue, 0u);
  EXPECT_EQ(c->ComboBoxItems[0]->Width, 150);
  Open();
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(c->ComboBoxItems[static_cast<std::size_t>(i - 1)]->Visible) << i;
    EXPECT_EQ(RowTitle(i), Entry(i - 1));
  }
  for (int i = 4; i <= 5; ++i) {
    EXPECT_FALSE(c->ComboBoxItems[static_cast<std::size_t>(i - 1)]->Visible) << i;
    EXPECT_FALSE(c->ComboBoxItems[static_cast<std::size_t>(i - 1)]->Enable) << i;
  }
  EXPECT_FALSE(c->ComboBoxScrollBar->Visible);
  // Where row 4 would be, the desk gets the screen: nothing is drawn there.
  EXPECT_EQ(At(150, 190), kBlack);
  host.SetCursor(150, 170);  // row 3
  Key(vk::LBUTTON, true);
  Key(vk::LBUTTON, false);
  EXPECT_EQ(c->ChoosedItem, 3);
  EXPECT_EQ(c->MainComboBoxItem->Title, "E2");
}

TEST_F(ComboBoxTest, ArrowKeysScrollAtTheRowsEdges) {
  TProbeCombo* c = Make(7);
  Open();
  c->ComboBoxItems[0]->CatchFocus();
  Frame();
  // Down through the rows, then beyond row 5 the list scrolls to its end.
  for (int i = 0; i < 4; ++i) Key(vk::DOWN, true), Key(vk::DOWN, false);
  EXPECT_EQ(Toolkit().Focused, &c->ComboBoxItems[4]);
  EXPECT_EQ(c->ComboBoxScrollBar->Position, 0);
  for (int i = 0; i < 3; ++i) Key(vk::DOWN, true), Key(vk::DOWN, false);
  EXPECT_EQ(c->ComboBoxScrollBar->Position, 2);
  EXPECT_EQ(RowTitle(5), "E6");
  // Up from row 2 only moves to row 1; on row 1 it scrolls, then leaves.
  for (int i = 0; i < 4; ++i) Key(vk::UP, true), Key(vk::UP, false);
  EXPECT_EQ(Toolkit().Focused, &c->ComboBoxItems[0]);
  EXPECT_EQ(c->ComboBoxScrollBar->Position, 2);
  Key(vk::UP, true), Key(vk::UP, false);
  EXPECT_EQ(c->ComboBoxScrollBar->Position, 1);
  Key(vk::UP, true), Key(vk::UP, false);
  Key(vk::UP, true), Key(vk::UP, false);
  EXPECT_EQ(c->ComboBoxScrollBar->Position, 0);
  EXPECT_EQ(Toolkit().Focused, &c->MainComboBoxItem);
  // Enter on a row chooses it.
  c->ComboBoxItems[1]->CatchFocus();
  Frame();
  Key(vk::RETURN, true);
  Key(vk::RETURN, false);
  EXPECT_EQ(c->ChoosedItem, 2);
  EXPECT_EQ(c->Accepts, 1);
}

}  // namespace
}  // namespace vc_controls_test
