// The real program driven by replay scripts: start-up with and without
// settings, quitting with and without unsaved changes, a broken default
// database, Print Screen, and the main window following the mouse.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "catalogue/cv_database_file.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_settings.h"
#include "platform/cp1250.h"
#include "tests/support/portable.h"

namespace fs = std::filesystem;

namespace {

// Screen positions of what the scripts click (the forms are centred).
constexpr const char* kExitButton = "792 469";       // the main window's exit button
constexpr const char* kExitYes = "456 437";          // the exit form's Yes
constexpr const char* kQuestionYes = "457 462";      // a save-changes question's Yes
constexpr const char* kQuestionNo = "553 462";       // ... and its No
constexpr const char* kSettingsButton = "787 55";    // the main window's settings button

std::string ReadFile(const fs::path& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const fs::path& name, std::string_view bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Catalogue(std::string_view name, int n) {
  TDatabaseInfo info;
  info.NameOfDatabase = name;
  info.NumberOfItems = n;
  TNebulas records(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    records[i].IndexOfItem = i + 1;
    records[i].NameOfNebula = "M " + std::to_string(i + 1);
  }
  std::string bytes;
  EncodeDatabase(info, records, bytes);
  return bytes;
}

std::string SettingsFor(std::string_view database) {
  TSettings settings;
  settings.ImplicitDatabase = database;
  settings.UseImplicitDatabase = true;
  settings.Latitude = 48.15;
  settings.Longitude = 17.11;
  std::string bytes;
  EncodeSettings(settings, bytes);
  return bytes;
}

class ProgramRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test_support::MakeScratchFolder("corvala-e2e");
    const fs::path data = fs::path(CORVALA_SOURCE_DIR) / "data";
    fs::copy(data / "Fonts", dir_ / "Fonts", fs::copy_options::recursive);
    fs::copy(data / "Pictures", dir_ / "Pictures", fs::copy_options::recursive);
  }
  void TearDown() override {
    if (HasFailure()) {
      std::cerr << "kept for inspection: " << dir_ << "\n" << ReadFile(dir_ / "stderr.txt");
      return;
    }
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // Runs the script in the folder; returns the harness's exit status.
  int Run(const std::string& script) {
    WriteFile(dir_ / "script.replay", script);
    return test_support::RunProgram({REPLAY_PATH, "script.replay"}, dir_, dir_ / "stdout.txt", dir_ / "stderr.txt");
  }

  // The line of a dump that starts with the given word.
  std::string Line(const std::string& dump, std::string_view word) {
    std::istringstream in(ReadFile(dir_ / dump));
    for (std::string line; std::getline(in, line);)
      if (line.rfind(std::string(word) + " ", 0) == 0) return line;
    return "";
  }
  // The line of the form with this title; of the shown one where several share it.
  std::string FormLine(const std::string& dump, std::string_view title) {
    std::string quoted(1, '"');
    quoted.append(title).push_back('"');
    std::istringstream in(ReadFile(dir_ / dump));
    std::string found;
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("form ", 0) != 0 || line.find(quoted) == std::string::npos) continue;
      if (found.empty() || line.find("visible=1") != std::string::npos) found = line;
    }
    return found;
  }

  fs::path dir_;
};

TEST_F(ProgramRun, FirstStartQuitsThroughTheExitFormAndWritesDefaultSettings) {
  ASSERT_EQ(Run(std::string("frames 2\ndump start.dump\nclick ") + kExitButton + "\ndump asked.dump\nclick " +
                kExitYes + "\n"),
            0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("start.dump", "database"), "database loaded=0 modified=0 records=0 terminate=0");
  EXPECT_EQ(Line("start.dump", "database-file"), R"(database-file path="" name="")");
  EXPECT_NE(FormLine("start.dump", "Databáza").find("visible=1"), std::string::npos);
  EXPECT_NE(FormLine("asked.dump", "Koniec").find("visible=1 modal=0 active=1"), std::string::npos);
  const std::string settings = ReadFile(dir_ / "cv_settings.ini");
  ASSERT_EQ(settings.size(), SETTINGS_RECORD_SIZE);
  EXPECT_EQ(settings.find_first_not_of('\0'), std::string::npos);
}

TEST_F(ProgramRun, DefaultDatabaseOpensAndAnUnchangedOneQuitsWithoutAQuestion) {
  WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 4));
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  ASSERT_EQ(Run(std::string("frames 2\ndump start.dump\nclick ") + kExitButton + "\nclick " + kExitYes + "\n"), 0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("start.dump", "database"), "database loaded=1 modified=0 records=4 terminate=0");
  EXPECT_EQ(Line("start.dump", "database-file"), R"(database-file path="Hmloviny.cvl" name="Hmloviny")");
  EXPECT_EQ(ReadFile(dir_ / "Hmloviny.cvl"), Catalogue("Hmloviny", 4));
  EXPECT_EQ(ReadFile(dir_ / "cv_settings.ini"), SettingsFor("Hmloviny.cvl"));
}

