// A termination signal ends the program after the frame, with the unsaved
// changes in a recovery copy beside the database and the settings written.
#include <csignal>

#include "catalogue/cv_settings.h"
#include "forms/cv_open_form.h"
#include "platform/cp1250.h"
#include "platform/signals.h"
#include "program_fixture.h"

namespace program_test {
namespace {

class SignalTest : public ProgramTest {
 protected:
  void TearDown() override {
    for (int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, SIG_DFL);
    ProgramTest::TearDown();
  }
};

TEST_F(SignalTest, SigtermSavesTheChangesBesideTheDatabaseAndEnds) {
  const std::string original = DatabaseBytes("Hmloviny", 3);
  WriteFile(Path("a.cvl"), original);
  WriteFile(Path("a.obnova.cvl"), "an older copy");  // taken: the next name is used
  platform::CatchTerminationSignals();
  Start();
  Frame();
  OpenDatabaseFile("a.cvl");
  Frame();
  DatabaseInfo.NameOfDatabase = "Zmenené"_cp;
  Modified = true;

  std::raise(SIGTERM);
  Frame();
  EXPECT_TRUE(Database->Finish);
  EXPECT_EQ(ReadFile(Path("a.cvl")), original);
  EXPECT_EQ(ReadFile(Path("a.obnova.cvl")), "an older copy");
  TDatabaseInfo info;
  TNebulas records;
  ASSERT_EQ(DecodeDatabase(ReadFile(Path("a.obnova2.cvl")), info, records).Error, TDatabaseError::None);
  EXPECT_EQ(info.NameOfDatabase.View(), "Zmenené"_cp);
  EXPECT_EQ(records.size(), 3u);

  Database->Epilogue();
  EXPECT_TRUE(Exists(Path(std::string(SETTINGS_FILE))));
}

TEST_F(SignalTest, WithoutChangesNothingIsWrittenBesideTheDatabase) {
  WriteFile(Path("a.cvl"), DatabaseBytes("Hmloviny", 1));
  platform::CatchTerminationSignals();
  Start();
  Frame();
  OpenDatabaseFile("a.cvl");
  std::raise(SIGHUP);
  Frame();
  EXPECT_TRUE(Database->Finish);
  EXPECT_EQ(EndOnSignal(SIGHUP), "");
  EXPECT_FALSE(Exists(Path("a.obnova.cvl")));
}

}  // namespace
}  // namespace program_test
