// Print Screen: the file name from the local clock, the folder made on demand,
// and a screenshot that cannot be written reported without ending anything.
#include <filesystem>

#include "forms/cv_error_form.h"
#include "platform/cp1250.h"
#include "platform/vk.h"
#include "program_fixture.h"

namespace program_test {
namespace {

platform::SystemTime At(int day, int month, int year, int hour, int minute, int second) {
  platform::SystemTime t;
  t.Day = static_cast<uint16_t>(day);
  t.Month = static_cast<uint16_t>(month);
  t.Year = static_cast<uint16_t>(year);
  t.Hour = static_cast<uint16_t>(hour);
  t.Minute = static_cast<uint16_t>(minute);
  t.Second = static_cast<uint16_t>(second);
  return t;
}

TEST(SnapshotName, NumbersWithoutLeadingZerosJoinedByUnderscores) {
  EXPECT_EQ(SnapshotFileName(At(6, 12, 2026, 23, 5, 9)), "SnapShots\\6_12_2026_23_5_9.bmp");
  EXPECT_EQ(SnapshotFileName(At(31, 1, 2027, 0, 0, 0)), "SnapShots\\31_1_2027_0_0_0.bmp");
}

class SnapshotTest : public ProgramTest {
 protected:
  void PrintScreen() {
    backend_.SetKey(vk::SNAPSHOT, true);
    Frame();
    backend_.SetKey(vk::SNAPSHOT, false);
    Frame();
  }
};

TEST_F(SnapshotTest, PrintScreenWritesTheFrameUnderTheLocalTime) {
  // 23:05:09 local is 22:05:09 UTC an hour east of Greenwich.
  backend_.SetClock(At(6, 12, 2026, 22, 5, 9), 60);
  Start();
  Frame();
  ASSERT_FALSE(Exists(Path("SnapShots")));
  PrintScreen();
  const std::string name = Path("SnapShots/6_12_2026_23_5_9.bmp");
  ASSERT_TRUE(Exists(name));
  const std::string bmp = ReadFile(name);
  EXPECT_EQ(bmp.size(), 2359350u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  // Nothing but the screenshot is written there.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("SnapShots")), std::filesystem::directory_iterator()), 1);
  EXPECT_FALSE(ErrorForm->Visible);
}

TEST_F(SnapshotTest, FilesAlreadyInTheFolderAreLeftAlone) {
  backend_.SetClock(At(6, 12, 2026, 10, 0, 0), 0);
  std::filesystem::create_directory(Path("SnapShots"));
  WriteFile(Path("SnapShots/test"), "moje poznámky");
  Start();
  Frame();
  PrintScreen();
  EXPECT_TRUE(Exists(Path("SnapShots/6_12_2026_10_0_0.bmp")));
  EXPECT_EQ(ReadFile(Path("SnapShots/test")), "moje poznámky");
}

TEST_F(SnapshotTest, TwoPressesWithinOneSecondGiveOneFile) {
  backend_.SetClock(At(6, 12, 2026, 10, 0, 0), 0);
  Start();
  Frame();
  PrintScreen();
  PrintScreen();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(Path("SnapShots"))) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(SnapshotTest, HoldingPrintScreenSavesOnlyOnThePress) {
  backend_.SetClock(At(6, 12, 2026, 10, 0, 0), 0);
  Start();
  Frame();
  backend_.SetKey(vk::SNAPSHOT, true);
  Frame();
  std::filesystem::remove_all(Path("SnapShots"));
  Frame(60);  // over a second, still held
  EXPECT_FALSE(Exists(Path("SnapShots")));
}

TEST_F(SnapshotTest, AScreenshotThatCannotBeWrittenIsReportedAndTheProgramGoesOn) {
  backend_.SetClock(At(6, 12, 2026, 10, 0, 0), 0);
  WriteFile(Path("SnapShots"), "a file where the folder should be");
  Start();
  Frame();
  PrintScreen();
  ASSERT_TRUE(ErrorForm->Visible);
  EXPECT_EQ(ErrorForm->ErrorMessage,
            "Snímku obrazovky sa nepodarilo uložiť do súboru \"SnapShots\\6_12_2026_10_0_0.bmp\"!"_cp);
  Frame(2);
  EXPECT_FALSE(Database->Finish);
}

}  // namespace
}  // namespace program_test