TEST_F(ProgramRun, UnsavedChangesYesSavesThemBeforeTheEnd) {
  WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 2));
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  ASSERT_EQ(Run(std::string("frames 2\nprogram modify Nové hmloviny\nclick ") + kExitButton + "\nclick " + kExitYes +
                "\ndump asked.dump\nclick " + kQuestionYes + "\n"),
            0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("asked.dump", "Otázka").find("visible=1 modal=1 active=1"), std::string::npos)
      << ReadFile(dir_ / "asked.dump");
  EXPECT_NE(FormLine("asked.dump", "Koniec").find("visible=1"), std::string::npos);
  EXPECT_EQ(ReadFile(dir_ / "Hmloviny.cvl"), Catalogue("Nové hmloviny"_cp, 2));
}

TEST_F(ProgramRun, UnsavedChangesNoLeavesTheFileAsItWas) {
  WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 2));
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  ASSERT_EQ(Run(std::string("frames 2\nprogram modify Iné\nclick ") + kExitButton + "\nclick " + kExitYes +
                "\nclick " + kQuestionNo + "\n"),
            0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(ReadFile(dir_ / "Hmloviny.cvl"), Catalogue("Hmloviny", 2));
}

TEST_F(ProgramRun, ChangesEndedByASignalAreOfferedAtTheNextStartAndEachAnswerHolds) {
  // The recovery question's buttons: open, later, delete.
  const char* const kAnswers[] = {"392 472", "510 472", "628 472"};
  for (int answer = 0; answer < 3; ++answer) {
    SCOPED_TRACE(answer);
    WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 2));
    WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
    fs::remove(dir_ / "Hmloviny.obnova.cvl");
    ASSERT_EQ(Run(std::string("frames 2\nprogram modify Obnovená\nsignal TERM\nrestart\nframes 2\n"
                              "dump offered.txt\nclick ") + kAnswers[answer] + "\nframes 2\ndump after.txt\n"),
              0)
        << ReadFile(dir_ / "stderr.txt");
    EXPECT_EQ(Line("offered.txt", "recovery"),
              "recovery asking=copy file=\"Hmloviny.obnova.cvl\" original=\"Hmloviny.cvl\" records=2");
    EXPECT_EQ(Line("after.txt", "recovery"), "recovery asking=0");
    EXPECT_EQ(Line("after.txt", "database-file"),
              answer == 0 ? "database-file path=\"Hmloviny.cvl\" name=\"Obnovená\""
                          : "database-file path=\"Hmloviny.cvl\" name=\"Hmloviny\"");
    EXPECT_EQ(fs::exists(dir_ / "Hmloviny.obnova.cvl"), answer != 2);
    EXPECT_EQ(ReadFile(dir_ / "Hmloviny.cvl"), Catalogue("Hmloviny", 2)) << "nothing is saved unasked";
  }
}

TEST_F(ProgramRun, TheDesktopsCloseRequestAsksLikeTheExitButton) {
  WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 2));
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  ASSERT_EQ(Run(std::string("frames 2\nprogram modify Iné\nprogram close-request\nframes 1\ndump asked.dump\n"
                            "click ") +
                kExitYes + "\nclick " + kQuestionYes + "\n"),
            0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("asked.dump", "Koniec").find("visible=1 modal=0 active=1"), std::string::npos);
  EXPECT_EQ(ReadFile(dir_ / "Hmloviny.cvl"), Catalogue("Iné"_cp, 2));
}

TEST_F(ProgramRun, AMissingDefaultDatabaseIsReportedOnTheErrorForm) {
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Chýba.cvl"_cp));
  ASSERT_EQ(Run("frames 2\ndump error.dump\npress RETURN\nframes 1\ndump after.dump\n"), 0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("error.dump", "Chyba").find("visible=1 modal=1 active=1"), std::string::npos);
  EXPECT_NE(Line("error.dump", "database").find("loaded=0"), std::string::npos);
  // Enter answers the focused OK.
  EXPECT_NE(FormLine("after.dump", "Chyba").find("visible=0"), std::string::npos);
}

TEST_F(ProgramRun, AFileThatIsNotADatabaseIsReportedAndNothingIsLoaded) {
  WriteFile(dir_ / "Hmloviny.cvl", "Toto nie je katalóg.");
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  ASSERT_EQ(Run("frames 2\ndump error.dump\n"), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("error.dump", "Chyba").find("visible=1 modal=1"), std::string::npos);
  EXPECT_NE(Line("error.dump", "database").find("loaded=0"), std::string::npos);
}

