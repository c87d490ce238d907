#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/file_state.h"
#include "platform/files.h"

namespace platform {

FileState StateOf(std::string_view program_path) {
  FileState state;
  struct stat st {};
  if (program_path.empty() || program_path.find('\0') != std::string_view::npos) return state;
  if (::stat(NativePath(program_path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return state;
  state.exists = true;
  state.size = static_cast<int64_t>(st.st_size);
  state.modified_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  state.device = static_cast<uint64_t>(st.st_dev);
  state.file = static_cast<uint64_t>(st.st_ino);
  std::tm local {};
  const std::time_t seconds = st.st_mtim.tv_sec;
  if (::localtime_r(&seconds, &local) != nullptr) {
    state.modified_local.Year = static_cast<uint16_t>(local.tm_year + 1900);
    state.modified_local.Month = static_cast<uint16_t>(local.tm_mon + 1);
    state.modified_local.DayOfWeek = static_cast<uint16_t>(local.tm_wday);
    state.modified_local.Day = static_cast<uint16_t>(local.tm_mday);
    state.modified_local.Hour = static_cast<uint16_t>(local.tm_hour);
    state.modified_local.Minute = static_cast<uint16_t>(local.tm_min);
    state.modified_local.Second = static_cast<uint16_t>(local.tm_sec);
  }
  return state;
}

std::vector<std::string> FilesInFolder(std::string_view program_folder, std::string_view prefix) {
  std::vector<std::string> names;
  std::string folder = program_folder.empty() ? std::string(".") : NativePath(program_folder);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  if (folder.back() != '/') folder.push_back('/');
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(prefix)) continue;
    struct stat st {};
    if (::stat((folder + std::string(name)).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.emplace_back(name);
  }
  ::closedir(dir);
  return names;
}

LockResult FileLock::Take(std::string_view program_path) {
  Release();
  if (program_path.empty() || program_path.find('\0') != std::string_view::npos) return LockResult::Failed;
  const int fd = ::open(NativePath(program_path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return LockResult::Failed;
  // flock, not fcntl: an fcntl lock would be dropped as soon as the program
  // closed any other descriptor of the same file, such as the reader's.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? LockResult::HeldElsewhere : LockResult::Failed;
  }
  handle_ = fd;
  return LockResult::Taken;
}

void FileLock::Release() {
  if (handle_ == kNone) return;
  ::close(static_cast<int>(handle_));
  handle_ = kNone;
}

}  // namespace platform
