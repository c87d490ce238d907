#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/cv_database_watch.h"
#include "catalogue/cv_database_workflow.h"
#include "catalogue/cv_globals.h"
#include "catalogue_fixture.h"
#include "platform/cp1250.h"

namespace catalogue_test {
namespace {

std::vector<TWorkflowStep> g_told;
void Record(TWorkflowStep Step) { g_told.push_back(Step); }

class WorkflowTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    g_told.clear();
  }
  // A saved database at a.cvl, then changed in memory.
  void ChangedDatabase() {
    NewDatabase(scratch_.File("a.cvl"), "Prvá"_cp, "", "");
    ASSERT_TRUE(SaveDatabase());
    AddNebula(TNebula());
  }
};

TEST_F(WorkflowTest, PathChecksLeaveFilesAsTheyWere) {
  const std::string existing = scratch_.File("b.cvl");
  WriteFile(existing, "obsah");
  EXPECT_TRUE(DatabaseFileCreatable(existing));
  EXPECT_EQ(ReadFile(existing), "obsah");
  EXPECT_TRUE(DatabaseFileCreatable(scratch_.File("novy.cvl")));
  EXPECT_FALSE(Exists(scratch_.File("novy.cvl")));
  EXPECT_FALSE(DatabaseFileCreatable(""));
  EXPECT_FALSE(DatabaseFileExists(""));
  EXPECT_FALSE(DatabaseFileExists(scratch_.Path())) << "a folder is no database file";

  EXPECT_EQ(RequestNew(scratch_.File("chyba/c.cvl"), "", "", "", &Record), TWorkflowStep::Refused);
  // Built piece by piece: GCC 12 warns falsely (-Wrestrict) on "..." + std::string.
  std::string expected = "\"";
  expected += scratch_.File("chyba/c.cvl");
  expected += "\" je neplatná cesta!"_cps;
  EXPECT_EQ(RecentMessages().back(), expected);
  EXPECT_EQ(g_told, std::vector<TWorkflowStep>{TWorkflowStep::Refused});
  EXPECT_FALSE(Loaded);
}

TEST_F(WorkflowTest, OperationsWaitBehindTheQuestionAndTheAnswerCarriesThemOn) {
  ChangedDatabase();
  const std::string c = scratch_.File("c.cvl");
  EXPECT_EQ(RequestNew(c, "Nová"_cp, "Autor", "Popis", &Record), TWorkflowStep::AskToSave);
  EXPECT_EQ(PendingOperation().Operation, TDatabaseOperation::New);
  EXPECT_TRUE(g_told.empty());
  EXPECT_EQ(AnswerSaveQuestion(false), TWorkflowStep::Done);
  EXPECT_EQ(g_told, std::vector<TWorkflowStep>{TWorkflowStep::Done});
  EXPECT_EQ(DatabaseFile, c);
  EXPECT_EQ(DatabaseInfo.Autor, "Autor");
  EXPECT_EQ(PendingOperation().Operation, TDatabaseOperation::None);
  EXPECT_EQ(AnswerSaveQuestion(true), TWorkflowStep::Refused) << "nothing is waiting any more";

  // Quitting with a failed save keeps the program and the changes.
  DatabaseFile = scratch_.File("chyba/a.cvl");
  EXPECT_EQ(RequestQuit(&Record), TWorkflowStep::AskToSave);
  EXPECT_EQ(AnswerSaveQuestion(true), TWorkflowStep::SaveFailed);
  EXPECT_FALSE(Terminate);
  EXPECT_TRUE(Modified);
  EXPECT_EQ(RequestQuit(), TWorkflowStep::AskToSave);
  EXPECT_EQ(AnswerSaveQuestion(false), TWorkflowStep::Done);
  EXPECT_TRUE(Terminate);
}

TEST_F(WorkflowTest, AFailedSaveAsKeepsThePreviousFile) {
  ChangedDatabase();
  const std::string a = scratch_.File("a.cvl");
  EXPECT_EQ(RequestSaveAs(scratch_.Path() + "/"), TWorkflowStep::Refused);
  EXPECT_EQ(DatabaseFile, a);
  EXPECT_EQ(DatabaseInfo.Path, a);
  // One byte past what the header records: the name cut to 255 bytes is a
  // file of its own, which must stay as it was.
  const std::string prefix = scratch_.Path() + "/";
  const std::string longName = prefix + std::string(256 - prefix.size() - 4, 'a') + ".cvl";
  const std::string cut = longName.substr(0, 255);
  WriteFile(cut, "iny subor");
  EXPECT_EQ(RequestSaveAs(longName), TWorkflowStep::Refused);
  EXPECT_EQ(RequestNew(longName, "", "", ""), TWorkflowStep::Refused);
  EXPECT_NE(RecentMessages().back().find("je neplatná cesta!"_cp), std::string::npos);
  EXPECT_EQ(ReadFile(cut), "iny subor");
  EXPECT_FALSE(Exists(longName));
  EXPECT_EQ(DatabaseFile, a);

  EXPECT_EQ(RequestSaveAs(scratch_.File("d.cvl")), TWorkflowStep::Done);
  EXPECT_EQ(DatabaseFile, scratch_.File("d.cvl"));
  EXPECT_FALSE(Modified);
}

TEST_F(WorkflowTest, ViewsTellAnyChangeFromAReplacement) {
  TRefreshFlag list(TDatabaseChange::AnyChange);
  TRefreshFlag header(TDatabaseChange::Replacement);
  EXPECT_FALSE(list);
  EXPECT_FALSE(header);
  header = true;
  EXPECT_TRUE(header) << "a view may ask for a rebuild itself";
  header = false;
  AddNebula(TNebula());
  EXPECT_TRUE(list);
  EXPECT_FALSE(header);
  list = false;
  NewDatabase("x.cvl", "", "", "");
  EXPECT_TRUE(list);
  EXPECT_TRUE(header);
  header = false;
  AddNebula(TNebula());
  EXPECT_FALSE(header) << "a replacement seen once stays seen";
}

}  // namespace
}  // namespace catalogue_test
