#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "catalogue_fixture.h"
#include "catalogue/cv_globals.h"
#include "tests/support/portable.h"
#include "tools/cvltool/catalogue_generator.h"

namespace catalogue_test {
namespace {

class GeneratorTest : public CatalogueTest {};

// The generated catalogue is what benchmarks and the observatory's tests
// rely on: sound records, ties in every sort key, the whole sky covered, and
// pictures that the program loads as thumbnails.
TEST_F(GeneratorTest, ToolWritesASoundCatalogueWithItsPictures) {
  const std::string cvl = scratch_.File("gen.cvl");
  ASSERT_EQ(test_support::RunProgram(
                {CVLTOOL_PATH, "generate", "2000", cvl, "--seed", "5", "--thumbnails", "0.5", "--name", "Test"}),
            0);
  ASSERT_TRUE(LoadDatabase(cvl));
  ASSERT_EQ(Catalogue().Nebulas.size(), 2000u);
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Test");

  std::set<std::string> names;
  std::set<int32_t> ngc;
  std::set<double> magnitudes;
  int with_picture = 0;
  int north = 0;
  int quadrants[4] = {};
  for (std::size_t i = 0; i < Catalogue().Nebulas.size(); ++i) {
    const TNebula& r = Catalogue().Nebulas[i];
    EXPECT_EQ(r.IndexOfItem, static_cast<int32_t>(i + 1));
    names.insert(r.NameOfNebula.Str());
    ngc.insert(r.NGC);
    magnitudes.insert(r.Magnitude);
    ASSERT_TRUE(r.Rect >= 0 && r.Rect < 24 && r.Dec >= -90 && r.Dec <= 90) << i;
    ASSERT_FALSE(r.Description.Empty());
    north += r.Dec > 0;
    ++quadrants[static_cast<int>(r.Rect / 6)];
    if (!r.Picture.Empty()) {
      ++with_picture;
      ASSERT_TRUE(r.Thumbnail.Loaded) << r.Picture.Str();
      EXPECT_EQ(r.Thumbnail.ImageWidth, 32u);
    }
  }
  // Many equal keys: far fewer distinct names and magnitudes than records.
  EXPECT_LT(names.size(), 1700u);
  EXPECT_LT(ngc.size(), 1500u);
  EXPECT_LT(magnitudes.size(), 200u);
  EXPECT_NEAR(with_picture, 1000, 120);
  // Even over the sphere: half in each hemisphere, a quarter in each six hours.
  EXPECT_NEAR(north, 1000, 120);
  for (int q : quadrants) EXPECT_NEAR(q, 500, 100);
}

TEST(Generator, SameOptionsSameRecords) {
  catalogue_generator::TOptions options;
  options.Seed = 9;
  options.ThumbnailFraction = 0.3;
  const TNebulas a = catalogue_generator::Generate(500, options);
  const TNebulas b = catalogue_generator::Generate(500, options);
  options.Seed = 10;
  const TNebulas c = catalogue_generator::Generate(500, options);
  int differing = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_TRUE(a[i].NameOfNebula == b[i].NameOfNebula && a[i].Rect == b[i].Rect && a[i].Picture == b[i].Picture);
    differing += !(a[i].NameOfNebula == c[i].NameOfNebula);
  }
  EXPECT_GT(differing, 250);
}

}  // namespace
}  // namespace catalogue_test
