// What a run ended by a signal, or a save cut short, left behind is offered
// at the next start, and each answer does what it says.
#include <csignal>
#include <initializer_list>

#include "catalogue/cv_database_workflow.h"
#include "catalogue/cv_recovery.h"
#include "catalogue/cv_settings.h"
#include "forms/cv_recovery_form.h"
#include "platform/cp1250.h"
#include "program_fixture.h"

namespace program_test {
namespace {

TEST_F(ProgramTest, ARecoveryCopyIsOfferedAtTheNextStartAndEachAnswerDoesWhatItSays) {
  Settings.ImplicitDatabase = "a.cvl";
  Settings.UseImplicitDatabase = true;
  ASSERT_TRUE(WriteSettings());
  for (TRecoveryAnswer answer : {TRecoveryAnswer::Open, TRecoveryAnswer::Later, TRecoveryAnswer::Delete}) {
    SCOPED_TRACE(static_cast<int>(answer));
    WriteFile(Path("a.cvl"), DatabaseBytes("Hmloviny", 3));
    Start();
    Frame();
    ASSERT_TRUE(Catalogue().Loaded);
    AddNebula(TNebula());
    ASSERT_EQ(EndOnSignal(SIGTERM), "a.obnova.cvl");
    ReleaseDatabaseApplication();

    Start();
    Frame();
    ASSERT_TRUE(RecoveryForm->Visible);
    EXPECT_FALSE(Catalogue().Loaded) << "the catalogue waits for the answer";
    EXPECT_NE(RecoveryForm->Lines.back().find("4 položky"_cp), std::string::npos) << RecoveryForm->Lines.back();
    switch (answer) {
      case TRecoveryAnswer::Open: RecoveryForm->OpenButton->OnMouseLeftClick(-1, -1); break;
      case TRecoveryAnswer::Later: RecoveryForm->LaterButton->OnMouseLeftClick(-1, -1); break;
      case TRecoveryAnswer::Delete: RecoveryForm->RemoveButton->OnMouseLeftClick(-1, -1); break;
    }
    Frame();
    EXPECT_FALSE(RecoveryForm->Visible);
    ASSERT_TRUE(Catalogue().Loaded);
    EXPECT_EQ(Catalogue().DatabaseFile, "a.cvl");
    EXPECT_EQ(Catalogue().Nebulas.size(), answer == TRecoveryAnswer::Open ? 4u : 3u);
    EXPECT_EQ(Catalogue().Modified, answer == TRecoveryAnswer::Open);
    EXPECT_EQ(Exists(Path("a.obnova.cvl")), answer != TRecoveryAnswer::Delete);
    if (answer == TRecoveryAnswer::Open) {
      // Saved where it belongs, the copy has done its work.
      EXPECT_EQ(RequestSave(), TWorkflowStep::Done);
      TDatabaseInfo info;
      TNebulas records;
      ASSERT_EQ(DecodeDatabase(ReadFile(Path("a.cvl")), info, records, "x.cvl").Message, "");
      EXPECT_EQ(records.size(), 4u);
      EXPECT_FALSE(Exists(Path("a.obnova.cvl")));
    }
    ReleaseDatabaseApplication();
    std::remove(Path("a.obnova.cvl").c_str());
  }
}

TEST_F(ProgramTest, ACompleteLeftoverOfACutShortSaveIsOfferedAndAnIncompleteOneLeftAlone) {
  const std::string whole = DatabaseBytes("Hmloviny", 2);
  WriteFile(Path(".corvala-999-0"), whole);
  WriteFile(Path(".corvala-999-1"), whole.substr(0, whole.size() - 100));
  Start();
  Frame();
  ASSERT_TRUE(RecoveryForm->Visible);
  ASSERT_NE(RecoveryForm->Current(), nullptr);
  EXPECT_EQ(RecoveryForm->Current()->Kind, TRecoveryKind::Leftover);
  EXPECT_EQ(RecoveryForm->Current()->File, ".corvala-999-0");
  RecoveryForm->RemoveButton->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(RecoveryForm->Visible) << "nothing else is offered";
  EXPECT_FALSE(Exists(Path(".corvala-999-0")));
  EXPECT_EQ(ReadFile(Path(".corvala-999-1")), whole.substr(0, whole.size() - 100));
}

}  // namespace
}  // namespace program_test
