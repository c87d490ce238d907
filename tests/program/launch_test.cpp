#include "app/cv_launch.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

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

}  // namespace
