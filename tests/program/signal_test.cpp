// A termination signal ends the program after the frame, with the unsaved
// changes in a recovery copy beside the database and the settings written.
#include <cerrno>
#include <csignal>

#include "catalogue/cv_recovery.h"
#include "catalogue/cv_settings.h"
#include "forms/cv_open_form.h"
#include "platform/cp1250.h"
#include "platform/files.h"
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

TNebulas RecordsOf(const std::string& file, TDatabaseInfo& info) {
  TNebulas records;
  EXPECT_EQ(DecodeDatabase(ReadFile(file), info, records, "x.cvl").Message, "") << file;
  return records;
}

TEST_F(SignalTest, SigtermSavesTheChangesBesideTheDatabaseAndEnds) {
  const std::string original = DatabaseBytes("Hmloviny", 3);
  WriteFile(Path("a.cvl"), original);
  WriteFile(Path("a.obnova.cvl"), "an older copy");  // replaced: one copy per catalogue
  platform::CatchTerminationSignals();
  Start();
  Frame();
  OpenDatabaseFile("a.cvl");
  Frame();
  Catalogue().DatabaseInfo.NameOfDatabase = "Zmenené"_cp;
  Catalogue().Modified = true;

  Raise(SIGTERM);
  Frame();
  EXPECT_TRUE(Database->Finish);
  EXPECT_EQ(ReadFile(Path("a.cvl")), original);
  TDatabaseInfo info;
  EXPECT_EQ(RecordsOf(Path("a.obnova.cvl"), info).size(), 3u);
  EXPECT_EQ(info.NameOfDatabase.View(), "Zmenené"_cp);
  EXPECT_EQ(info.Path.View(), "a.cvl") << "the copy records where it belongs";
  EXPECT_FALSE(Exists(Path("a.obnova2.cvl")));

  Database->Epilogue();
  EXPECT_TRUE(Exists(Path(std::string(SETTINGS_FILE))));
}

int g_creations = 0;
int FailFirstSave(platform::FileStep Step) {
  if (Step != platform::FileStep::CreateTemporary) return 0;
  return ++g_creations == 1 ? EROFS : 0;
}

TEST_F(SignalTest, AFolderThatCannotTakeTheCopySendsItToTheRecoveryFolder) {
  WriteFile(Path("a.cvl"), DatabaseBytes("Hmloviny", 2));
  Start();
  Frame();
  OpenDatabaseFile("a.cvl");
  AddNebula(TNebula());
  g_creations = 0;
  platform::SetFileFaultHook(&FailFirstSave);  // the catalogue's folder is read-only
  const std::string copy = EndOnSignal(SIGTERM);
  platform::SetFileFaultHook(nullptr);
  EXPECT_EQ(copy, UserRecoveryFileName("a.cvl"));
  EXPECT_TRUE(copy.starts_with("recovery\\"));
  TDatabaseInfo info;
  EXPECT_EQ(RecordsOf(Path(platform::NativePath(copy)), info).size(), 3u);
  EXPECT_EQ(info.Path.View(), "a.cvl");
  EXPECT_FALSE(Exists(Path("a.obnova.cvl")));
  // Offered at the next start whatever opens, as the catalogue it belongs to.
  const std::vector<TRecoveryOffer> offers = FindRecoveryOffers("");
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].Original, "a.cvl");
  EXPECT_EQ(offers[0].Records, 3);
}

int DiskFull(platform::FileStep Step) { return Step == platform::FileStep::Write ? ENOSPC : 0; }

TEST_F(SignalTest, ACopyThatNoPlaceTakesIsToldFromNothingToSave) {
  WriteFile(Path("a.cvl"), DatabaseBytes("Hmloviny", 2));
  Start();
  Frame();
  OpenDatabaseFile("a.cvl");
  EXPECT_EQ(SaveRecoveryCopy().Code, TRecoveryError::NothingToSave);
  AddNebula(TNebula());
  platform::SetFileFaultHook(&DiskFull);
  const TRecoveryResult copy = SaveRecoveryCopy();
  platform::SetFileFaultHook(nullptr);
  EXPECT_EQ(copy.Code, TRecoveryError::Unwritten);
  EXPECT_EQ(copy.Error, ENOSPC);
  const std::string last_place = UserRecoveryFileName("a.cvl");
  EXPECT_EQ(copy.Message, DatabaseFailure(TDatabaseError::CannotWrite, last_place, 0, ENOSPC).Message);
  EXPECT_TRUE(copy.Produced.empty());
}

TEST_F(SignalTest, ACatalogueWhoseCopyNameIsTooLongGetsItsCopyBackFromTheRecoveryFolder) {
  // The copy's name beside it passes the file system's 255 bytes; the path
  // itself is too long for the copy's header.
  const std::string name = Path(std::string(248, 'c') + ".cvl");
  WriteFile(name, DatabaseBytes("Hmloviny", 1));
  Start();
  Frame();
  OpenDatabaseFile(name);
  AddNebula(TNebula());
  EXPECT_TRUE(EndOnSignal(SIGTERM).starts_with("recovery\\"));
  const std::vector<TRecoveryOffer> offers = FindRecoveryOffers(name);
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].Original, name);
  EXPECT_EQ(offers[0].Records, 2);
}

TEST_F(SignalTest, RecordsTypedWithoutADatabaseAreKeptToo) {
  Start();
  Frame();
  AddNebula(TNebula());
  ASSERT_FALSE(Catalogue().Loaded);
  EXPECT_EQ(EndOnSignal(SIGINT), UserRecoveryFileName(""));
  TDatabaseInfo info;
  EXPECT_EQ(RecordsOf(Path(platform::NativePath(UserRecoveryFileName(""))), info).size(), 1u);
  EXPECT_TRUE(info.Path.Empty());
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