TEST_F(ProgramRun, PrintScreenWritesTheWholeFrameNamedFromTheLocalClock) {
  // A user's file that happens to carry the name of the old folder probe.
  fs::create_directory(dir_ / "SnapShots");
  WriteFile(dir_ / "SnapShots" / "test", "moje poznámky");
  ASSERT_EQ(Run("clock 2026-12-06 22:05:09 utc+60\nframes 2\npress SNAPSHOT\nframes 1\n"), 0)
      << ReadFile(dir_ / "stderr.txt");
  const fs::path shot = dir_ / "SnapShots" / "6_12_2026_23_5_9.bmp";
  ASSERT_TRUE(fs::exists(shot));
  EXPECT_EQ(fs::file_size(shot), 2359350u);
  EXPECT_EQ(ReadFile(dir_ / "SnapShots" / "test"), "moje poznámky");
}

TEST_F(ProgramRun, TheHighlightAndTheOpenWindowsListFollowTheMouse) {
  ASSERT_EQ(Run(std::string("frames 2\ndump idle.dump\nmove 240 50\nmove 241 50\ndump file.dump\n"
                            "move 787 55\nmove 788 55\ndump settings.dump\nclick ") +
                kSettingsButton + "\ndump shown.dump\n"),
            0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("idle.dump", "main"), R"(main highlight="" windows="Databáza")");
  EXPECT_EQ(Line("file.dump", "main"), R"(main highlight="File Button" windows="Databáza")");
  EXPECT_EQ(Line("settings.dump", "main"), R"(main highlight="Settings Button" windows="Databáza")");
  EXPECT_EQ(Line("shown.dump", "main"), R"(main highlight="Settings Button" windows="Databáza","Nastavenia")");
}

TEST_F(ProgramRun, ARecordShownInTheItemViewOpensItsPictureFullScreen) {
  WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 3));
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  ASSERT_EQ(Run("frames 2\nprogram show-item 2\nframes 1\ndump item.dump\nrclick 690 340\nframes 1\ndump full.dump\n"
                "press RETURN\nframes 1\ndump back.dump\n"),
            0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("item.dump", "Výpis položky").find("visible=1 modal=0 active=1"), std::string::npos);
  EXPECT_EQ(Line("item.dump", "item-view"), R"(item-view name="M 2" result=1 picture=0x0)");
  EXPECT_NE(FormLine("full.dump", "Fullscreen").find("visible=1 modal=0 active=1"), std::string::npos);
  // Enter on the focused OK puts the picture away again.
  EXPECT_NE(FormLine("back.dump", "Fullscreen").find("visible=0"), std::string::npos);
  EXPECT_NE(FormLine("back.dump", "Výpis položky").find("visible=1"), std::string::npos);
}

// The settings form's fields and the encyclopedia's links on the screen.
constexpr const char* kPositionTab = "432 242";
constexpr const char* kDatabaseTab = "362 242";
constexpr const char* kFirstEdit = "547 352";   // file name, or latitude
constexpr const char* kSecondEdit = "547 402";  // longitude
constexpr const char* kUseDefaultBox = "346 399";
constexpr const char* kSettingsOK = "442 548";
constexpr const char* kEncyclopediaButton = "241 469";

// Clicks a field and empties it ("0.00000" has seven characters).
std::string ClearField(const char* at) {
  std::string s = std::string("click ") + at + "\npress END\n";
  for (int i = 0; i < 8; ++i) s += "press BACK\n";
  return s;
}

TEST_F(ProgramRun, SettingsTypedIntoTheFormAreWrittenAtExitAndOpenTheCatalogueNextTime) {
  WriteFile(dir_ / "moje.cvl", Catalogue("Moje", 3));
  const std::string script = std::string("frames 2\nclick ") + kSettingsButton + "\nclick " + kPositionTab + "\n" +
                             ClearField(kFirstEdit) + "type 91\npress RETURN\nframes 1\ndump refused.dump\n" +
                             "press RETURN\n" + ClearField(kFirstEdit) + "type 48.5\npress RETURN\n" +
                             ClearField(kSecondEdit) + "type 17.25\nclick " + kDatabaseTab + "\nclick " + kFirstEdit +
                             "\ntype moje.cvl\nclick " + kUseDefaultBox + "\nclick " + kSettingsOK +
                             "\ndump stored.dump\nclick " + kExitButton + "\nclick " + kExitYes + "\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("refused.dump", "Chyba").find("visible=1 modal=1"), std::string::npos);
  EXPECT_NE(FormLine("stored.dump", "Nastavenia").find("visible=0"), std::string::npos);
  EXPECT_NE(Line("stored.dump", "database").find("loaded=0"), std::string::npos);  // only at the next start

  TSettings expected;
  expected.ImplicitDatabase = "moje.cvl";
  expected.UseImplicitDatabase = true;
  expected.Latitude = 48.5;
  expected.Longitude = 17.25;
  std::string bytes;
  EncodeSettings(expected, bytes);
  EXPECT_EQ(ReadFile(dir_ / "cv_settings.ini"), bytes);

  ASSERT_EQ(Run("frames 2\ndump restarted.dump\n"), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("restarted.dump", "database"), "database loaded=1 modified=0 records=3 terminate=0");
  EXPECT_EQ(Line("restarted.dump", "database-file"), R"(database-file path="moje.cvl" name="Moje")");
}

