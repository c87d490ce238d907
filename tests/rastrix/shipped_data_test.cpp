#include <gtest/gtest.h>

#include <filesystem>

#include "platform/cp1250.h"
#include "tests/rastrix/rastrix_fixture.h"

// The pictures and fonts shipped beside the program are read by these very
// loaders at start-up; each must load without complaint.

using ShippedDataTest = RastrixTest;

namespace {
std::vector<std::filesystem::path> FilesIn(const std::string& folder, const std::string& extension) {
  std::vector<std::filesystem::path> out;
  const std::filesystem::path dir = std::filesystem::path(CORVALA_SOURCE_DIR) / folder;
  if (!std::filesystem::is_directory(dir)) return out;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    if (entry.path().extension() == extension) out.push_back(entry.path());
  return out;
}
}  // namespace

TEST_F(ShippedDataTest, EveryPictureLoads) {
  const auto files = FilesIn("data/Pictures", ".bmp");
  ASSERT_FALSE(files.empty()) << "data/Pictures holds no pictures";
  for (const auto& path : files) {
    TPicture picture;
    uint8_t result = 99;
    LoadBMPPicture(path.string(), picture, result);
    EXPECT_EQ(result, 0) << path;
    EXPECT_TRUE(picture.Loaded) << path;
    ShowBMPPicture(0, 0, picture);
    FreeBMPPicture(picture);
  }
}

TEST_F(ShippedDataTest, EveryFontLoadsAndMeasuresTheSlovakAlphabet) {
  const auto files = FilesIn("data/Fonts", ".fnt");
  ASSERT_FALSE(files.empty()) << "data/Fonts holds no fonts";
  const std::string_view letters = "aáäbcčdďeéfghiíjklĺľmnňoóôpqrŕsštťuúvwxyýzž"_cp;
  for (const auto& path : files) {
    TFont font;
    uint8_t result = 99;
    LoadFNTFont(path.string(), font, result);
    EXPECT_EQ(result, 0) << path;
    EXPECT_GT(font.PixHeight, 0) << path;
    for (char ch : letters) EXPECT_GT(GetTextLength(font, std::string(1, ch)), 0u) << path << " " << int(uint8_t(ch));
    FreeFNTFont(font);
  }
}
