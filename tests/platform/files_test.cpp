#include "platform/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/cp1250.h"

namespace platform {
namespace {

TEST(NativePath, TurnsProgramPathsIntoNativeOnes) {
#ifdef _WIN32
  // Windows takes "\\" as it is, and "/" is made "\\" too.
  EXPECT_EQ(NativePath("Fonts/Tahoma_10pt_normal.fnt"), "Fonts\\Tahoma_10pt_normal.fnt");
  EXPECT_EQ(NativePath("..\\Data\\\\m31.bmp"), "..\\Data\\\\m31.bmp");
  EXPECT_EQ(NativePath("Obrázky\\Hmlovina Kôň.bmp"_cp), "Obrázky\\Hmlovina Kôň.bmp");
#else
  EXPECT_EQ(NativePath("Fonts\\Tahoma_10pt_normal.fnt"), "Fonts/Tahoma_10pt_normal.fnt");
  EXPECT_EQ(NativePath("..\\Data\\\\m31.bmp"), "../Data//m31.bmp");
  EXPECT_EQ(NativePath("Obrázky\\Hmlovina Kôň.bmp"_cp), "Obrázky/Hmlovina Kôň.bmp");
#endif
  EXPECT_EQ(NativePath("cv_settings.ini"), "cv_settings.ini");
  EXPECT_EQ(NativePath(""), "");
}

std::string ReadAll(std::string_view path) {
  std::string text;
  if (std::FILE* f = OpenFile(path, "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) text.push_back(static_cast<char>(c));
    std::fclose(f);
  }
  return text;
}

bool Write(std::string_view path, const std::string& text) {
  std::FILE* f = OpenFile(path, "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

TEST(Files, FolderAndFileOperationsUseProgramPaths) {
  const std::string folder = "platform_files_" + std::to_string(getpid()) + "_Súbory";
  const std::string folder_cp = cp1250::FromUtf8(folder).text;
  ASSERT_TRUE(CreateFolder(folder_cp));
  EXPECT_FALSE(CreateFolder(folder_cp));  // already there

  const std::string a = folder_cp + "\\a.bin";
  const std::string b = folder_cp + "\\" + "Kôň.bin"_cps;
  EXPECT_FALSE(FileExists(a));
  ASSERT_TRUE(Write(a, "first"));
  ASSERT_TRUE(Write(b, "second"));
  EXPECT_TRUE(FileExists(a));
  EXPECT_FALSE(FileExists(folder_cp));  // a folder is no file
  EXPECT_EQ(ReadAll(b), "second");

  // Renaming replaces the target.
  EXPECT_TRUE(RenameFile(a, b));
  EXPECT_FALSE(FileExists(a));
  EXPECT_EQ(ReadAll(b), "first");

  EXPECT_TRUE(RemoveFile(b));
  EXPECT_FALSE(RemoveFile(b));
  EXPECT_EQ(OpenFile(b, "rb"), nullptr);
  const std::string native = NativePath(folder_cp);
  EXPECT_TRUE(std::filesystem::remove(std::filesystem::path(std::u8string(native.begin(), native.end()))));
}

TEST(Files, NamesWithNulOrNothingNameNoFile) {
  const std::string name = "platform_nul_" + std::to_string(getpid());
  ASSERT_TRUE(Write(name, "x"));
  const std::string with_nul = name + std::string(1, '\0') + "tail";
  EXPECT_FALSE(FileExists(with_nul));
  EXPECT_EQ(OpenFile(with_nul, "rb"), nullptr);
  EXPECT_FALSE(RemoveFile(with_nul));
  EXPECT_FALSE(RenameFile(with_nul, "elsewhere"));
  EXPECT_TRUE(FileExists(name));
  EXPECT_FALSE(FileExists(""));
  EXPECT_EQ(OpenFile("", "rb"), nullptr);
  EXPECT_TRUE(RemoveFile(name));
}

}  // namespace
}  // namespace platform
