#include <cerrno>
#include <gtest/gtest.h>

#include <cstdio>

#include <limits>
#include <string>

#include "catalogue_fixture.h"
#include "catalogue/cv_settings.h"
#include "platform/files.h"

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

TEST_F(CatalogueTest, ASettingsFileIsReadAsFarAsItCanBe) {
  const std::string f = scratch_.File("cv_settings.ini");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // The flag is a Boolean: any byte but 0 asks for the database.
  WriteFile(f, HandSettings("x.cvl", 2, 10, 20));
  EXPECT_EQ(ReadSettings(f).Code, TSettingsFile::Accepted);
  EXPECT_TRUE(Settings.UseImplicitDatabase);

  // A coordinate out of its range reads as 0; the path and the other coordinate stay.
  const std::string mended[] = {HandSettings("x.cvl", 1, nan, 20), HandSettings("x.cvl", 1, 90.5, 20),
                                HandSettings("x.cvl", 1, 10, -180.5)};
  for (const std::string& bytes : mended) {
    WriteFile(f, bytes);
    EXPECT_EQ(ReadSettings(f).Code, TSettingsFile::Mended);
    EXPECT_EQ(Settings.ImplicitDatabase, "x.cvl");
    EXPECT_TRUE(Settings.UseImplicitDatabase);
    EXPECT_TRUE(Settings.Latitude == 0.0 || Settings.Longitude == 0.0);
    EXPECT_TRUE(Settings.Latitude == 10.0 || Settings.Longitude == 20.0);
  }

  for (const std::string& bytes : {HandSettings("x", 1, 10, 10).substr(0, 272), std::string()}) {
    WriteFile(f, bytes);
    Settings.ImplicitDatabase = "left over";
    EXPECT_EQ(ReadSettings(f).Code, TSettingsFile::Refused);
    EXPECT_TRUE(Settings.ImplicitDatabase.Empty());
    EXPECT_FALSE(Settings.UseImplicitDatabase);
  }
  EXPECT_EQ(ReadSettings(scratch_.File("no such file.ini")).Code, TSettingsFile::Missing);
  EXPECT_TRUE(RecentMessages().empty()) << "a bad settings file is no reason to bother the user";
}

int FailingWrite(platform::FileStep step) { return step == platform::FileStep::Write ? EIO : 0; }

TEST_F(CatalogueTest, SettingsAreReplacedWholeOrNotAtAll) {
  const std::string f = scratch_.File("cv_settings.ini");
  const std::string old = HandSettings("moja\\Hmloviny.cvl", 1, 48, 17);
  WriteFile(f, old);
  ASSERT_TRUE(ReadSettings(f));
  Settings.Latitude = 12;
  platform::SetFileFaultHook(&FailingWrite);
  const TSettingsResult written = WriteSettings(f);
  EXPECT_EQ(written.Code, TSettingsFile::Unwritten);
  EXPECT_EQ(written.Error, EIO);
  platform::SetFileFaultHook(nullptr);
  EXPECT_EQ(ReadFile(f), old);

  // A refused file is left alone until the user changes the settings.
  WriteFile(f, "short");
  EXPECT_FALSE(ReadSettings(f));
  EXPECT_FALSE(SettingsWorthWriting(f));
  Settings.Latitude = 12;
  EXPECT_TRUE(SettingsWorthWriting(f));
}

TEST_F(CatalogueTest, OnlySettingsChangedInThisRunAreWrittenBack) {
  // Two running copies: A has written its settings since B read them.
  const std::string f = scratch_.File("cv_settings.ini");
  WriteFile(f, HandSettings("a.cvl", 1, 48, 17));
  ASSERT_TRUE(ReadSettings(f));
  WriteFile(f, HandSettings("b.cvl", 1, 10, 20));
  EXPECT_FALSE(SettingsWorthWriting(f)) << "B changed nothing: A's settings stay";
  Settings.Longitude = 21;
  EXPECT_TRUE(SettingsWorthWriting(f));

  // No file at B's start: the defaults are written only if there still is none.
  std::remove(f.c_str());
  EXPECT_FALSE(ReadSettings(f));
  EXPECT_TRUE(SettingsWorthWriting(f));
  WriteFile(f, HandSettings("a.cvl", 1, 48, 17));
  EXPECT_FALSE(SettingsWorthWriting(f));
}

}  // namespace
}  // namespace catalogue_test
