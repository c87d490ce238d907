#include "platform/file_state.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

namespace platform {
namespace {

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

}  // namespace
}  // namespace platform