// The main keyboard's minus key and the same digits in the three forms that
// read numbers: one reader, one value. A refused value leaves the keyboard in
// its field once the message is closed with Enter.
TEST_F(ProgramRun, TheSameKeysGiveTheSameNumberInTheAddFormTheSettingsAndTheObservatory) {
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "generate", "0", "Moje.cvl", "--path", "Moje.cvl", "--name", "Moje"},
                                     dir_),
            0);
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Moje.cvl"));
  const std::string minus_five = "press OEM_MINUS\ntype 5.39\npress RETURN\n";
  std::string script = "frames 3\nclick 148 120\nclick 150 187\nframes 2\ntype A\npress RETURN\ntype 1\n"
                       "press RETURN\ntype 1\npress RETURN\n" +
                       minus_five +
                       "type 1\npress RETURN\ntype 1\nclick 441 497\nframes 2\nclick 241 55\nclick 250 146\n"
                       "dump saved.dump\n"
                       "click " +
                       std::string(kSettingsButton) + "\nclick " + kPositionTab + "\n" + ClearField(kFirstEdit) +
                       minus_five + "click " + kSettingsOK + "\nclick " + kExitButton + "\nclick " + kExitYes + "\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("saved.dump", "database"), "database loaded=1 modified=0 records=1 terminate=0");
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "export", "Moje.cvl"}, dir_, dir_ / "export.csv"), 0);
  EXPECT_NE(ReadFile(dir_ / "export.csv").find("\r\n1,A,1,1,-5.39,1,1,"), std::string::npos)
      << ReadFile(dir_ / "export.csv");
  TSettings stored;
  ASSERT_TRUE(DecodeSettings(ReadFile(dir_ / "cv_settings.ini"), stored));
  EXPECT_EQ(stored.Latitude, -5.39);

  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Moje.cvl"));
  std::string clear;
  for (int i = 0; i < 8; ++i) clear += "press BACK\n";
  script = "frames 3\nclick 147 402\nframes 2\nclick 770 350\npress END\n" + clear +
           "type 5.39x\npress RETURN\nframes 1\ndump refused.dump\npress RETURN\nframes 1\npress END\n" + clear +
           minus_five + "frames 2\ndump typed.dump\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("refused.dump", "Chyba").find("visible=1 modal=1"), std::string::npos);
  EXPECT_NE(Line("typed.dump", "observatory").find(" latitude=-5.39000 "), std::string::npos)
      << Line("typed.dump", "observatory");
}

TEST_F(ProgramRun, TheEncyclopediaIsWalkedThroughItsLinks) {
  // Contents link k (from 2) stands at 209 + 27 k on the screen; the
  // emission page's in-text link at 209 + 12 x 17 - 10; the planetary page's
  // link back, scrolled to its last line (13), at 209 + 30 x 17 - 13 x 17.
  const std::string script = std::string("frames 2\nclick ") + kEncyclopediaButton +
                             "\ndump contents.dump\nclick 320 385\ndump emission.dump\nclick 320 416\n"
                             "dump planetary.dump\nmove 747 520\ndown LBUTTON\nwait 1500\nup LBUTTON\n"
                             "dump end.dump\nclick 310 511\ndump back.dump\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("contents.dump", "books"), "books encyclopedia=0,0,27 help=0,0,27");
  EXPECT_EQ(Line("emission.dump", "books"), "books encyclopedia=5,0,17 help=0,0,27");
  EXPECT_EQ(Line("planetary.dump", "books"), "books encyclopedia=8,0,17 help=0,0,27");
  EXPECT_EQ(Line("end.dump", "books"), "books encyclopedia=8,13,17 help=0,0,27");
  EXPECT_EQ(Line("back.dump", "books"), "books encyclopedia=0,0,27 help=0,0,27");
}

// The file menu's entries and the database menu's first one.
constexpr const char* kFileMenu = "click 241 50\n";
constexpr const char* kNewItem = "move 200 96\nclick 200 96\nframes 1\n";
constexpr const char* kOpenItem = "move 200 122\nclick 200 122\nframes 1\n";
constexpr const char* kSaveItem = "move 200 148\nclick 200 148\nframes 1\n";
constexpr const char* kSaveAsItem = "move 200 174\nclick 200 174\nframes 1\n";
constexpr const char* kInformationsItem = "click 150 120\nmove 130 161\nclick 130 161\nframes 1\n";

