#include "app/cv_launch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <vector>

#include "catalogue/cv_settings.h"
#include "platform/user_folders.h"

namespace {

TLaunchOptions Parse(std::initializer_list<const char*> args) {
  std::vector<const char*> argv{"corvala"};
  argv.insert(argv.end(), args);
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, OptionsAndOneCatalogue) {
  TLaunchOptions o = Parse({"--window", "moje.cvl"});
  EXPECT_TRUE(o.Error.empty());
  EXPECT_TRUE(o.Window);
  EXPECT_EQ(o.Catalogue, "moje.cvl");
  // After "--" a name that begins with a dash is a file.
  o = Parse({"--", "-divne.cvl"});
  EXPECT_TRUE(o.Error.empty());
  EXPECT_EQ(o.Catalogue, "-divne.cvl");
  EXPECT_TRUE(Parse({"-v"}).Version);
  EXPECT_TRUE(Parse({"--help"}).Help);
}

TEST(CommandLine, RefusesUnknownOptionsAndASecondCatalogue) {
  EXPECT_NE(Parse({"--fullscreen"}).Error.find("--fullscreen"), std::string::npos);
  EXPECT_FALSE(Parse({"a.cvl", "b.cvl"}).Error.empty());
  EXPECT_FALSE(Parse({""}).Error.empty());
}

TEST(CommandLine, AMissingCatalogueIsNamed) {
  TLaunchOptions o;
  o.Catalogue = "/nonexistent/folder/moje.cvl";
  std::string error;
  EXPECT_EQ(CatalogueProgramPath(o, error), "");
  EXPECT_NE(error.find("/nonexistent/folder/moje.cvl"), std::string::npos);
}

TEST(CommandLine, APathThroughALinkIsResolvedByTheFileSystem) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("corvala-launch-" + std::to_string(getpid()));
  fs::create_directories(root / "real/sub");
  std::error_code no_link;
  fs::create_directory_symlink(fs::path("real") / "sub", root / "L", no_link);
  if (no_link) {
    fs::remove_all(root);
    // MinGW's library makes no links on Windows; Windows itself lets only
    // administrators and developer mode make them.
    GTEST_SKIP() << "this system makes no symbolic links here: " << no_link.message();
  }
  std::ofstream(root / "real/x.cvl") << "CVL";
  std::ofstream(root / "x.cvl") << "CVL";
  const fs::path canonical = fs::canonical(root);
  auto in_root = [&](const char* rest) { return (canonical / rest).make_preferred().string(); };
#ifdef _WIN32
  // Windows takes ".." by the text before it looks at any link.
  EXPECT_EQ(platform::ResolvedPath((root / "L/../x.cvl").string()), in_root("x.cvl"));
#else
  // "L/.." is the link target's parent, real/, not the folder the link lies in.
  EXPECT_EQ(platform::ResolvedPath((root / "L/../x.cvl").string()), in_root("real/x.cvl"));
#endif
  // A link as the last name stays itself: saving follows it to its target.
  fs::create_symlink(fs::path("real") / "x.cvl", root / "y.cvl");
  EXPECT_EQ(platform::ResolvedPath((root / "y.cvl").string()), in_root("y.cvl"));
  // A folder reached through a link is the link's target.
  EXPECT_EQ(platform::ResolvedPath((root / "L/x.cvl").string()), in_root("real/sub/x.cvl"));
  fs::remove_all(root);
}

TEST(FirstStart, AFolderWithoutTheSampleIsSeededAndOwnSettingsStay) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("corvala-seed-" + std::to_string(getpid()));
  fs::create_directories(root / "shared/samples");
  fs::create_directories(root / "data");  // made by a first start that was cut short
  std::ofstream(root / "shared/samples/Hmloviny.cvl") << "CVL";
  const fs::path before = fs::current_path();
  fs::current_path(root / "data");

  EXPECT_TRUE(SeedDataFolder((root / "shared").string()));
  EXPECT_TRUE(fs::exists("samples/Hmloviny.cvl"));
  ASSERT_TRUE(ReadSettings());
  EXPECT_EQ(Settings.ImplicitDatabase.View(), "samples\\Hmloviny.cvl");
  EXPECT_FALSE(SeedDataFolder((root / "shared").string())) << "nothing is missing any more";

  Settings.UseImplicitDatabase = false;
  ASSERT_TRUE(WriteSettings());
  fs::remove("samples/Hmloviny.cvl");
  EXPECT_TRUE(SeedDataFolder((root / "shared").string()));
  ASSERT_TRUE(ReadSettings());
  EXPECT_FALSE(Settings.UseImplicitDatabase) << "the user's settings are not replaced";

  fs::current_path(before);
  fs::remove_all(root);
  Settings = TSettings();
}

}  // namespace
