// Start-up: fonts, the 23 forms in their order with titles, sizes and flags,
// and what the end of the first frames and shutdown do with the settings file.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/cv_error_form.h"
#include "forms/cv_exit_form.h"
#include "forms/cv_fullscreen_form.h"
#include "forms/cv_main_form.h"
#include "forms/cv_open_form.h"
#include "catalogue/cv_settings.h"
#include "platform/cp1250.h"
#include "platform/vk.h"
#include "program_fixture.h"
#include "rastrix/fnt.h"
#include "vc/vc_form.h"

namespace program_test {
namespace {

struct Expected {
  std::string_view Title;
  uint32_t Width;
  uint32_t Height;
};

// An array: clang 14 crashes on a global std::vector of _cp literals.
constexpr std::array<Expected, 23> kForms = {{
    {"Databáza"_cp, 1024, 768},
    {"Koniec", 293, 150},
    {"Chyba", 300, 180},
    {"Odstránenie položky"_cp, 300, 180},
    {"Otázka"_cp, 300, 180},
    {"Otázka"_cp, 300, 180},
    {"Otázka"_cp, 300, 180},
    {"Nový súbor"_cp, 355, 290},
    {"Otvoriť súbor"_cp, 355, 170},
    {"Uložiť ako"_cp, 355, 170},
    {"Výpis položiek"_cp, 949, 600},
    {"Pridať položku"_cp, 713, 321},
    {"Upraviť položku"_cp, 713, 321},
    {"Výpis položky"_cp, 880, 499},
    {"Fullscreen", 1024, 768},
    {"Informácie o databáze"_cp, 355, 200},
    {"Nastavenia", 409, 350},
    {"Hvezdáreň"_cp, 650, 440},
    {"Encyklopédia"_cp, 500, 400},
    {"Pomoc", 500, 400},
    {"O programe", 600, 362},
    {"Obnova databázy"_cp, 380, 200},
    {"Otázka"_cp, 380, 200},
}};

TEST_F(ProgramTest, CreatesEveryFormOnceInOrderAndShowsOnlyTheMainForm) {
  Start();
  ASSERT_EQ(Toolkit().AllForms.size(), kForms.size());
  ASSERT_EQ(Toolkit().OpenedWindows.size(), kForms.size());
  for (std::size_t i = 0; i < kForms.size(); ++i) {
    SCOPED_TRACE(cp1250::ToUtf8(kForms[i].Title));
    auto* form = DerefAs<TForm>(Toolkit().AllForms[i]);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Title, kForms[i].Title);
    EXPECT_EQ(form->Width, static_cast<int32_t>(kForms[i].Width));
    EXPECT_EQ(form->Height, static_cast<int32_t>(kForms[i].Height));
    EXPECT_EQ(form->FormStyle, FS_Classic);
    EXPECT_EQ(form->PositionType, i == 0 ? PT_Always_On_The_Bottom : PT_Normal);
    EXPECT_EQ(form->IsMaximizeButton, i == 0);
    EXPECT_EQ(form->Visible, i == 0);
  }
  // The main form sits at the bottom, its canvas over the whole screen.
  EXPECT_EQ(Toolkit().OpenedWindows.front(), static_cast<PComponentBase>(&MainForm));
  EXPECT_EQ(MainForm->GetY(), -32);
  EXPECT_EQ(FullscreenForm->GetY(), -32);
  EXPECT_EQ(Toolkit().ActiveForm, static_cast<PComponentBase>(&MainForm));
  EXPECT_EQ(Toolkit().Focused, static_cast<PComponentBase>(&MainForm));
  EXPECT_FALSE(Database->ClearingVirtualScreen);
  EXPECT_TRUE(Database->FirstCycle);
  EXPECT_FALSE(Catalogue().Loaded);
}

TEST_F(ProgramTest, LoadsSixFontsAndRunsWithoutTheLargeTitleFont) {
  std::filesystem::remove(Path("Fonts/TNR_14pt_bold.fnt"));
  Start();
  ASSERT_EQ(LoadedFonts.size(), 6u);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(LoadedFonts[i]->Loaded) << i;
  EXPECT_FALSE(LoadedFonts[5]->Loaded);
  const uint64_t before = backend_.FrameCount();
  Frame(3);
  EXPECT_EQ(backend_.FrameCount(), before + 3);
}

TEST_F(ProgramTest, WithoutSettingsOpensNothingAndWritesTheDefaultsAtExit) {
  Start();
  Frame();
  EXPECT_FALSE(Database->FirstCycle);
  EXPECT_FALSE(Catalogue().Loaded);
  EXPECT_FALSE(ErrorForm->Visible);
  Database->Epilogue();
  const std::string bytes = ReadFile(Path("cv_settings.ini"));
  ASSERT_EQ(bytes.size(), SETTINGS_RECORD_SIZE);
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[256], 0);
  EXPECT_EQ(bytes.find_first_not_of('\0'), std::string::npos);
}

TEST_F(ProgramTest, FirstFrameOpensTheDefaultDatabaseOnce) {
  WriteFile(Path("Hmloviny.cvl"), DatabaseBytes("Hmloviny", 3));
  Settings.ImplicitDatabase = "Hmloviny.cvl";
  Settings.UseImplicitDatabase = true;
  Settings.Latitude = 48.5;
  ASSERT_TRUE(WriteSettings());
  Settings = TSettings();

  Start();
  EXPECT_FALSE(Catalogue().Loaded);  // nothing before the first frame has been shown
  Frame();
  ASSERT_TRUE(Catalogue().Loaded);
  EXPECT_EQ(Catalogue().Nebulas.size(), 3u);
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Hmloviny");
  EXPECT_DOUBLE_EQ(Settings.Latitude, 48.5);
  EXPECT_FALSE(OpenForm->Visible);

  // A later frame does not open it again: the records are the same objects.
  const TNebula* first = Catalogue().Nebulas.data();
  Frame(2);
  EXPECT_EQ(Catalogue().Nebulas.data(), first);
}

