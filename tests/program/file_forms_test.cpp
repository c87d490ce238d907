// The new, open, save-as and information forms: their OK and Cancel, the
// path checks and messages, the save question, and what a refused file
// leaves alone.
#include <cerrno>
#include <filesystem>

#include "catalogue/cv_database_file.h"
#include "catalogue/cv_database_workflow.h"
#include "forms/cv_add_form.h"
#include "forms/cv_error_form.h"
#include "forms/cv_file_new_form.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_list_item_form.h"
#include "forms/cv_open_form.h"
#include "forms/cv_question_form.h"
#include "forms/cv_save_as_form.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/vk.h"
#include "program_fixture.h"

namespace program_test {
namespace {

namespace fs = std::filesystem;

class FileFormTest : public ProgramTest {
 protected:
  void StartWithDatabase() {
    WriteFile(Path("a.cvl"), DatabaseBytes("Prvá"_cp, 2));
    Start();
    Frame();
    ASSERT_TRUE(OpenDatabaseFile("a.cvl"));
    Frame();
  }
  // A field given the focus takes keys from the frame after it learns of it.
  void PressEnter() {
    backend_.SetKey(vk::RETURN, true);
    Frame();
    backend_.SetKey(vk::RETURN, false);
    Frame(2);
  }
  void PressTab() {
    backend_.SetKey(vk::TAB, true);
    Frame();
    backend_.SetKey(vk::TAB, false);
    Frame(2);
  }
  void ExpectMessage(std::string_view text) {
    EXPECT_TRUE(ErrorForm->Visible);
    EXPECT_EQ(ErrorForm->ErrorMessage, text);
    ErrorForm->Hide();
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }
};

TEST_F(FileFormTest, OpenRefusesMissingAndForeignFilesAndLosesNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithDatabase());
  ShowListItem(Catalogue().Nebulas[1]);
  ReviseForm->Show(ST_Unmodal);
  OpenForm->Show(ST_Unmodal);
  Frame();

  OpenForm->PathEdit->SetText("neni.cvl");
  OpenForm->OKButton->OnMouseLeftClick(-1, -1);
  ExpectMessage("Súbor \"neni.cvl\" neexistuje!"_cp);
  EXPECT_TRUE(OpenForm->PathEdit->Text.empty());
  OpenForm->OKButton->OnMouseLeftClick(-1, -1);  // an empty name is no file either
  ExpectMessage("Súbor \"\" neexistuje!"_cp);

