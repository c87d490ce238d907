// The picture generator: it reproduces the committed pictures byte for byte,
// refuses a broken catalogue, and writes keyed pictures without stray keys.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tests/art/art_environment.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/portable.h"
#include "tools/artgen/art_canvas.h"

namespace {

namespace fs = std::filesystem;

int RunArtgen(const std::vector<std::string>& args) {
  std::vector<std::string> command{ARTGEN_PATH, "--fonts", std::string(CORVALA_SOURCE_DIR) + "/data/Fonts"};
  command.insert(command.end(), args.begin(), args.end());
  return test_support::RunProgram(command);
}

fs::path FreshDir(const std::string& name) {
  fs::path dir = fs::path(CORVALA_BINARY_DIR) / "tests" / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::set<std::string> BmpNames(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".bmp") names.insert(entry.path().filename().string());
  return names;
}

void ExpectSameFiles(const fs::path& committed, const fs::path& fresh) {
  std::set<std::string> want = BmpNames(committed), got = BmpNames(fresh);
  EXPECT_EQ(want, got);
  for (const std::string& name : want) {
    if (!got.count(name)) continue;
    EXPECT_TRUE(test_support::ReadBytes((committed / name).string()) ==
                test_support::ReadBytes((fresh / name).string()))
        << name << " differs from a fresh run: regenerate with scripts/regen-art.sh";
  }
}

TEST(Artgen, RegeneratesTheCommittedPicturesByteForByte) {
  fs::path pictures = FreshDir("art_regen_pictures");
  fs::path samples = FreshDir("art_regen_samples");
  ASSERT_EQ(RunArtgen({"--pictures", pictures.string(), "--catalogue", art_test::SamplesDir() + "/hmloviny.csv",
                       "--samples", samples.string()}),
            0);
  ExpectSameFiles(art_test::PicturesDir(), pictures);
  ExpectSameFiles(art_test::SamplesDir(), samples);
}

TEST(Artgen, RefusesACatalogueWithAnUnknownTypeOrAPathAsPicture) {
  fs::path dir = FreshDir("art_bad_catalogue");
  const std::string header = "number,name,ngc,ra_hours,dec_degrees,distance_ly,magnitude,type,picture,description\n";
  const std::string cases[] = {
      header + "1,X,0,1,2,3,4,Galaxia,x.bmp,d\n",
      header + "1,X,0,1,2,3,4,H2,../x.bmp,d\n",
      header + "1,X,0,1,2,3,4,H2,x.bmp,d\n2,Y,0,1,2,3,4,H2,y.bmp\n",
      header + "1,\"X,0,1,2,3,4,H2,x.bmp,d\n",
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    std::ofstream((dir / "bad.csv").string(), std::ios::binary) << text;
    EXPECT_NE(RunArtgen({"--catalogue", (dir / "bad.csv").string(), "--samples", dir.string()}), 0);
  }
  EXPECT_TRUE(BmpNames(dir).empty()) << "nothing is drawn for a record it refused";
}

TEST(SavePicture, KeyedPictureHasTheKeyOnlyOutsideItsShape) {
  // A face painted in exactly the key colour must not vanish when keyed.
  art::Canvas c(8, 6, art::Bytes(art::kKeyR, art::kKeyG, art::kKeyB));
  c.CutTo([](double x, double) { return x - 4.0; });  // the left half is the shape
  fs::path file = FreshDir("art_save") / "keyed.bmp";
  ASSERT_TRUE(art::SavePicture(c, file.string(), true));
  art_test::LoadedPicture p(file.string());
  ASSERT_TRUE(p.ok());
  ASSERT_EQ(p.width(), 8);
  ASSERT_EQ(p.height(), 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      if (x < 4)
        EXPECT_NE(p.RgbAt(x, y), art_test::kKey) << x << "," << y;
      else
        EXPECT_EQ(p.RgbAt(x, y), art_test::kKey) << x << "," << y;
    }
}

TEST(SavePicture, UnkeyedPictureKeepsItsColoursRounded) {
  art::Canvas c(3, 2, art::Rgb{0.5, 1.0, 0.0});
  c.At(2, 1) = art::Rgb{-1.0, 2.0, 0.2};  // light beyond the range is clamped
  fs::path file = FreshDir("art_save_plain") / "plain.bmp";
  ASSERT_TRUE(art::SavePicture(c, file.string(), false));
  art_test::LoadedPicture p(file.string());
  ASSERT_TRUE(p.ok());
  EXPECT_EQ(p.RgbAt(0, 0), 0x80FF00u);
  EXPECT_EQ(p.RgbAt(2, 1), 0x00FF33u);
}

}  // namespace