std::string Header(std::string_view path, std::string_view name, std::string_view author,
                   std::string_view description) {
  TDatabaseInfo info;
  info.Path = path;
  info.NameOfDatabase = name;
  info.Autor = author;
  info.Description = description;
  std::string bytes;
  EncodeDatabase(info, {}, bytes);
  return bytes;
}

TEST_F(ProgramRun, ACatalogueIsCreatedSavedReopenedDescribedAndSavedAsFromTheKeyboard) {
  fs::create_directory(dir_ / "kat");
  std::string script = std::string("frames 2\n") + kFileMenu + kNewItem +
                       "type kat\\nové.cvl\npress RETURN\nframes 1\ntype Žiarivé hmloviny\npress RETURN\nframes 1\n"
                       "type Ďuro Ťažký\npress RETURN\nframes 1\ntype Môj prvý katalóg\npress RETURN\nframes 1\n"
                       "dump created.dump\n" +
                       kFileMenu + kSaveItem + "dump saved.dump\n" + kFileMenu + kOpenItem +
                       "type kat/nové.cvl\npress RETURN\nframes 1\ndump opened.dump\n" + kInformationsItem +
                       "press END\ntype  II\npress RETURN\nframes 1\npress RETURN\nframes 1\npress RETURN\nframes 1\n"
                       "dump described.dump\n" +
                       kFileMenu + kSaveAsItem + "type kat/kópia.cvl\npress RETURN\nframes 1\ndump copied.dump\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("created.dump", "database"), "database loaded=1 modified=1 records=0 terminate=0");
  EXPECT_EQ(Line("created.dump", "database-file"), R"(database-file path="kat\\nové.cvl" name="Žiarivé hmloviny")");
  EXPECT_NE(FormLine("created.dump", "Nový súbor").find("visible=0"), std::string::npos);
  EXPECT_EQ(Line("saved.dump", "database"), "database loaded=1 modified=0 records=0 terminate=0");
  EXPECT_EQ(Line("opened.dump", "database-file"), R"(database-file path="kat/nové.cvl" name="Žiarivé hmloviny")");
  EXPECT_EQ(Line("described.dump", "database"), "database loaded=1 modified=1 records=0 terminate=0");
  EXPECT_NE(FormLine("described.dump", "Informácie o databáze").find("visible=0"), std::string::npos);
  EXPECT_EQ(Line("copied.dump", "database"), "database loaded=1 modified=0 records=0 terminate=0");
  EXPECT_EQ(Line("copied.dump", "database-file"),
            R"(database-file path="kat/kópia.cvl" name="Žiarivé hmloviny II")");

  EXPECT_EQ(ReadFile(dir_ / "kat" / u8"nové.cvl"),
            Header("kat\\nové.cvl"_cp, "Žiarivé hmloviny"_cp, "Ďuro Ťažký"_cp, "Môj prvý katalóg"_cp));
  EXPECT_EQ(ReadFile(dir_ / "kat" / u8"kópia.cvl"),
            Header("kat/kópia.cvl"_cp, "Žiarivé hmloviny II"_cp, "Ďuro Ťažký"_cp, "Môj prvý katalóg"_cp));
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "check", "kat/kópia.cvl"}, dir_, dir_ / "check.txt"), 0);
  const std::string report = ReadFile(dir_ / "check.txt");
  EXPECT_NE(report.find("name:        Žiarivé hmloviny II\n"), std::string::npos) << report;
  EXPECT_NE(report.find("author:      Ďuro Ťažký\n"), std::string::npos) << report;
}

TEST_F(ProgramRun, TypedNamesThatCannotBeOpenedOrMadeAreReportedOnceAndTheFormStays) {
  WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 2));
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  WriteFile(dir_ / "cudzi.cvl", "Toto nie je katalóg.");
  std::string script = std::string("frames 2\n") + kFileMenu + kOpenItem +
                       "type chyba.cvl\npress RETURN\nframes 1\ndump missing.dump\npress RETURN\nframes 1\n"
                       "dump closed.dump\ntype cudzi.cvl\npress RETURN\nframes 1\ndump foreign.dump\npress RETURN\n"
                       "frames 1\n" +
                       kFileMenu + kNewItem + "type nie/je.cvl\npress RETURN\nframes 1\npress RETURN\nframes 1\npress RETURN\n"
                       "frames 1\npress RETURN\nframes 1\ndump invalid.dump\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_NE(FormLine("missing.dump", "Chyba").find("visible=1 modal=1 active=1"), std::string::npos);
  // One Enter, one message: closing it leaves the open form waiting for another name.
  EXPECT_NE(FormLine("closed.dump", "Chyba").find("visible=0"), std::string::npos);
  EXPECT_NE(FormLine("closed.dump", "Otvoriť súbor").find("visible=1 modal=0 active=1"), std::string::npos);
  EXPECT_EQ(Line("closed.dump", "focus"), R"(focus "Otvoriť súbor")");
  EXPECT_NE(FormLine("foreign.dump", "Chyba").find("visible=1"), std::string::npos);
  EXPECT_EQ(Line("foreign.dump", "database-file"), R"(database-file path="Hmloviny.cvl" name="Hmloviny")");
  EXPECT_NE(FormLine("invalid.dump", "Chyba").find("visible=1"), std::string::npos);
  EXPECT_NE(FormLine("invalid.dump", "Nový súbor").find("visible=1"), std::string::npos);
  EXPECT_EQ(Line("invalid.dump", "database-file"), R"(database-file path="Hmloviny.cvl" name="Hmloviny")");
  EXPECT_EQ(ReadFile(dir_ / "cudzi.cvl"), "Toto nie je katalóg.");
}

