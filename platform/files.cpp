#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "platform/cp1250.h"
#include "platform/files_shared.h"

namespace platform {

using files_shared::Failed;
using files_shared::Fault;
using files_shared::Nameable;
using files_shared::Unnameable;

std::string NativePath(std::string_view program_path) {
  std::string utf8 = cp1250::ToUtf8(program_path);
  for (char& c : utf8)
    if (c == '\\') c = '/';
  const std::string& resources = files_shared::ResourceFolder();
  if (!resources.empty() && (utf8.starts_with("Fonts/") || utf8.starts_with("Pictures/"))) {
    struct stat st {};
    if (::stat(utf8.c_str(), &st) != 0) return resources + "/" + utf8;
  }
  return utf8;
}

namespace {

// The result of a system call that reports failure through errno.
FileResult<> Done(bool succeeded) {
  if (succeeded) return {};
  return {FileError::Io, {}, errno};
}

}  // namespace

std::FILE* OpenFile(std::string_view program_path, const char* mode) {
  if (!Nameable(program_path)) {
    errno = ENOENT;
    return nullptr;
  }
  const files_shared::OpenMode m = files_shared::ParseMode(mode);
  int flags = m.update ? O_RDWR : m.read_only ? O_RDONLY : O_WRONLY;
  if (m.truncate) flags |= O_CREAT | O_TRUNC;
  if (m.append) flags |= O_CREAT | O_APPEND;
  if (m.exclusive) flags |= O_EXCL;
  // Without O_NONBLOCK opening a FIFO waits for its other end for ever.
  const int fd = ::open(NativePath(program_path).c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    // A FIFO without a reader, opened for writing.
    if (errno == ENXIO) errno = ENOENT;
    return nullptr;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = ENOENT;
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* f = ::fdopen(fd, m.fopen_mode.c_str());
  if (f == nullptr) ::close(fd);
  return f;
}

FileResult<int64_t> FileLength(std::FILE* f) {
  if (std::fseek(f, 0, SEEK_END) != 0) return {FileError::Io, {}, errno};
  const long length = std::ftell(f);
  if (length < 0 || std::fseek(f, 0, SEEK_SET) != 0) return {FileError::Io, {}, errno};
  return {FileError::None, {}, 0, length};
}

bool FileExists(std::string_view program_path) {
  struct stat st {};
  return Nameable(program_path) && ::stat(NativePath(program_path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileResult<> RemoveFile(std::string_view program_path) {
  if (!Nameable(program_path)) return Unnameable();
  return Done(std::remove(NativePath(program_path).c_str()) == 0);
}

FileResult<> CreateFolder(std::string_view program_path) {
  if (!Nameable(program_path)) return Unnameable();
  return Done(::mkdir(NativePath(program_path).c_str(), 0777) == 0);
}

FileResult<> RenameFile(std::string_view from, std::string_view to) {
  if (!Nameable(from) || !Nameable(to)) return Unnameable();
  return Done(std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0);
}

namespace {

// The file a save must replace: symbolic links followed to their target
// (which need not exist yet). False when the links go round in a circle.
bool ResolveLinks(std::string path, std::string& target) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      target = path;
      return true;
    }
    char link[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), link, sizeof link);
    if (n < 0 || static_cast<std::size_t>(n) == sizeof link) return false;
    std::string next(link, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    if (next.front() != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
    path = next;
  }
  errno = ELOOP;
  return false;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

FileResult<> ReplaceFile(std::string_view program_path, std::string_view bytes) {
  if (!Nameable(program_path)) return Unnameable();
  std::string target;
  if (!ResolveLinks(NativePath(program_path), target)) return Failed(FileError::Io, errno);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Failed(FileError::Io, errno);
  if (exists && !S_ISREG(st.st_mode)) return Failed(FileError::NotRegular, EINVAL);
  // The permission bits decide, for the superuser too, who may not be stopped by access().
  if (exists && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
    return Failed(FileError::ReadOnly, EACCES);
  const std::string folder = FolderOf(target);

  // An unnamed file first: a save killed before the rename leaves nothing
  // behind. Its name, given just before the rename, is short, so it fits
  // wherever the file's own name fits.
  if (const int e = Fault(FileStep::CreateTemporary)) return Failed(FileError::Io, e);
  std::string temporary;
  int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    temporary = folder + "/.corvala-XXXXXX";
    fd = ::mkstemp(temporary.data());
    if (fd >= 0 && !exists) {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      ::fchmod(fd, 0666 & ~mask);
    }
  }
  if (fd < 0) return Failed(FileError::Io, errno);
  auto fail = [&](int error) {
    ::close(fd);
    if (!temporary.empty()) ::unlink(temporary.c_str());
    return Failed(FileError::Io, error);
  };
  if (exists) {
    ::fchmod(fd, st.st_mode & 07777);
    // Only the superuser may hand a file to another owner; others keep theirs.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) errno = 0;
  }
  if (const int e = Fault(FileStep::Write)) return fail(e);
  if (!WriteAll(fd, bytes)) return fail(errno != 0 ? errno : EIO);
  if (const int e = Fault(FileStep::SyncFile)) return fail(e);
  if (::fsync(fd) != 0) return fail(errno);
  if (temporary.empty()) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; temporary.empty() && attempt < 100; ++attempt) {
      std::string name = folder + "/.corvala-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) temporary = name;
      else if (errno != EEXIST) return fail(errno);
    }
    if (temporary.empty()) return fail(EEXIST);
  }
  if (::close(fd) != 0) {
    const int e = errno;
    ::unlink(temporary.c_str());
    return Failed(FileError::Io, e);
  }
  int e = Fault(FileStep::Rename);
  if (e == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) e = errno;
  if (e != 0) {
    ::unlink(temporary.c_str());
    return Failed(FileError::Io, e);
  }
  // The rename itself reaches the disk only with its folder.
  e = Fault(FileStep::SyncFolder);
  if (e == 0) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0 || ::fsync(dir) != 0) e = errno;
    if (dir >= 0) ::close(dir);
  }
  if (e != 0) return Failed(FileError::Io, e);
  return {};
}

}  // namespace platform
