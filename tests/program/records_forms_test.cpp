// Adding, revising, listing, searching and deleting records through the
// forms, with the keyboard where the keys are the point.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "tests/support/bmp_builder.h"
#include "forms/cv_add_form.h"
#include "forms/cv_delete_form.h"
#include "forms/cv_error_form.h"
#include "forms/cv_list_form.h"
#include "forms/cv_list_item_form.h"
#include "platform/cp1250.h"
#include "platform/vk.h"
#include "program_fixture.h"

namespace {

using program_test::ProgramTest;

class RecordFormsTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Start();
    Frame();
    NewDatabase(Path("r.cvl"), "R", "", "");
  }

  // A press after an idle frame, as a person's keys always are: a field
  // that just took the focus waits for its keys to be up first.
  void Press(int key) {
    Frame();
    backend_.SetKey(key, true);
    Frame();
    backend_.SetKey(key, false);
    Frame();
  }

  void AddNumbered(int n) {
    for (int i = 1; i <= n; ++i) {
      TNebula r;
      r.NameOfNebula = "M " + std::to_string(i);
      r.NGC = 100 - i;
      r.Rect = i * 0.5;
      AddNebula(r);
    }
  }

  std::string Cell(int column, int row) { return ListForm->ListPanels[column][row]->ShowedText; }
};

TEST_F(RecordFormsTest, EveryBadNumberIsReportedAndEmptiedTheLastMessageStays) {
  TAddForm& f = *AddForm;
  f.Show(ST_Unmodal);
  f.NameEdit->SetText("Nová"_cp);
  f.NGCEdit->SetText("12a");
  f.RectEdit->SetText("5,5");
  f.DecEdit->SetText("-7.25");
  f.DistanceEdit->SetText("1e2");
  f.MagEdit->SetText("");
  EXPECT_FALSE(f.Accept());
  EXPECT_TRUE(ErrorForm->Visible);
  EXPECT_EQ(ErrorForm->ErrorMessage, NumberFieldMessage(4));
  EXPECT_EQ(f.NGCEdit->Text, "");
  EXPECT_EQ(f.RectEdit->Text, "");
  EXPECT_EQ(f.MagEdit->Text, "");
  EXPECT_EQ(f.DecEdit->Text, "-7.25");
  EXPECT_EQ(f.NameEdit->Text, "Nová"_cp);
  EXPECT_TRUE(Catalogue().Nebulas.empty());
  ErrorForm->Hide();

  f.NGCEdit->SetText(" $1F");
  f.RectEdit->SetText(".5");
  f.MagEdit->SetText("5.");
  // The picture lies beside the catalogue, not in the current folder.
  NewDatabase("sub\\r.cvl", "R", "", "");
  std::filesystem::create_directory(Path("sub"));
  ASSERT_TRUE(test_support::WriteBytes(
      Path("sub/p.bmp"), test_support::BuildBmp24(64, 64, std::vector<test_support::Rgb>(64 * 64, {0, 0, 255}))));
  f.PictureEdit->SetText("p.bmp");
  ASSERT_TRUE(f.Accept());
  ASSERT_EQ(Catalogue().Nebulas.size(), 1u);
  const TNebula& r = Catalogue().Nebulas[0];
  EXPECT_EQ(r.IndexOfItem, 1);
  EXPECT_EQ(r.NGC, 31);
  EXPECT_EQ(r.Rect, 0.5);
  EXPECT_EQ(r.Distance, 100.0);
  EXPECT_EQ(r.TypeOfNebula, TN_Planetary);
  EXPECT_TRUE(r.Thumbnail.Loaded);
  EXPECT_EQ(r.Thumbnail.ImageWidth, 32u);
  EXPECT_FALSE(f.Visible);
  EXPECT_EQ(f.NameEdit->Text, "");
  EXPECT_EQ(f.TypeComboBox->ChoosedItem, 1);
}

TEST_F(RecordFormsTest, EnterWalksTheFieldsAndOnePressInTheLastAddsOneRecord) {
  TAddForm& f = *AddForm;
  f.Show(ST_Unmodal);
  Frame();
  ASSERT_EQ(Toolkit().Focused, &f.NameEdit);
  Press(vk::RETURN);
  EXPECT_EQ(Toolkit().Focused, &f.NGCEdit);
  for (TEdit* edit : {f.NGCEdit.Get(), f.RectEdit.Get(), f.DecEdit.Get(), f.DistanceEdit.Get(), f.MagEdit.Get()})
    edit->SetText("1");
  f.PictureEdit->CatchFocus();
  Frame();
  Press(vk::RETURN);
  EXPECT_EQ(Toolkit().Focused, &f.DescriptionEdit);
  Press(vk::RETURN);
  EXPECT_EQ(Catalogue().Nebulas.size(), 1u);
  EXPECT_FALSE(f.Visible);
  Frame(3);
  EXPECT_EQ(Catalogue().Nebulas.size(), 1u);
}

TEST_F(RecordFormsTest, RevisingWithoutChangesKeepsEveryValueExactly) {
  TNebula r;
  r.NameOfNebula = "Sova";
  r.NGC = -7;
  r.Rect = 5.58333;
  r.Dec = -0.1 - 1e-12;
  r.Distance = 1e-5;
  r.Magnitude = 123456789.123;
  r.TypeOfNebula = TN_H2;
  r.Picture = "";
  r.Description = "Opis";
  AddNumbered(2);
  AddNebula(r);
  const TNebula before = Catalogue().Nebulas[2];
  ListForm->Show(ST_Unmodal);
  Frame();
  EXPECT_EQ(Cell(3, 2), "5.583");  // the list still shows three decimals

  ReviseForm->FillFrom(2);
  ReviseForm->Show(ST_Unmodal);
  EXPECT_EQ(ReviseForm->RectEdit->Text, "5.58333");
  ASSERT_TRUE(ReviseForm->Accept());
  const TNebula& after = Catalogue().Nebulas[2];
  EXPECT_EQ(after.IndexOfItem, 3);
  EXPECT_EQ(after.NGC, before.NGC);
  EXPECT_EQ(std::memcmp(&after.Rect, &before.Rect, 8 * 4), 0);
  EXPECT_EQ(after.TypeOfNebula, TN_H2);
  EXPECT_EQ(after.NameOfNebula, "Sova");
}

