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

#ifdef _WIN32
// Windows' console events and the session's end reach the program as requests
// noted by the platform layer; it has no SIGHUP, the console closing stands for it.
constexpr int kHangup = 1;
void Raise(int signal_number) { platform::NoteTerminationRequest(signal_number); }
#else
constexpr int kHangup = SIGHUP;
void Raise(int signal_number) { std::raise(signal_number); }
#endif

class SignalTest : public ProgramTest {
 protected:
  void TearDown() override {
    for (int s : {SIGTERM, SIGINT}) std::signal(s, SIG_DFL);
#ifndef _WIN32
    std::signal(SIGHUP, SIG_DFL);
#endif
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

  Raise(SIGTERM);
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
  Raise(kHangup);
  Frame();
  EXPECT_TRUE(Database->Finish);
  EXPECT_EQ(EndOnSignal(kHangup), "");
  EXPECT_FALSE(Exists(Path("a.obnova.cvl")));
}

}  // namespace
}  // namespace program_test
