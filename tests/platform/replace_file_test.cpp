// Saving a file safely: through a link, keeping its mode, refusing what must
// not be written, and leaving the old file whole whatever step fails, a kill
// half-way included. Only regular files open at all.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/files.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class ReplaceFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("corvala_replace_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    SetFileFaultHook(nullptr);
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  // Every name in the folder: a temporary left behind shows up here.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
};

// Modes, links, FIFOs and fork() are POSIX's; files_win32_test.cpp holds the
// Windows counterparts (the read-only attribute, devices, a killed child).
#ifndef _WIN32
mode_t Mode(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

TEST_F(ReplaceFileTest, KeepsTheModeSavesThroughLinksAndRefusesWhatItMustNotWrite) {
  const std::string file = Path("a.cvl");
  Write(file, "old");
  ::chmod(file.c_str(), 0600);
  ASSERT_TRUE(ReplaceFile(file, "new").Ok());
  EXPECT_EQ(Read(file), "new");
  EXPECT_EQ(Mode(file), 0600u);

  fs::create_directory(dir_ / "real");
  Write(Path("real/b.cvl"), "old");
  fs::create_symlink("real/b.cvl", dir_ / "link.cvl");
  ASSERT_TRUE(ReplaceFile(Path("link.cvl"), "through the link").Ok());
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.cvl"));
  EXPECT_EQ(Read(Path("real/b.cvl")), "through the link");

  ::chmod(file.c_str(), 0444);
  EXPECT_EQ(ReplaceFile(file, "lost?").Code, FileError::ReadOnly);
  EXPECT_EQ(Read(file), "new");

  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReplaceFile(Path("pipe"), "x").Code, FileError::NotRegular);
  EXPECT_EQ(ReplaceFile(dir_.string(), "x").Code, FileError::NotRegular);

  // The longest name a file system allows still gets a temporary beside it.
  const std::string longest = Path(std::string(251, 'n') + ".cvl");
  Write(longest, "old");
  EXPECT_TRUE(ReplaceFile(longest, "new").Ok());
  EXPECT_EQ(Read(longest), "new");

  EXPECT_EQ(Names(), (std::vector<std::string>{"a.cvl", "link.cvl", std::string(251, 'n') + ".cvl", "pipe", "real"}));
}

#endif

int g_failing_step = -1;
int g_error = 0;
int FailStep(FileStep step) { return static_cast<int>(step) == g_failing_step ? g_error : 0; }

TEST_F(ReplaceFileTest, AFailureAtAnyStepLeavesTheOldFileAndNoTemporary) {
  const std::string file = Path("a.cvl");
  SetFileFaultHook(&FailStep);
  const int errors[] = {EACCES, ENOSPC, EIO, EXDEV};
  for (int step = 0; step <= static_cast<int>(FileStep::Rename); ++step) {
    SCOPED_TRACE(step);
    Write(file, "old");
    g_failing_step = step;
    g_error = errors[step];
    const FileResult<> result = ReplaceFile(file, "new");
    EXPECT_EQ(result.Code, FileError::Io);
    EXPECT_EQ(result.Error, errors[step]);
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.cvl"});
  }
  // Once renamed the file is new; a folder that cannot be synced is still reported.
  g_failing_step = static_cast<int>(FileStep::SyncFolder);
  g_error = EIO;
  EXPECT_EQ(ReplaceFile(file, "new").Error, EIO);
  EXPECT_EQ(Names(), std::vector<std::string>{"a.cvl"});
}

#ifndef _WIN32
int KillHere(FileStep step) {
  if (step == FileStep::SyncFile) ::raise(SIGKILL);
  return 0;
}

TEST_F(ReplaceFileTest, ASaveKilledHalfWayLeavesTheOldFileAlone) {
  const std::string file = Path("a.cvl");
  Write(file, "old");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SetFileFaultHook(&KillHere);
    ReplaceFile(file, std::string(100000, 'n'));
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  EXPECT_EQ(Read(file), "old");
  EXPECT_EQ(Names(), std::vector<std::string>{"a.cvl"});
}

TEST_F(ReplaceFileTest, OnlyRegularFilesOpenAndNothingWaitsOnAFifo) {
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  for (const char* mode : {"rb", "r+b", "wb"}) {
    EXPECT_EQ(OpenFile(Path("pipe"), mode), nullptr) << mode;
    EXPECT_EQ(errno, ENOENT);
  }
  EXPECT_EQ(OpenFile(dir_.string(), "rb"), nullptr);
  EXPECT_FALSE(FileExists(Path("pipe")));
  Write(Path("a.txt"), "text");
  File f = Open(Path("a.txt"), "rb");
  ASSERT_TRUE(f);
  char buffer[8] = {};
  EXPECT_EQ(std::fread(buffer, 1, sizeof buffer, f.get()), 4u);
}
#endif

}  // namespace
}  // namespace platform
