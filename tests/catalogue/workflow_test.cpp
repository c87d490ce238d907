#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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
  EXPECT_FALSE(Catalogue().Loaded);
}

TEST_F(WorkflowTest, OperationsWaitBehindTheQuestionAndTheAnswerCarriesThemOn) {
  ChangedDatabase();
  const std::string c = scratch_.File("c.cvl");
  EXPECT_EQ(RequestNew(c, "Nová"_cp, "Autor", "Popis", &Record), TWorkflowStep::AskToSave);
  EXPECT_EQ(Catalogue().Pending.Operation, TDatabaseOperation::New);
  EXPECT_TRUE(g_told.empty());
  EXPECT_EQ(AnswerSaveQuestion(false), TWorkflowStep::Done);
  EXPECT_EQ(g_told, std::vector<TWorkflowStep>{TWorkflowStep::Done});
  EXPECT_EQ(Catalogue().DatabaseFile, c);
  EXPECT_EQ(Catalogue().DatabaseInfo.Autor, "Autor");
  EXPECT_EQ(Catalogue().Pending.Operation, TDatabaseOperation::None);
  EXPECT_EQ(AnswerSaveQuestion(true), TWorkflowStep::Refused) << "nothing is waiting any more";

  // Quitting with a failed save keeps the program and the changes.
  Catalogue().DatabaseFile = scratch_.File("chyba/a.cvl");
  g_told.clear();
  EXPECT_EQ(RequestQuit(&Record), TWorkflowStep::AskToSave);
  EXPECT_EQ(AnswerSaveQuestion(true), TWorkflowStep::SaveFailed);
  EXPECT_EQ(g_told, std::vector<TWorkflowStep>{TWorkflowStep::SaveFailed}) << "the program goes on";
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_EQ(RequestQuit(&Record), TWorkflowStep::AskToSave);
  EXPECT_EQ(AnswerSaveQuestion(false), TWorkflowStep::Done);
  EXPECT_EQ(g_told.back(), TWorkflowStep::Done) << "the requester ends the program";
}

TEST_F(WorkflowTest, AFailedSaveAsKeepsThePreviousFile) {
  ChangedDatabase();
  const std::string a = scratch_.File("a.cvl");
  EXPECT_EQ(RequestSaveAs(scratch_.Path() + "/"), TWorkflowStep::Refused);
  EXPECT_EQ(Catalogue().DatabaseFile, a);
  EXPECT_EQ(Catalogue().DatabaseInfo.Path, a);
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
  EXPECT_EQ(Catalogue().DatabaseFile, a);

  EXPECT_EQ(RequestSaveAs(scratch_.File("d.cvl")), TWorkflowStep::Done);
  EXPECT_EQ(Catalogue().DatabaseFile, scratch_.File("d.cvl"));
  EXPECT_FALSE(Catalogue().Modified);
}

TEST_F(WorkflowTest, ASaveOverAFileReplacedOnDiskAsksFirst) {
  ChangedDatabase();
  const std::string a = scratch_.File("a.cvl");
  // Another copy of the program saves its own version meanwhile.
  const std::string theirs = ReadFile(a) + "";
  WriteFile(a + ".new", theirs);
  // std::rename will not replace a file on Windows.
  std::filesystem::rename(a + ".new", a);

  EXPECT_EQ(RequestSave(), TWorkflowStep::AskToOverwrite);
  EXPECT_EQ(AnswerOverwriteQuestion(TOverwriteAnswer::Cancel), TWorkflowStep::Refused);
  EXPECT_EQ(ReadFile(a), theirs);
  EXPECT_TRUE(Catalogue().Modified);

  // Behind the save question: the open waits on behind this one, and goes
  // on once the file has been overwritten.
  const std::string b = scratch_.File("b.cvl");
  WriteFile(b, theirs);
  ASSERT_EQ(RequestOpen(b, &Record), TWorkflowStep::AskToSave);
  EXPECT_EQ(AnswerSaveQuestion(true), TWorkflowStep::AskToOverwrite);
  EXPECT_TRUE(g_told.empty());
  EXPECT_EQ(AnswerOverwriteQuestion(TOverwriteAnswer::Overwrite), TWorkflowStep::Done);
  EXPECT_EQ(g_told, std::vector<TWorkflowStep>{TWorkflowStep::Done});
  EXPECT_EQ(Catalogue().DatabaseFile, b);
  TDatabaseInfo info;
  TNebulas records;
  ASSERT_EQ(DecodeDatabase(ReadFile(a), info, records, "x.cvl").Message, "");
  EXPECT_EQ(records.size(), 1u) << "our version replaced theirs";

  // Our own saves do not count as a change.
  AddNebula(TNebula());
  EXPECT_EQ(RequestSave(), TWorkflowStep::Done);
  AddNebula(TNebula());
  EXPECT_EQ(RequestSave(), TWorkflowStep::Done);
}

TEST_F(WorkflowTest, ACatalogueOpenInAnotherRunningProgramIsToldAtOpening) {
  const std::string a = scratch_.File("a.cvl");
  NewDatabase(a, "Prvá"_cp, "", "");
  ASSERT_TRUE(SaveDatabase());
  platform::FileLock other;  // the other program
  ASSERT_EQ(other.Take(a), platform::LockResult::Taken);
  Catalogue().LockFiles = true;
  ClearRecentMessages();
  EXPECT_TRUE(LoadDatabase(a));
  ASSERT_FALSE(RecentMessages().empty());
  EXPECT_NE(RecentMessages().back().find("je už otvorená v inom spustenom programe"_cp), std::string::npos);
  other.Release();
  ClearRecentMessages();
  EXPECT_TRUE(LoadDatabase(a));
  EXPECT_TRUE(RecentMessages().empty());
  EXPECT_TRUE(Catalogue().FileLock.Held());
  Catalogue().LockFiles = false;
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

  // A catalogue made afresh replaces the old one for every view, and its
  // counters never fall back to values a view may have seen.
  ASSERT_EQ(RequestSaveAs(scratch_.File("w.cvl")), TWorkflowStep::Done);
  list = false;
  const uint32_t seen = Catalogue().Revision;
  const uint32_t saves = Catalogue().Saves;
  ASSERT_GT(saves, 0u);
  RenewCatalogue();
  EXPECT_TRUE(list);
  EXPECT_TRUE(header);
  EXPECT_GT(Catalogue().Revision, seen);
  EXPECT_EQ(Catalogue().Saves, saves);
  list = false;
  header = false;
  AddNebula(TNebula());
  EXPECT_TRUE(list);
  EXPECT_FALSE(header);
}

}  // namespace
}  // namespace catalogue_test
