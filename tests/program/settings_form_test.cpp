// The settings form: what it shows, how the two coordinate fields refuse bad
// input, and when its values reach Settings.
#include <clocale>
#include <string>

#include "catalogue/cv_messages.h"
#include "catalogue/cv_settings.h"
#include "forms/cv_error_form.h"
#include "forms/cv_observatory_form.h"
#include "forms/cv_settings_form.h"
#include "platform/cp1250.h"
#include "platform/vk.h"
#include "program_fixture.h"

namespace program_test {
namespace {

class SettingsFormTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Start();
    Frame();  // the first frame reads the (missing) settings file
    Open();
  }
  void Open() {
    SettingsForm->Show(ST_Unmodal);
    Frame();
  }
  TEdit& Path() { return *SettingsForm->DatabaseSet->PathEdit; }
  TEdit& Latitude() { return *SettingsForm->PositionSet->LatitudeEdit; }
  TEdit& Longitude() { return *SettingsForm->PositionSet->LongitudeEdit; }
  // Puts Text into a focused field and presses Enter in it.
  void Enter(TEdit& Field, std::string_view Text) {
    SettingsForm->Layer->SetFirstPage(1);
    Field.CatchFocus();
    Field.SetText(Text);
    Frame();
    backend_.SetKey(vk::RETURN, true);
    Frame();
    backend_.SetKey(vk::RETURN, false);
    Frame();
  }
  std::string LastMessage() { return RecentMessages().empty() ? "" : RecentMessages().back(); }
  void Acknowledge() {
    ASSERT_TRUE(ErrorForm->Visible);
    ErrorForm->OKButton->OnMouseLeftClick(-1, -1);
    ClearRecentMessages();
    Frame();
  }
};

TEST_F(SettingsFormTest, WithoutASettingsFileTheFormShowsTheDefaults) {
  EXPECT_EQ(Path().Text, "");
  EXPECT_FALSE(SettingsForm->DatabaseSet->UsePathBox->Checked);
  EXPECT_EQ(Latitude().Text, "0.00000");
  EXPECT_EQ(Longitude().Text, "0.00000");
  EXPECT_EQ(SettingsForm->Layer->GetFirstPage(), 0);
}

TEST_F(SettingsFormTest, CoordinatesOutsideTheirRangeOrNotNumbersAreRefused) {
  Enter(Latitude(), "91");
  EXPECT_EQ(LastMessage(), "Vstupný údaj mimo rozsah <-90,90> !"_cp);
  EXPECT_EQ(Latitude().Text, "0.00000");
  Acknowledge();

  Enter(Latitude(), "90");
  EXPECT_FALSE(ErrorForm->Visible);
  EXPECT_EQ(SettingsForm->Tmp_Settings.Latitude, 90.0);

  Enter(Longitude(), "-17.25");
  EXPECT_FALSE(ErrorForm->Visible);
  Enter(Longitude(), "17,5");
  EXPECT_EQ(LastMessage(), "Zemepisná dĺžka musí byť reálne číslo!"_cp);
  EXPECT_EQ(Longitude().Text,
            "-17.25000");  // the last accepted value, not the one in Settings
  Acknowledge();
  Enter(Longitude(), "-180.5");
  EXPECT_EQ(LastMessage(), "Vstupný údaj mimo rozsah <-180,180> !"_cp);
  Acknowledge();

  // Leaving the field checks it as Enter does.
  Latitude().CatchFocus();
  Latitude().SetText("sever");
  Frame();
  Longitude().CatchFocus();
  Frame();
  EXPECT_EQ(LastMessage(), "Zemepisná šírka musí byť reálne číslo!"_cp);
  EXPECT_EQ(Latitude().Text, "90.00000");
}

TEST_F(SettingsFormTest, OKStoresOnlyWhenBothCoordinatesAreNumbers) {
  const std::string longPath = std::string(300, 'a') + ".cvl";
  Path().SetText(longPath);
  SettingsForm->DatabaseSet->UsePathBox->Checked = true;
  Latitude().SetText("48.5");
  Longitude().SetText("východ");
  SettingsForm->OKButton->OnMouseLeftClick(-1, -1);
  EXPECT_TRUE(SettingsForm->Visible);
  EXPECT_TRUE(Settings.ImplicitDatabase.Empty());

  Longitude().SetText("17.1");
  SettingsForm->OKButton->OnMouseLeftClick(-1, -1);
  Frame();
  EXPECT_FALSE(SettingsForm->Visible);
  EXPECT_EQ(Settings.ImplicitDatabase.View(), longPath.substr(0, 255));
  EXPECT_TRUE(Settings.UseImplicitDatabase);
  EXPECT_EQ(Settings.Latitude, 48.5);
  EXPECT_EQ(Settings.Longitude, 17.1);

  // The observatory starts from the new position the next time it is shown.
  ObservatoryForm->Show(ST_Unmodal);
  Frame();
  EXPECT_EQ(ObservatoryForm->Latitude, 48.5);
  EXPECT_EQ(ObservatoryForm->Longitude, 17.1);
}

TEST_F(SettingsFormTest, CancelAndHidingDiscardWhatWasTyped) {
  Settings.Latitude = 48.145;
  SettingsForm->CancelButton->OnMouseLeftClick(-1, -1);
  Frame();
  Open();
  Latitude().SetText("10");
  Path().SetText("iny.cvl");
  SettingsForm->CancelButton->OnMouseLeftClick(-1, -1);
  Frame();
  EXPECT_EQ(Settings.Latitude, 48.145);
  Open();
  EXPECT_EQ(Latitude().Text, "48.14500");
  EXPECT_EQ(Path().Text, "");
}

TEST(Coordinates, ReadAndWrittenWithAPointWhateverTheLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  // Windows names its locales differently; "Slovak" has the decimal comma too.
  if (std::setlocale(LC_ALL, "sk_SK.UTF-8") == nullptr && std::setlocale(LC_ALL, "Slovak") == nullptr)
    GTEST_SKIP() << "the sk_SK.UTF-8 locale is not installed";
  EXPECT_EQ(ParseCoordinate("48.5"), 48.5);
  EXPECT_EQ(ParseCoordinate("  -1.5e1"), -15.0);
  EXPECT_EQ(ParseCoordinate("\xAD"
                            "17"),
            -17.0);  // the Slovak keyboard's minus key
  EXPECT_EQ(ParseCoordinate(".5"), 0.5);
  for (const char* bad : {"48,5", "", "-", ".", "1e", "1.5 ", "inf", "nan", "0x10", "1..2"})
    EXPECT_FALSE(ParseCoordinate(bad).has_value()) << bad;
  EXPECT_EQ(FormatCoordinate(48.145), "48.14500");
  EXPECT_EQ(FormatCoordinate(-17.0), "-17.00000");
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace program_test