TEST_F(RecordFormsTest, ReviseFormFollowsItsRecordWhenTheListIsSortedMeanwhile) {
  AddNumbered(5);
  ListForm->Show(ST_Unmodal);
  Frame();
  ReviseForm->FillFrom(0);  // the record numbered 1
  ReviseForm->Show(ST_Unmodal);
  ReviseForm->NameEdit->SetText("Prvá"_cp);
  ListForm->PropertyButtons[0]->OnMouseLeftClick(-1, -1);  // sorts by number, descending
  Frame();
  ASSERT_EQ(Catalogue().Nebulas[0].IndexOfItem, 5);
  ASSERT_TRUE(ReviseForm->Accept());
  EXPECT_EQ(Catalogue().Nebulas[4].IndexOfItem, 1);
  EXPECT_EQ(Catalogue().Nebulas[4].NameOfNebula, "Prvá"_cp);
  EXPECT_EQ(Catalogue().Nebulas[0].NameOfNebula, "M 5");
}

TEST_F(RecordFormsTest, ScrollingHeadersSearchAndEmptyRows) {
  AddNumbered(40);
  ListForm->Show(ST_Unmodal);
  Frame();
  EXPECT_EQ(ListForm->ScrollBar1->GetMaxValue(), 25u);
  ListForm->ScrollBar1->SetPosition(25);
  Frame();
  EXPECT_EQ(Cell(0, 0), "26");
  EXPECT_EQ(Cell(0, 14), "40");

  ListForm->PropertyButtons[0]->OnMouseLeftClick(-1, -1);
  Frame();
  EXPECT_EQ(ListForm->PropertyButtons[0]->Arrow, A_Down);
  EXPECT_EQ(Catalogue().Nebulas[0].IndexOfItem, 40);
  ListForm->PropertyButtons[0]->OnMouseLeftClick(-1, -1);
  Frame();
  EXPECT_EQ(ListForm->PropertyButtons[0]->Arrow, A_Up);
  EXPECT_EQ(Catalogue().Nebulas[0].IndexOfItem, 1);

  // Typing switches the search on at once, whatever the case and spacing;
  // the box still switches it off. The short list is not left scrolled past
  // its end.
  ListForm->SearchEdit->SetText("m 3");
  Frame();
  EXPECT_TRUE(ListForm->SearchBox->Checked);
  EXPECT_EQ(ListForm->ShownCount(), 11);  // "M 3" and "M 30" to "M 39"
  EXPECT_EQ(ListForm->ScrollBar1->GetMaxValue(), 0u);
  EXPECT_EQ(ListForm->ScrollBar1->Position, 0);
  EXPECT_EQ(Cell(0, 0), "3");
  EXPECT_EQ(Cell(0, 1), "30");
  EXPECT_EQ(Cell(0, 11), "");
  EXPECT_FALSE(ListForm->Container[11]->Enable);
  EXPECT_TRUE(ListForm->Container[10]->Enable);
  ListForm->SearchBox->Checked = false;
  Frame();
  EXPECT_EQ(ListForm->ShownCount(), 40);
}

TEST_F(RecordFormsTest, RowKeysSelectScrollAndDeleteWithRenumbering) {
  AddNumbered(20);
  ListForm->Show(ST_Unmodal);
  Frame();
  ListForm->Container[13]->CatchFocus();
  Frame();
  EXPECT_EQ(ListForm->ActiveLine, 14);
  backend_.SetKey(vk::DOWN, true);
  Frame(40);  // 800 ms held
  backend_.SetKey(vk::DOWN, false);
  Frame();
  EXPECT_GT(ListForm->ActiveLine, 16);
  EXPECT_EQ(ListForm->ScrollBar1->Position, ListForm->ActiveLine - LIST_ROWS);
  EXPECT_EQ(Toolkit().Focused, &ListForm->Container[LIST_ROWS - 1]);

  ListForm->Container[2]->CatchFocus();
  Frame();
  const int32_t number = ListForm->View.Row(static_cast<std::size_t>(ListForm->ActiveLine - 1)).IndexOfItem;
  Catalogue().Modified = false;
  Press(vk::DELETE_);
  ASSERT_TRUE(DeleteForm->Visible);
  EXPECT_EQ(DeleteForm->IndexOfItem2, std::to_string(number));
  Press(vk::RETURN);  // Yes holds the focus
  EXPECT_FALSE(DeleteForm->Visible);
  ASSERT_EQ(Catalogue().Nebulas.size(), 19u);
  EXPECT_TRUE(Catalogue().Modified);
  std::vector<bool> seen(20, false);
  for (const TNebula& r : Catalogue().Nebulas) seen[static_cast<std::size_t>(r.IndexOfItem)] = true;
  for (int n = 1; n <= 19; ++n) EXPECT_TRUE(seen[static_cast<std::size_t>(n)]) << n;

  Press(vk::RETURN);  // the selected row into the item view
  EXPECT_TRUE(ListItemForm->Visible);
}

}  // namespace