TEST_F(ProgramRun, RecordsAddedListedSortedRevisedSearchedDeletedAndSaved) {
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "generate", "0", "Moje.cvl", "--path", "Moje.cvl", "--name", "Moje"},
                                     dir_),
            0);
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Moje.cvl"));
  ASSERT_EQ(Run(ReadFile(fs::path(CORVALA_SOURCE_DIR) / "tests/e2e_program/scripts/records.replay")), 0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("added.dump", "database"), "database loaded=1 modified=1 records=3 terminate=0");
  // Names sort by their Windows-1250 bytes: Ž (8E), Ľ (BC), É (C9).
  EXPECT_EQ(Line("down.dump", "list"), R"(list rows=3 selected=0 sort=2 direction=down first="Éterická hmlovina")");
  EXPECT_EQ(Line("up.dump", "list"), R"(list rows=3 selected=0 sort=2 direction=up first="Žiarivá ďaleká hmlovina")");
  EXPECT_NE(FormLine("revised.dump", "Upraviť položku").find("visible=0"), std::string::npos);
  EXPECT_EQ(Line("search.dump", "list"), R"(list rows=1 selected=0 sort=2 direction=up first="Žiarivá ďaleká hmlovina")");
  EXPECT_NE(FormLine("delete.dump", "Odstránenie položky").find("visible=1 modal=1 active=1"), std::string::npos);
  EXPECT_EQ(Line("saved.dump", "database"), "database loaded=1 modified=0 records=2 terminate=0");
  // The answered question leaves the selection on the row that was deleted.
  EXPECT_EQ(Line("deleted.dump", "list"), R"(list rows=2 selected=1 sort=2 direction=up first="Ľadová šťastná hmlovina")");

  // The file as the catalogue tool reads it: the sorted order, the numbers
  // closed up after the deletion, the revised name, every value as typed.
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "export", "Moje.cvl"}, dir_, dir_ / "export.csv"), 0);
  EXPECT_EQ(ReadFile(dir_ / "export.csv"),
            "number,name,ngc,ra_hours,dec_degrees,distance_ly,magnitude,type,picture,description\r\n"
            "2,Ľadová šťastná hmlovina,-7,0.5,0,2000,4,H1,,Tretia\r\n"
            "1,Éterická hmlovina II,31,5.58333,10,300,12,Planetárna hmlovina,,Druhá\r\n");
}

