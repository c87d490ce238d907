// The exit form, the three save-changes questions and the error form: every
// answer, by the buttons' click hooks and by the keyboard and mouse.
#include "forms/cv_error_form.h"
#include "forms/cv_exit_form.h"
#include "forms/cv_file_new_form.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_list_form.h"
#include "forms/cv_open_form.h"
#include "forms/cv_question_form.h"
#include "forms/cv_question_form2.h"
#include "forms/cv_question_form3.h"
#include "platform/cp1250.h"
#include "platform/vk.h"
#include "program_fixture.h"

namespace program_test {
namespace {

class DialogTest : public ProgramTest {
 protected:
  // The program running with a.cvl loaded.
  void StartWithDatabase() {
    WriteFile(Path("a.cvl"), DatabaseBytes("Prvá"_cp, 2));
    Start();
    Frame();
    ASSERT_TRUE(OpenDatabaseFile("a.cvl"));
    Frame();
  }
  // Changes the loaded database in memory the way an edit would.
  static void Change() {
    Catalogue().DatabaseInfo.NameOfDatabase = "Zmenená"_cp;
    Catalogue().Modified = true;
  }
};

TEST_F(DialogTest, ExitWithoutDatabaseOrChangesEndsAtOnce) {
  Start();
  Frame();
  AskToQuit();
  Frame();
  ASSERT_TRUE(ExitForm->Visible);
  EXPECT_EQ(ExitForm->GetShowType(), ST_Unmodal);
  ExitForm->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_TRUE(Terminate);
  EXPECT_FALSE(QuestionForm3->Visible);
  Frame();
  EXPECT_TRUE(Database->Finish);
}

TEST_F(DialogTest, ExitNoOnlyHidesTheForm) {
  StartWithDatabase();
  Change();
  AskToQuit();
  Frame();
  ExitForm->NoButton->OnMouseLeftClick(-1, -1);
  Frame();
  EXPECT_FALSE(ExitForm->Visible);
  EXPECT_FALSE(Terminate);
  EXPECT_TRUE(Catalogue().Modified);
}

TEST_F(DialogTest, ExitWithASavedDatabaseAsksNothingMore) {
  StartWithDatabase();
  AskToQuit();
  Frame();
  ExitForm->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_TRUE(Terminate);
  EXPECT_FALSE(QuestionForm3->Visible);
}

TEST_F(DialogTest, ExitWithChangesYesSavesThenEnds) {
  StartWithDatabase();
  Change();
  AskToQuit();
  Frame();
  ExitForm->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(Terminate);
  ASSERT_TRUE(QuestionForm3->Visible);
  EXPECT_EQ(QuestionForm3->GetShowType(), ST_Modal);
  EXPECT_TRUE(ExitForm->Visible);  // it stays beneath the question
  Frame();
  QuestionForm3->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_TRUE(Terminate);
  EXPECT_FALSE(QuestionForm3->Visible);
  EXPECT_EQ(ReadFile(Path("a.cvl")), DatabaseBytes("Zmenená"_cp, 2));
}

TEST_F(DialogTest, ExitWithChangesNoEndsWithoutWriting) {
  StartWithDatabase();
  const std::string before = ReadFile(Path("a.cvl"));
  Change();
  AskToQuit();
  Frame();
  ExitForm->YesButton->OnMouseLeftClick(-1, -1);
  QuestionForm3->NoButton->OnMouseLeftClick(-1, -1);
  EXPECT_TRUE(Terminate);
  EXPECT_FALSE(QuestionForm3->Visible);
  EXPECT_EQ(ReadFile(Path("a.cvl")), before);
}

TEST_F(DialogTest, AFailedSaveBeforeExitKeepsTheProgramRunning) {
  StartWithDatabase();
  Change();
  Catalogue().DatabaseFile = "chyba\\a.cvl";  // a folder that does not exist
  AskToQuit();
  Frame();
  ExitForm->YesButton->OnMouseLeftClick(-1, -1);
  QuestionForm3->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(Terminate);
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_TRUE(ErrorForm->Visible);
  EXPECT_FALSE(QuestionForm3->Visible);
}

TEST_F(DialogTest, QuestionNamesTheDatabase) {
  StartWithDatabase();
  Change();
  AskToQuit();
  Frame();
  ExitForm->YesButton->OnMouseLeftClick(-1, -1);
  Frame();
  ASSERT_TRUE(QuestionForm3->Visible);
  EXPECT_EQ(QuestionForm3->Question(), "Uložiť zmeny do databázy: Zmenená"_cps);
}

TEST_F(DialogTest, EnterConfirmsTheFocusedYesButton) {
  Start();
  Frame();
  AskToQuit();
  Frame();
  EXPECT_EQ(Toolkit().Focused, static_cast<PComponentBase>(&ExitForm->YesButton));
  backend_.SetKey(vk::RETURN, true);
  Frame();
  backend_.SetKey(vk::RETURN, false);
  Frame();
  EXPECT_TRUE(Terminate);
}

TEST_F(DialogTest, ClickingTheExitFormsButtonsWithTheMouse) {
  Start();
  Frame();
  AskToQuit();
  Frame();
  // The 293 x 150 form is centred: its canvas starts at (366, 322); No lies at (150, 100) in it.
  Click(366 + 150 + 40, 322 + 100 + 15);
  EXPECT_FALSE(ExitForm->Visible);
  EXPECT_FALSE(Terminate);
  AskToQuit();
  Frame();
  Click(366 + 50 + 40, 322 + 100 + 15);
  EXPECT_TRUE(Terminate);
}

TEST_F(DialogTest, OpeningAMissingFileReportsItAndKeepsTheDatabase) {
  StartWithDatabase();
  EXPECT_FALSE(OpenDatabaseFile("neni.cvl"));
  ASSERT_TRUE(ErrorForm->Visible);
  EXPECT_EQ(ErrorForm->ErrorMessage, "Súbor \"neni.cvl\" neexistuje!"_cp);
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
  EXPECT_FALSE(OpenDatabaseFile(""));
}

TEST_F(DialogTest, OpeningWhileSavedReplacesAtOnceAndRefreshesTheForms) {
  StartWithDatabase();
  WriteFile(Path("b.cvl"), DatabaseBytes("Druhá"_cp, 5));
  OpenForm->Show(ST_Unmodal);
  InformationsForm->Refresh = false;
  ListForm->Refresh = false;
  EXPECT_TRUE(OpenDatabaseFile("b.cvl"));
  EXPECT_EQ(Catalogue().Nebulas.size(), 5u);
  EXPECT_FALSE(OpenForm->Visible);
  EXPECT_TRUE(InformationsForm->Refresh);
  EXPECT_TRUE(ListForm->Refresh);
  EXPECT_FALSE(QuestionForm2->Visible);
}

TEST_F(DialogTest, OpeningWithChangesAsksAndYesSavesFirst) {
  StartWithDatabase();
  WriteFile(Path("b.cvl"), DatabaseBytes("Druhá"_cp, 5));
  Change();
  OpenForm->Show(ST_Unmodal);
  EXPECT_FALSE(OpenDatabaseFile("b.cvl"));
  ASSERT_TRUE(QuestionForm2->Visible);
  EXPECT_EQ(QuestionForm2->GetShowType(), ST_Modal);
  EXPECT_TRUE(OpenForm->Visible);
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
  QuestionForm2->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(ReadFile(Path("a.cvl")), DatabaseBytes("Zmenená"_cp, 2));
  EXPECT_EQ(Catalogue().DatabaseFile, "b.cvl");
  EXPECT_EQ(Catalogue().Nebulas.size(), 5u);
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_FALSE(QuestionForm2->Visible);
  EXPECT_FALSE(OpenForm->Visible);
}

TEST_F(DialogTest, OpeningWithChangesNoDiscardsThem) {
  StartWithDatabase();
  const std::string before = ReadFile(Path("a.cvl"));
  WriteFile(Path("b.cvl"), DatabaseBytes("Druhá"_cp, 5));
  Change();
  OpenDatabaseFile("b.cvl");
  QuestionForm2->NoButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(ReadFile(Path("a.cvl")), before);
  EXPECT_EQ(Catalogue().DatabaseFile, "b.cvl");
  EXPECT_FALSE(QuestionForm2->Visible);
}

TEST_F(DialogTest, SavedThenRejectedKeepsTheSavedDatabaseLoaded) {
  StartWithDatabase();
  WriteFile(Path("b.cvl"), "CVL but far too short");
  Change();
  OpenForm->Show(ST_Unmodal);
  OpenDatabaseFile("b.cvl");
  QuestionForm2->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Zmenená"_cp);
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_TRUE(ErrorForm->Visible);
  EXPECT_TRUE(OpenForm->Visible);  // the form stays open for another name
}

TEST_F(DialogTest, AFailedSaveBeforeOpeningKeepsTheChanges) {
  StartWithDatabase();
  WriteFile(Path("b.cvl"), DatabaseBytes("Druhá"_cp, 5));
  Change();
  Catalogue().DatabaseFile = "chyba\\a.cvl";
  OpenDatabaseFile("b.cvl");
  QuestionForm2->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Zmenená"_cp);
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_FALSE(QuestionForm2->Visible);
}

TEST_F(DialogTest, NewDatabaseQuestionCreatesFromTheFormsTexts) {
  StartWithDatabase();
  Change();
  FileNewForm->Show(ST_Unmodal);
  EXPECT_FALSE(CreateNewDatabase("c.cvl", "Nová"_cp, "", ""));
  ASSERT_TRUE(QuestionForm->Visible);
  QuestionForm->YesButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(ReadFile(Path("a.cvl")), DatabaseBytes("Zmenená"_cp, 2));
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Nová"_cp);
  EXPECT_EQ(Catalogue().DatabaseFile, "c.cvl");
  EXPECT_TRUE(Catalogue().Nebulas.empty());
  EXPECT_FALSE(FileNewForm->Visible);
  EXPECT_FALSE(QuestionForm->Visible);
}

TEST(ErrorMessagePlacement, ShortTextsAreCentredAndLongOnesStartAtTheLeftEdge) {
  EXPECT_EQ(ErrorMessageX(100), 100);
  EXPECT_EQ(ErrorMessageX(101), 99);
  EXPECT_EQ(ErrorMessageX(300), 0);
  EXPECT_EQ(ErrorMessageX(301), 0);
  EXPECT_EQ(ErrorMessageX(0), 150);
}

TEST_F(DialogTest, TheCataloguesMessagesReachTheErrorFormAndOKHidesIt) {
  Start();
  Frame();
  ShowErrorMessage("Skúška"_cp);
  ASSERT_TRUE(ErrorForm->Visible);
  EXPECT_EQ(ErrorForm->ErrorMessage, "Skúška"_cp);
  Frame();
  EXPECT_EQ(Toolkit().Focused, static_cast<PComponentBase>(&ErrorForm->OKButton));
  backend_.SetKey(vk::RETURN, true);
  Frame();
  backend_.SetKey(vk::RETURN, false);
  Frame();
  EXPECT_FALSE(ErrorForm->Visible);
}

}  // namespace
}  // namespace program_test
