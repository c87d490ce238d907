#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "catalogue_fixture.h"
#include "catalogue/cv_settings.h"

namespace catalogue_test {
namespace {

std::string HandSettings(std::string_view path, uint8_t use, double latitude, double longitude) {
  std::string b(273, '\x5A');
  PutShort(b, 0, path);
  PutU8(b, 256, use);
  PutF64(b, 257, latitude);
  PutF64(b, 265, longitude);
  return b;
}

TEST_F(CatalogueTest, SettingsAreOneRawRecordOf273Bytes) {
  const std::string f = scratch_.File("cv_settings.ini");
  Settings = TSettings();
  ASSERT_TRUE(WriteSettings(f));
  std::string bytes = ReadFile(f);
  ASSERT_EQ(bytes.size(), 273u);
  EXPECT_EQ(bytes[0], '\0');
  EXPECT_EQ(bytes[256], '\0');
  EXPECT_EQ(bytes, std::string(273, '\0'));

  Settings.ImplicitDatabase = std::string(255, 'd');
  Settings.UseImplicitDatabase = true;
  Settings.Latitude = 48.1486;
  Settings.Longitude = -17.25;
  ASSERT_TRUE(WriteSettings(f));
  bytes = ReadFile(f);
  std::string expected = HandSettings(std::string(255, 'd'), 1, 48.1486, -17.25);
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.substr(1, 255), std::string(255, 'd'));
}

TEST_F(CatalogueTest, SettingsAreReadFromAHandBuiltRecord) {
  const std::string f = scratch_.File("cv_settings.ini");
  WriteFile(f, HandSettings("samples\\Hmloviny.cvl", 1, -33.5, 151.25));
  ASSERT_TRUE(ReadSettings(f));
  EXPECT_EQ(Settings.ImplicitDatabase, "samples\\Hmloviny.cvl");
  EXPECT_TRUE(Settings.UseImplicitDatabase);
  EXPECT_EQ(Settings.Latitude, -33.5);
  EXPECT_EQ(Settings.Longitude, 151.25);

  WriteFile(f, HandSettings("", 0, 0, 0) + "trailing bytes");
  EXPECT_TRUE(ReadSettings(f));
}

TEST_F(CatalogueTest, UntrustworthySettingsFallBackToTheDefaults) {
  const std::string f = scratch_.File("cv_settings.ini");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::string cases[] = {
      HandSettings("x", 1, 10, 10).substr(0, 272),
      HandSettings("x", 2, 10, 10),
      HandSettings("x", 1, nan, 10),
      HandSettings("x", 1, 90.5, 10),
      HandSettings("x", 1, 10, -180.5),
      "",
  };
  for (const std::string& bytes : cases) {
    WriteFile(f, bytes);
    Settings.ImplicitDatabase = "left over";
    Settings.UseImplicitDatabase = true;
    Settings.Latitude = 1;
    EXPECT_FALSE(ReadSettings(f));
    EXPECT_TRUE(Settings.ImplicitDatabase.Empty());
    EXPECT_FALSE(Settings.UseImplicitDatabase);
    EXPECT_EQ(Settings.Latitude, 0.0);
    EXPECT_EQ(Settings.Longitude, 0.0);
  }
  EXPECT_FALSE(ReadSettings(scratch_.File("no such file.ini")));
  EXPECT_TRUE(RecentMessages().empty()) << "a bad settings file is no reason to bother the user";
}

}  // namespace
}  // namespace catalogue_test
