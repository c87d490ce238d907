#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/cp1250.h"

namespace platform {

namespace {
std::string g_resource_folder;
}  // namespace

void SetResourceFolder(std::string_view native) { g_resource_folder = native; }

std::string NativePath(std::string_view program_path) {
  std::string utf8 = cp1250::ToUtf8(program_path);
  for (char& c : utf8)
    if (c == '\\') c = '/';
  if (!g_resource_folder.empty() && (utf8.starts_with("Fonts/") || utf8.starts_with("Pictures/"))) {
    struct stat st {};
    if (::stat(utf8.c_str(), &st) != 0) return g_resource_folder + "/" + utf8;
  }
  return utf8;
}

namespace {

// A NUL inside a name would silently cut the native path short and reach a
// different file, so such names name no file at all.
bool Nameable(std::string_view program_path) {
  return !program_path.empty() && program_path.find('\0') == std::string_view::npos;
}

}  // namespace

std::FILE* OpenFile(std::string_view program_path, const char* mode) {
  if (!Nameable(program_path)) {
    errno = ENOENT;
    return nullptr;
  }
  const std::string_view m = mode;
  const bool update = m.find('+') != std::string_view::npos;
  int flags = update ? O_RDWR : m.front() == 'r' ? O_RDONLY : O_WRONLY;
  if (m.front() == 'w') flags |= O_CREAT | O_TRUNC;
  if (m.front() == 'a') flags |= O_CREAT | O_APPEND;
  if (m.find('x') != std::string_view::npos) flags |= O_EXCL;
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
  std::string fmode(m);
  fmode.erase(std::remove(fmode.begin(), fmode.end(), 'x'), fmode.end());
  std::FILE* f = ::fdopen(fd, fmode.c_str());
  if (f == nullptr) ::close(fd);
  return f;
}

File Open(std::string_view program_path, const char* mode) { return File(OpenFile(program_path, mode)); }

int64_t FileLength(std::FILE* f) {
  if (std::fseek(f, 0, SEEK_END) != 0) return -1;
  const long length = std::ftell(f);
  if (std::fseek(f, 0, SEEK_SET) != 0) return -1;
  return length;
}

bool FileExists(std::string_view program_path) {
  struct stat st {};
  return Nameable(program_path) && ::stat(NativePath(program_path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(std::string_view program_path) {
  return Nameable(program_path) && std::remove(NativePath(program_path).c_str()) == 0;
}

bool CreateFolder(std::string_view program_path) {
  return Nameable(program_path) && ::mkdir(NativePath(program_path).c_str(), 0777) == 0;
}

bool RenameFile(std::string_view from, std::string_view to) {
  return Nameable(from) && Nameable(to) && std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

namespace {

FileFaultHook g_fault = nullptr;

int Fault(FileStep step) { return g_fault != nullptr ? g_fault(step) : 0; }

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

WriteResult Failed(WriteFailure failure, int error) { return WriteResult{failure, error}; }

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

void SetFileFaultHook(FileFaultHook hook) { g_fault = hook; }

WriteResult ReplaceFile(std::string_view program_path, std::string_view bytes) {
  if (!Nameable(program_path)) return Failed(WriteFailure::Io, ENOENT);
  std::string target;
  if (!ResolveLinks(NativePath(program_path), target)) return Failed(WriteFailure::Io, errno);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Failed(WriteFailure::Io, errno);
  if (exists && !S_ISREG(st.st_mode)) return Failed(WriteFailure::NotRegular, EINVAL);
  // The permission bits decide, for the superuser too, who may not be stopped by access().
  if (exists && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
    return Failed(WriteFailure::ReadOnly, EACCES);
  const std::string folder = FolderOf(target);

  // An unnamed file first: a save killed before the rename leaves nothing
  // behind. Its name, given just before the rename, is short, so it fits
  // wherever the file's own name fits.
  if (const int e = Fault(FileStep::CreateTemporary)) return Failed(WriteFailure::Io, e);
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
  if (fd < 0) return Failed(WriteFailure::Io, errno);
  auto fail = [&](int error) {
    ::close(fd);
    if (!temporary.empty()) ::unlink(temporary.c_str());
    return Failed(WriteFailure::Io, error);
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
    return Failed(WriteFailure::Io, e);
  }
  int e = Fault(FileStep::Rename);
  if (e == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) e = errno;
  if (e != 0) {
    ::unlink(temporary.c_str());
    return Failed(WriteFailure::Io, e);
  }
  // The rename itself reaches the disk only with its folder.
  e = Fault(FileStep::SyncFolder);
  if (e == 0) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0 || ::fsync(dir) != 0) e = errno;
    if (dir >= 0) ::close(dir);
  }
  if (e != 0) return Failed(WriteFailure::Io, e);
  return WriteResult{};
}

}  // namespace platform