std::string ReadGzip(const fs::path& name) {
  std::string out;
  gzFile f = gzopen(name.string().c_str(), "rb");
  if (f == nullptr) return out;
  char buffer[65536];
  int n = 0;
  while ((n = gzread(f, buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<std::size_t>(n));
  gzclose(f);
  return out;
}

// Compares a screenshot with its golden image pixel for pixel; on a
// difference writes FILE.diff.bmp (differing pixels red). With
// CORVALA_UPDATE_GOLDEN=1 a missing golden image is written from the shot.
void ExpectGolden(const fs::path& shot, const fs::path& golden) {
  const std::string actual = ReadFile(shot);
  ASSERT_GT(actual.size(), 54u) << shot;
  if (!fs::exists(golden) && std::getenv("CORVALA_UPDATE_GOLDEN") != nullptr) {
    gzFile f = gzopen(golden.string().c_str(), "wb9");
    ASSERT_NE(f, nullptr);
    gzwrite(f, actual.data(), static_cast<unsigned>(actual.size()));
    gzclose(f);
  }
  const std::string expected = ReadGzip(golden);
  ASSERT_EQ(expected.size(), actual.size()) << golden;
  std::string diff = actual;
  std::size_t differing = 0;
  for (std::size_t p = 54; p + 2 < actual.size(); p += 3) {
    if (actual.compare(p, 3, expected, p, 3) == 0) continue;
    ++differing;
    diff[p] = 0;
    diff[p + 1] = 0;
    diff[p + 2] = static_cast<char>(255);
  }
  if (differing > 0) WriteFile(fs::path(shot.string() + ".diff.bmp"), diff);
  EXPECT_EQ(differing, 0u) << shot << " differs from " << golden;
}

TEST_F(ProgramRun, ObservatoryShowsTheSkyOverBratislavaAndFollowsSpeedsInputsAndPointer) {
  const fs::path source(CORVALA_SOURCE_DIR);
  fs::copy(source / "data" / "samples", dir_ / "samples", fs::copy_options::recursive);
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "import", "samples/hmloviny.csv", "samples/Hmloviny.cvl", "--path",
                                      "samples\\Hmloviny.cvl", "--name", "Hmloviny"},
                                     dir_),
            0);
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("samples\\Hmloviny.cvl"));
  ASSERT_EQ(Run(ReadFile(source / "tests/e2e_program/scripts/observatory.replay")), 0)
      << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("night.dump", "observatory"),
            "observatory utc=2026-12-08 21:30 residual=180 speed=1 latitude=48.15000 longitude=17.11000 listed=26 "
            "focused=-1");
  EXPECT_NE(Line("hover.dump", "observatory").find(" focused=7"), std::string::npos);
  // One real second: a minute at the fast speed, a hundred at the fastest.
  EXPECT_EQ(Line("fast.dump", "observatory").substr(0, 57),
            "observatory utc=2026-12-08 21:31 residual=1500 speed=2 la");
  EXPECT_EQ(Line("veryfast.dump", "observatory").substr(0, 57),
            "observatory utc=2026-12-08 23:13 residual=3900 speed=3 la");
  EXPECT_NE(Line("typed.dump", "observatory").find("utc=2030-12-08 23:17"), std::string::npos);
  EXPECT_NE(Line("typed.dump", "observatory").find("latitude=40.50000"), std::string::npos);
  EXPECT_NE(FormLine("item.dump", "Výpis položky").find("visible=1"), std::string::npos);
  EXPECT_NE(Line("item.dump", "item-view"), R"(item-view name="")");
  ExpectGolden(dir_ / "night.bmp", source / "tests/e2e_program/golden/observatory-night.bmp.gz");
  ExpectGolden(dir_ / "hover.bmp", source / "tests/e2e_program/golden/observatory-hover.bmp.gz");
}

// The built NGC/IC catalogue opens at start, and every header of the list
// sorts all of it: each first row holds the greatest key of its column
// (the first click sorts downwards).
TEST_F(ProgramRun, TheNgcIcCatalogueOpensAndItsListSortsByEveryColumn) {
  fs::create_directory(dir_ / "samples");
  fs::copy_file(fs::path(CORVALA_BINARY_DIR) / "samples" / "NGC-IC.cvl", dir_ / "samples" / "NGC-IC.cvl");
  TDatabaseInfo info;
  TNebulas records;
  ASSERT_EQ(DecodeDatabase(ReadFile(dir_ / "samples" / "NGC-IC.cvl"), info, records, "x.cvl").Message, "");
  ASSERT_GT(records.size(), 400u);
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("samples\\NGC-IC.cvl"));
  // A header button lies at screen x = 38 + its left edge in the form (the form is centred).
  constexpr int kColumns = 10;
  constexpr int kHeaderX[kColumns] = {20, 80, 210, 270, 330, 390, 480, 540, 670, 800};
  std::string script = "frames 2\ndump start.dump\nclick 148 120\nclick 150 213\nframes 2\n";
  for (int c = 0; c < kColumns; ++c)
    script += "click " + std::to_string(48 + kHeaderX[c]) + " 130\nframes 2\ndump sort" + std::to_string(c + 1) +
              ".dump\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("start.dump", "database"),
            "database loaded=1 modified=0 records=" + std::to_string(records.size()) + " terminate=0");

  // Each column's key as a string that orders like the list's comparison.
  auto number = [](double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%020.6f", v + 1e6);
    return std::string(text);
  };
  auto key = [&](const TNebula& r, int c) -> std::string {
    switch (c) {
      case 0: return number(r.IndexOfItem);
      case 1: return std::string(r.NameOfNebula.View());
      case 2: return number(r.NGC);
      case 3: return number(r.Rect);
      case 4: return number(r.Dec);
      case 5: return number(r.Distance);
      case 6: return number(r.Magnitude);
      case 7: return number(r.TypeOfNebula);
      case 8: return std::string(r.Picture.View());
      default: return std::string(r.Description.View());
    }
  };
  for (int c = 0; c < kColumns; ++c) {
    const std::string dump = "sort" + std::to_string(c + 1) + ".dump";
    const std::string line = Line(dump, "list");
    const std::string head = "list rows=" + std::to_string(records.size()) + " selected=0 sort=" +
                             std::to_string(c + 1) + " direction=down first=\"";
    ASSERT_EQ(line.substr(0, head.size()), head) << line;
    const std::string first = line.substr(head.size(), line.size() - head.size() - 1);
    std::string greatest;
    for (const TNebula& r : records) greatest = std::max(greatest, key(r, c));
    bool found = false;
    for (const TNebula& r : records)
      found = found || (cp1250::ToUtf8(r.NameOfNebula.View()) == first && key(r, c) == greatest);
    EXPECT_TRUE(found) << "column " << c + 1 << ": " << first;
  }
}

