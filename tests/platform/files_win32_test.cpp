// The Windows side of the file services: the read-only attribute, devices,
// names outside the ANSI code page, and a save whose process is killed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/cp1250.h"
#include "platform/files.h"


namespace platform {
namespace {

namespace fs = std::filesystem;

class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("corvala_win32_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    for (const auto& e : fs::directory_iterator(dir_)) SetFileAttributesW(e.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(dir_);
  }
  // A program path (Windows-1250) of a name in the folder.
  std::string Path(std::string_view name_cp) const {
    return cp1250::FromUtf8(dir_.string()).text + "\\" + std::string(name_cp);
  }
  fs::path Native(std::string_view name_cp) const {
    const std::string utf8 = cp1250::ToUtf8(name_cp);
    return dir_ / fs::path(std::u8string(utf8.begin(), utf8.end()));
  }
  std::string Read(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  size_t Count() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {})); }
  fs::path dir_;
};

TEST_F(Win32FilesTest, NamesWithSlovakLettersReachTheirOwnFilesWithEitherSeparator) {
  // "č" and "ž" are outside most ANSI code pages' common part: only the
  // wide-character calls keep "ča" and "ža" apart from "ca" and "za".
  for (std::string_view name : {"čaj.cvl"_cp, "žaba.cvl"_cp, "caj.cvl"_cp}) {
    File f = Open(Path(name), "wb");
    ASSERT_TRUE(f) << cp1250::ToUtf8(name);
    std::fputs(cp1250::ToUtf8(name).c_str(), f.get());
  }
  EXPECT_EQ(Read(Native("čaj.cvl"_cp)), "čaj.cvl");
  EXPECT_EQ(Read(Native("žaba.cvl"_cp)), "žaba.cvl");
  std::string forward = Path("čaj.cvl"_cp);
  std::replace(forward.begin(), forward.end(), '\\', '/');
  EXPECT_TRUE(FileExists(forward));
  ASSERT_TRUE(ReplaceFile(forward, "nový"_cp).Ok());
  EXPECT_EQ(Read(Native("čaj.cvl"_cp)), "nový"_cps);
  EXPECT_EQ(Count(), 3u) << "no temporary file left";
}

TEST_F(Win32FilesTest, ReadOnlyFilesFoldersAndDevicesAreRefusedUntouched) {
  const std::string file = Path("a.cvl");
  ASSERT_TRUE(ReplaceFile(file, "old").Ok());
  SetFileAttributesW(Native("a.cvl").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ReplaceFile(file, "lost?").Code, FileError::ReadOnly);
  EXPECT_EQ(Read(Native("a.cvl")), "old");
  EXPECT_EQ(ReplaceFile(Path(""), "x").Code, FileError::NotRegular);  // the folder itself
  for (const char* device : {"NUL", "CON"}) {
    EXPECT_EQ(OpenFile(device, "rb"), nullptr) << device;
    EXPECT_FALSE(FileExists(device)) << device;
  }
  EXPECT_EQ(OpenFile(cp1250::FromUtf8(dir_.string()).text, "rb"), nullptr);
  EXPECT_EQ(errno, ENOENT);
}

}  // namespace
}  // namespace platform