TEST_F(ProgramTest, SettingsThatDoNotAskForTheDatabaseOpenNothing) {
  WriteFile(Path("Hmloviny.cvl"), DatabaseBytes("Hmloviny", 1));
  Settings.ImplicitDatabase = "Hmloviny.cvl";
  Settings.UseImplicitDatabase = false;
  ASSERT_TRUE(WriteSettings());
  Settings = TSettings();
  Start();
  Frame();
  EXPECT_FALSE(Catalogue().Loaded);
  EXPECT_EQ(Settings.ImplicitDatabase, "Hmloviny.cvl");
}

TEST_F(ProgramTest, MissingOrBrokenDefaultDatabaseIsReportedOnTheErrorForm) {
  Settings.ImplicitDatabase = "chyba.cvl";
  Settings.UseImplicitDatabase = true;
  ASSERT_TRUE(WriteSettings());
  Start();
  Frame();
  EXPECT_FALSE(Catalogue().Loaded);
  ASSERT_TRUE(ErrorForm->Visible);
  EXPECT_EQ(ErrorForm->GetShowType(), ST_Modal);
  EXPECT_EQ(ErrorForm->ErrorMessage, "Súbor \"chyba.cvl\" neexistuje!"_cp);
  ReleaseDatabaseApplication();

  WriteFile(Path("chyba.cvl"), "this is not a catalogue");
  ClearRecentMessages();
  Start();
  Frame();
  EXPECT_FALSE(Catalogue().Loaded);
  ASSERT_TRUE(ErrorForm->Visible);
  ASSERT_FALSE(RecentMessages().empty());
  EXPECT_EQ(ErrorForm->ErrorMessage, RecentMessages().back());
  EXPECT_NE(ErrorForm->ErrorMessage.find("chyba.cvl"), std::string::npos);
}

TEST_F(ProgramTest, ShortSettingsFileCountsAsMissing) {
  WriteFile(Path("cv_settings.ini"), std::string(100, '\x01'));
  Start();
  Frame();
  EXPECT_FALSE(Catalogue().Loaded);
  EXPECT_FALSE(Settings.UseImplicitDatabase);
  EXPECT_TRUE(Settings.ImplicitDatabase.Empty());
}

TEST_F(ProgramTest, ASettingsFileThatWasRefusedSurvivesShutdownUntilTheSettingsChange) {
  WriteFile(Path("cv_settings.ini"), "not a settings record");
  Start();
  Frame();
  Database->Epilogue();
  EXPECT_EQ(ReadFile(Path("cv_settings.ini")), "not a settings record");
  Settings.Latitude = 48;  // as the settings form would
  Database->Epilogue();
  EXPECT_EQ(ReadFile(Path("cv_settings.ini")).size(), SETTINGS_RECORD_SIZE);
}

TEST_F(ProgramTest, TerminateEndsTheLoopAfterThatFrameIsPresented) {
  Start();
  Frame();
  Terminate = true;
  const uint64_t before = backend_.FrameCount();
  Frame();
  EXPECT_EQ(backend_.FrameCount(), before + 1);
  EXPECT_TRUE(Database->Finish);
}

TEST_F(ProgramTest, SettingsThatCannotBeWrittenDoNotStopShutdown) {
  Start();
  Frame();
  std::filesystem::create_directory(Path("cv_settings.ini"));  // a folder cannot be written as a file
  testing::internal::CaptureStderr();
  Database->Epilogue();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("cv_settings.ini"), std::string::npos);
}

TEST_F(ProgramTest, WindowSwitchingRightAfterStartKeepsTheMainForm) {
  Start();
  Frame();
  backend_.SetKey(vk::CONTROL, true);
  Frame();
  backend_.SetKey(vk::SHIFT, true);
  Frame();
  backend_.SetKey(vk::SHIFT, false);
  backend_.SetKey(vk::CONTROL, false);
  Frame();
  EXPECT_EQ(Toolkit().ActiveForm, static_cast<PComponentBase>(&MainForm));
  for (PComponentBase form : Toolkit().AllForms) EXPECT_EQ(Deref(form)->Visible, form == &MainForm);
}

TEST_F(ProgramTest, ACloseRequestLeavesAnOpenQuestionAlone) {
  Start();
  Frame();
  ShowErrorMessage("Chyba");
  Frame();
  const PComponentBase focused = Toolkit().Focused;
  backend_.RequestClose();
  Frame();
  EXPECT_FALSE(ExitForm->Visible);
  EXPECT_EQ(Toolkit().Focused, focused);
  EXPECT_TRUE(ErrorForm->Visible);
}

TEST_F(ProgramTest, TheDesktopCloseRequestShowsTheExitForm) {
  Start();
  Frame();
  backend_.RequestClose();
  Frame();
  EXPECT_TRUE(ExitForm->Visible);
  EXPECT_FALSE(Database->Finish);
  EXPECT_FALSE(Terminate);
}

}  // namespace
}  // namespace program_test