// The wheel scrolls what is under the pointer, Escape cancels the topmost
// form (a save question without saving), and the status bar tells of unsaved
// changes and of a save.
TEST_F(ProgramRun, WheelEscapeAndTheUnsavedMarkWorkAsInEveryDesktopProgram) {
  WriteFile(dir_ / "Hmloviny.cvl", Catalogue("Hmloviny", 40));
  WriteFile(dir_ / "cv_settings.ini", SettingsFor("Hmloviny.cvl"));
  const std::string script = std::string("frames 2\ndump start.dump\n") +
                             // the list: two notches towards the user, one back
                             "click 148 120\nclick 150 213\nframes 2\nmove 300 250\nwheel -2\ndump down.dump\n"
                             "wheel 1\ndump up.dump\nmove 600 40\nwheel -1\ndump outside.dump\n"
                             "press ESCAPE\ndump escaped.dump\n"
                             // unsaved, saved, the note gone
                             "program modify Iné\nframes 1\ndump modified.dump\n" +
                             kFileMenu + kSaveItem + "dump saved.dump\nwait 3500\ndump later.dump\n" +
                             // a save question cancelled: nothing saved, nothing ended
                             "program modify Druhé\nclick " + kExitButton + "\nclick " + kExitYes +
                             "\ndump asked.dump\npress ESCAPE\nframes 1\ndump cancelled.dump\n";
  ASSERT_EQ(Run(script), 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_EQ(Line("start.dump", "status"), R"(status catalogue="Hmloviny" saved=0)");
  EXPECT_NE(Line("down.dump", "list").find(R"(first="M 7")"), std::string::npos) << Line("down.dump", "list");
  EXPECT_NE(Line("up.dump", "list").find(R"(first="M 4")"), std::string::npos) << Line("up.dump", "list");
  // Over the main window beside the list nothing scrolls.
  EXPECT_NE(Line("outside.dump", "list").find(R"(first="M 4")"), std::string::npos);
  EXPECT_NE(FormLine("escaped.dump", "Výpis položiek").find("visible=0"), std::string::npos);
  EXPECT_EQ(Line("modified.dump", "status"), R"(status catalogue="Iné *" saved=0)");
  EXPECT_EQ(Line("saved.dump", "status"), R"(status catalogue="Iné" saved=1)");
  EXPECT_EQ(Line("later.dump", "status"), R"(status catalogue="Iné" saved=0)");
  EXPECT_NE(FormLine("asked.dump", "Otázka").find("visible=1"), std::string::npos);
  EXPECT_NE(FormLine("cancelled.dump", "Otázka").find("visible=0"), std::string::npos);
  EXPECT_EQ(Line("cancelled.dump", "database"), "database loaded=1 modified=1 records=40 terminate=0");
  EXPECT_EQ(ReadFile(dir_ / "Hmloviny.cvl"), Catalogue("Iné"_cp, 40));
}

// F9 presents the screen's luminance in red alone and, pressed again, the
// very frame it replaced; the choice is kept for the next start.
TEST_F(ProgramRun, NightModeShowsRedOnlyAndComesBackUnchanged) {
  ASSERT_EQ(Run("frames 3\nshot day.bmp\npress F9\nshot night.bmp\npress F9\nshot back.bmp\npress F9\n"), 0)
      << ReadFile(dir_ / "stderr.txt");
  const auto redOnly = [](const std::string& bmp) {
    std::size_t lit = 0;
    for (std::size_t p = 54; p + 2 < bmp.size(); p += 3) {
      if (bmp[p] != 0 || bmp[p + 1] != 0) return false;
      lit += bmp[p + 2] != 0;
    }
    return bmp.size() > 54 && lit > 0;
  };
  const std::string day = ReadFile(dir_ / "day.bmp");
  EXPECT_FALSE(redOnly(day));
  EXPECT_TRUE(redOnly(ReadFile(dir_ / "night.bmp")));
  EXPECT_TRUE(ReadFile(dir_ / "back.bmp") == day) << "the frame after night mode differs from the one before";
  EXPECT_EQ(ReadFile(dir_ / "cv_night.ini"), "1\n");
  ASSERT_EQ(Run("frames 2\nshot start.bmp\n"), 0);
  EXPECT_TRUE(redOnly(ReadFile(dir_ / "start.bmp"))) << "night mode was not remembered";
}

}  // namespace
