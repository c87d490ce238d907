// Saving from the File menu when the disk or the file says no: whatever went
// wrong, the old catalogue is whole, no temporary is left beside it, the user
// is told, and the changes are still marked unsaved.
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "forms/cv_error_form.h"
#include "forms/cv_main_form.h"
#include "forms/cv_open_form.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "program_fixture.h"

namespace program_test {
namespace {

namespace fs = std::filesystem;

class SaveFaultTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    fs::create_directory(Path("disk"));
  }
  void TearDown() override {
    platform::SetFileFaultHook(nullptr);
#ifndef _WIN32
    if (mounted_) ::umount2(Path("disk").c_str(), MNT_DETACH);
#endif
    ProgramTest::TearDown();
  }

  // The program with disk/a.cvl open and a change to it not yet saved.
  void OpenChanged() {
    old_ = DatabaseBytes("Stará"_cp, 3);
    WriteFile(Path("disk/a.cvl"), old_);
    Start();
    Frame();
    ASSERT_TRUE(OpenDatabaseFile("disk/a.cvl"));
    Frame();
    Catalogue().DatabaseInfo.NameOfDatabase = "Nová"_cp;
    Catalogue().Modified = true;
  }
  void SaveFromTheMenu() {
    MainForm->SaveItem->OnMouseLeftClick(-1, -1);
    Frame();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Path("disk")))
      if (e.path().filename() != "lost+found") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  void ExpectRefused(const std::string& words, const std::vector<std::string>& names = {"a.cvl"}) {
    EXPECT_TRUE(ErrorForm->Visible);
    EXPECT_NE(ErrorForm->ErrorMessage.find(words), std::string::npos) << ErrorForm->ErrorMessage;
    ErrorForm->Hide();
    EXPECT_EQ(ReadFile(Path("disk/a.cvl")), old_);
    EXPECT_TRUE(Catalogue().Modified);
    EXPECT_EQ(Names(), names);
  }

  std::string old_;
  bool mounted_ = false;
};

int g_step = -1;
int g_error = 0;

TEST_F(SaveFaultTest, AFailureAtAnyStepOfTheSaveLosesNothing) {
  ASSERT_NO_FATAL_FAILURE(OpenChanged());
  platform::SetFileFaultHook([](platform::FileStep step) { return static_cast<int>(step) == g_step ? g_error : 0; });
  const int errors[] = {EACCES, ENOSPC, EIO, EXDEV};
  for (int step = 0; step <= static_cast<int>(platform::FileStep::Rename); ++step) {
    SCOPED_TRACE(step);
    g_step = step;
    g_error = errors[step];
    SaveFromTheMenu();
    ExpectRefused(g_error == ENOSPC ? "Na disku nie je miesto."_cps : "nepodarilo uložiť"_cps);
  }
  platform::SetFileFaultHook(nullptr);
  SaveFromTheMenu();
  EXPECT_FALSE(ErrorForm->Visible);
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_NE(ReadFile(Path("disk/a.cvl")), old_);
}

TEST_F(SaveFaultTest, AReadOnlyFileIsRefusedALinkIsSavedThroughAndAFifoNeverOpens) {
  ASSERT_NO_FATAL_FAILURE(OpenChanged());
  ::chmod(Path("disk/a.cvl").c_str(), 0444);
  SaveFromTheMenu();
  ExpectRefused("len na čítanie"_cps);

  ::chmod(Path("disk/a.cvl").c_str(), 0644);
#ifndef _WIN32
  // Links need a privilege on Windows, and it has no FIFO in a folder.
  Catalogue().Modified = false;
  fs::create_symlink("a.cvl", Path("disk/link.cvl"));
  ASSERT_TRUE(OpenDatabaseFile("disk/link.cvl"));
  Catalogue().DatabaseInfo.NameOfDatabase = "Cez odkaz";
  Catalogue().Modified = true;
  SaveFromTheMenu();
  EXPECT_FALSE(ErrorForm->Visible);
  EXPECT_TRUE(fs::is_symlink(Path("disk/link.cvl")));
  EXPECT_NE(ReadFile(Path("disk/a.cvl")).find("Cez odkaz"), std::string::npos);

  // Nobody writes into the pipe, so an open that waited on it would hang here.
  ASSERT_EQ(::mkfifo(Path("disk/pipe.cvl").c_str(), 0600), 0);
  EXPECT_FALSE(OpenDatabaseFile("disk/pipe.cvl"));
  EXPECT_TRUE(ErrorForm->Visible);
  ErrorForm->Hide();
  EXPECT_EQ(Catalogue().DatabaseFile, "disk/link.cvl");
#endif
}

// Mounting a small disk and fork() are POSIX's; on Windows the injected
// faults above cover a full disk and a failed step.
#ifndef _WIN32

// A real small disk: full, then read-only. Mounting needs the right to; where
// the machine withholds it the injected faults above stand in.
TEST_F(SaveFaultTest, AFullDiskAndAReadOnlyDiskLoseNothing) {
  if (::mount("tmpfs", Path("disk").c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") != 0)
    GTEST_SKIP() << "a tmpfs cannot be mounted here (" << std::strerror(errno) << "); injected faults cover this";
  mounted_ = true;
  ASSERT_NO_FATAL_FAILURE(OpenChanged());
  {
    std::ofstream filler(Path("disk/filler"), std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size()) && filler.flush()) {
    }
  }
  SaveFromTheMenu();
  ExpectRefused("Na disku nie je miesto."_cps, {"a.cvl", "filler"});

  fs::remove(Path("disk/filler"));
  ASSERT_EQ(::mount(nullptr, Path("disk").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
      << std::strerror(errno);
  SaveFromTheMenu();
  EXPECT_TRUE(ErrorForm->Visible);
  ErrorForm->Hide();
  EXPECT_EQ(ReadFile(Path("disk/a.cvl")), old_);
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_EQ(Names(), std::vector<std::string>{"a.cvl"});
}

TEST_F(SaveFaultTest, AProgramKilledWhileSavingLeavesTheOldCatalogue) {
  ASSERT_NO_FATAL_FAILURE(OpenChanged());
  for (platform::FileStep at : {platform::FileStep::Write, platform::FileStep::SyncFile}) {
    g_step = static_cast<int>(at);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      platform::SetFileFaultHook([](platform::FileStep step) {
        if (static_cast<int>(step) == g_step) ::raise(SIGKILL);
        return 0;
      });
      SaveFromTheMenu();
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << g_step;
    EXPECT_EQ(ReadFile(Path("disk/a.cvl")), old_);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.cvl"});
  }
}
#endif

}  // namespace
}  // namespace program_test
