#include "platform/file_state.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

namespace platform {
namespace {

// Two opens of one file conflict like two processes' do, on both systems, and
// the lock leaves the file readable by others.
TEST(FileLock, IsHeldAgainstASecondOpenUntilReleased) {
  const std::string name = (std::filesystem::temp_directory_path() / "corvala-lock-same.cvl").string();
  std::FILE* f = std::fopen(name.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("CVL", f);
  std::fclose(f);
  {
    FileLock first;
    ASSERT_EQ(first.Take(name), LockResult::Taken);
    EXPECT_TRUE(first.Held());
    FileLock second;
    EXPECT_EQ(second.Take(name), LockResult::HeldElsewhere);
    EXPECT_FALSE(second.Held());
    std::FILE* reader = std::fopen(name.c_str(), "rb");
    ASSERT_NE(reader, nullptr);
    char bytes[4] = {};
    EXPECT_EQ(std::fread(bytes, 1, 3, reader), 3u);
    std::fclose(reader);
    first.Release();
    EXPECT_EQ(second.Take(name), LockResult::Taken);
  }
  FileLock after;
  EXPECT_EQ(after.Take(name), LockResult::Taken) << "a destroyed lock is released";
  after.Release();
  std::remove(name.c_str());
}

#ifndef _WIN32
// Windows closes a process's handles, and with them its locks, however it
// ends; the fork needed to show it here is POSIX's.
TEST(FileLock, IsHeldAgainstOthersAndDiesWithItsProcess) {
  const std::string name = "/tmp/corvala-lock-" + std::to_string(getpid()) + ".cvl";
  std::FILE* f = std::fopen(name.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FileLock lock;
    const char taken = lock.Take(name) == LockResult::Taken ? 'y' : 'n';
    (void)!write(ready[1], &taken, 1);
    pause();  // until killed: a crash never releases anything itself
    _exit(0);
  }
  char taken = 0;
  ASSERT_EQ(read(ready[0], &taken, 1), 1);
  EXPECT_EQ(taken, 'y');
  FileLock mine;
  EXPECT_EQ(mine.Take(name), LockResult::HeldElsewhere);
  EXPECT_FALSE(mine.Held());
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_EQ(mine.Take(name), LockResult::Taken);
  EXPECT_EQ(mine.Take("/tmp/corvala-no-such-folder/x.cvl"), LockResult::Failed);
  close(ready[0]);
  close(ready[1]);
  std::remove(name.c_str());
}
#endif

}  // namespace
}  // namespace platform