  WriteFile(Path("b.cvl"), "Toto nie je katalóg.");
  OpenForm->PathEdit->SetText("b.cvl");
  OpenForm->OKButton->OnMouseLeftClick(-1, -1);
  ExpectMessage(DatabaseFailure(TDatabaseError::NotCorvala, "b.cvl").Message);
  Frame(2);
  EXPECT_TRUE(OpenForm->Visible);
  EXPECT_TRUE(OpenForm->PathEdit->Text.empty());
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Prvá"_cp);
  EXPECT_EQ(Catalogue().Nebulas.size(), 2u);
  EXPECT_TRUE(ListItemForm->Visible);
  EXPECT_EQ(ListItemForm->NameOfNebula, "Hmlovina 2");
  EXPECT_TRUE(ReviseForm->Visible);
  EXPECT_EQ(ReadFile(Path("b.cvl")), "Toto nie je katalóg.");
}

TEST_F(FileFormTest, EnterInTheOpenFormOpensWithEitherSeparatorAndHidesTheRecordViews) {
  ASSERT_NO_FATAL_FAILURE(StartWithDatabase());
  fs::create_directory(Path("kat"));
  WriteFile(Path("kat/b.cvl"), DatabaseBytes("Druhá"_cp, 5));
  ShowListItem(Catalogue().Nebulas[0]);
  for (const char* typed : {"kat\\b.cvl", "kat/b.cvl"}) {
    OpenForm->Show(ST_Unmodal);
    Frame();
    ASSERT_EQ(Toolkit().Focused, PComponentBase(&OpenForm->PathEdit));
    OpenForm->PathEdit->SetText(typed);
    PressEnter();
    EXPECT_FALSE(ErrorForm->Visible) << typed;
    EXPECT_EQ(Catalogue().DatabaseFile, typed);
    EXPECT_EQ(Catalogue().Nebulas.size(), 5u);
    EXPECT_FALSE(OpenForm->Visible);
    EXPECT_TRUE(OpenForm->PathEdit->Text.empty());
  }
  EXPECT_FALSE(ListItemForm->Visible);
}

TEST_F(FileFormTest, NewFormChecksThePathWithoutTouchingFilesAndAsksAboutChanges) {
  ASSERT_NO_FATAL_FAILURE(StartWithDatabase());
  FileNewForm->Show(ST_Unmodal);
  Frame();
  TFileNewForm& form = *FileNewForm;
  form.NameEdit->SetText("Nová"_cp);
  form.AuthorEdit->SetText("Ja");
  for (const char* bad : {"", "chyba/c.cvl", "a.cvl/c.cvl"}) {
    form.PathEdit->SetText(bad);
    form.OKButton->OnMouseLeftClick(-1, -1);
    std::string message("\"");
    message.append(bad).append("\" je neplatná cesta!"_cp);
    ExpectMessage(message);
    EXPECT_TRUE(form.PathEdit->Text.empty());
    EXPECT_EQ(form.NameEdit->Text, "Nová"_cp);  // only the name field is emptied
  }

  // With unsaved changes the question comes first; closing it keeps everything.
  Catalogue().DatabaseInfo.NameOfDatabase = "Zmenená"_cp;
  Catalogue().Modified = true;
  const std::size_t files = FilesInFolder();
  form.PathEdit->SetText("c.cvl");
  form.OKButton->OnMouseLeftClick(-1, -1);
  ASSERT_TRUE(QuestionForm->Visible);
  EXPECT_EQ(FilesInFolder(), files);  // the check left nothing behind
  QuestionForm->CloseByUser();
  EXPECT_FALSE(QuestionForm->Visible);
  EXPECT_EQ(Catalogue().Pending.Operation, TDatabaseOperation::None);
  EXPECT_TRUE(form.Visible);
  EXPECT_EQ(form.PathEdit->Text, "c.cvl");
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
  EXPECT_TRUE(Catalogue().Modified);

  // No drops the changes and creates the new database in memory.
  form.OKButton->OnMouseLeftClick(-1, -1);
  QuestionForm->NoButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(ReadFile(Path("a.cvl")), DatabaseBytes("Prvá"_cp, 2));
  EXPECT_EQ(Catalogue().DatabaseFile, "c.cvl");
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Nová"_cp);
  EXPECT_EQ(Catalogue().DatabaseInfo.Autor, "Ja");
  EXPECT_TRUE(Catalogue().Nebulas.empty());
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_FALSE(Exists(Path("c.cvl")));
  EXPECT_FALSE(form.Visible);
  EXPECT_TRUE(form.NameEdit->Text.empty());

  // A name that is an existing file passes the check and the file stays as it was.
  const std::string before = ReadFile(Path("a.cvl"));
  Catalogue().Modified = false;
  FileNewForm->Show(ST_Unmodal);
  form.PathEdit->SetText("a.cvl");
  form.OKButton->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(ErrorForm->Visible);
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
  EXPECT_EQ(ReadFile(Path("a.cvl")), before);
  EXPECT_EQ(FilesInFolder(), files);
}

TEST_F(FileFormTest, TabWalksTheEditsThenOKThenCancelAndEnterOnCancelClearsAndHides) {
  ASSERT_NO_FATAL_FAILURE(StartWithDatabase());
  TFileNewForm& form = *FileNewForm;
  form.Show(ST_Unmodal);
  Frame();
  form.PathEdit->SetText("c.cvl");
  form.DescriptionEdit->SetText("Popis");
  const PComponentBase order[] = {&form.PathEdit, &form.NameEdit, &form.AuthorEdit, &form.DescriptionEdit,
                                  &form.OKButton, &form.CancelButton};
  for (PComponentBase expected : order) {
    EXPECT_EQ(Toolkit().Focused, expected);
    if (expected != order[5]) PressTab();
  }
  PressEnter();
  EXPECT_FALSE(form.Visible);
  EXPECT_TRUE(form.PathEdit->Text.empty());
  EXPECT_TRUE(form.DescriptionEdit->Text.empty());
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
}

TEST_F(FileFormTest, SaveAsOverwritesWithoutAskingAndAFailedWriteKeepsTheOldFileAndBinding) {
  ASSERT_NO_FATAL_FAILURE(StartWithDatabase());
  WriteFile(Path("b.cvl"), "stary obsah");
  Catalogue().DatabaseInfo.NameOfDatabase = "Zmenená"_cp;
  Catalogue().Modified = true;

  // The temporary file cannot be made: the old file, the binding and the changes stay.
  platform::SetFileFaultHook(
      [](platform::FileStep step) { return step == platform::FileStep::CreateTemporary ? EACCES : 0; });
  SaveAsForm->Show(ST_Unmodal);
  SaveAsForm->PathEdit->SetText("b.cvl");
  SaveAsForm->OKButton->OnMouseLeftClick(-1, -1);
  EXPECT_TRUE(ErrorForm->Visible);
  ErrorForm->Hide();
  EXPECT_EQ(ReadFile(Path("b.cvl")), "stary obsah");
  EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_TRUE(SaveAsForm->Visible);
  platform::SetFileFaultHook(nullptr);

  SaveAsForm->PathEdit->SetText("b.cvl");
  SaveAsForm->OKButton->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(ErrorForm->Visible);
  EXPECT_FALSE(QuestionForm->Visible);
  EXPECT_FALSE(SaveAsForm->Visible);
  EXPECT_TRUE(SaveAsForm->PathEdit->Text.empty());
  EXPECT_EQ(Catalogue().DatabaseFile, "b.cvl");
  EXPECT_FALSE(Catalogue().Modified);
  TDatabaseInfo info;
  TNebulas records;
  ASSERT_EQ(DecodeDatabase(ReadFile(Path("b.cvl")), info, records, "x.cvl").Message, "");
  EXPECT_EQ(info.NameOfDatabase, "Zmenená"_cp);
  EXPECT_EQ(info.Path, "b.cvl");
  EXPECT_EQ(records.size(), 2u);
  EXPECT_EQ(ReadFile(Path("a.cvl")), DatabaseBytes("Prvá"_cp, 2));
}

TEST_F(FileFormTest, InformationFormEditsTheHeaderAndAChangeCountsAsUnsaved) {
  ASSERT_NO_FATAL_FAILURE(StartWithDatabase());
  TInformationsForm& form = *InformationsForm;
  form.Open();
  Frame();
  EXPECT_EQ(form.NameEdit->Text, "Prvá"_cp);
  EXPECT_EQ(form.AuthorEdit->Text, "Autor");
  EXPECT_EQ(Toolkit().Focused, PComponentBase(&form.NameEdit));

  form.OKButton->OnMouseLeftClick(-1, -1);  // nothing changed
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_FALSE(form.Visible);

  form.Open();
  Frame();
  form.AuthorEdit->SetText("Iný");
  form.CancelButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(Catalogue().DatabaseInfo.Autor, "Autor");
  EXPECT_TRUE(form.AuthorEdit->Text.empty());

  form.Open();
  Frame();
  form.NameEdit->SetText(std::string(300, 'x'));
  PressEnter();  // name, author, description, then OK
  EXPECT_EQ(Toolkit().Focused, PComponentBase(&form.AuthorEdit));
  PressEnter();
  EXPECT_EQ(Toolkit().Focused, PComponentBase(&form.DescriptionEdit));
  PressEnter();
  EXPECT_FALSE(form.Visible);
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, std::string(255, 'x'));
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_EQ(ReadFile(Path("a.cvl")), DatabaseBytes("Prvá"_cp, 2));  // nothing written until a save
}

}  // namespace
}  // namespace program_test
