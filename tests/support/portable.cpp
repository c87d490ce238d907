#include "tests/support/portable.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace test_support {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())).wstring(); }

// One word of a command line as CommandLineToArgvW and the C runtime split
// it again: quotes escaped, and backslashes doubled only before a quote.
std::wstring QuoteWord(const std::wstring& word) {
  if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos) return word;
  std::wstring q = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    q.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    q.push_back(c);
  }
  q.append(backslashes * 2, L'\\');
  return q + L"\"";
}

HANDLE OpenOutput(const fs::path& file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(file.empty() ? L"NUL" : file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int RunProgram(const std::vector<std::string>& args, const fs::path& folder, const fs::path& out,
               const fs::path& err) {
  std::wstring line;
  for (const std::string& a : args) line += (line.empty() ? L"" : L" ") + QuoteWord(Wide(a));
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                             nullptr);
  HANDLE output = OpenOutput(out);
  HANDLE error = !err.empty() && err == out ? output : OpenOutput(err);
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = input;
  start.hStdOutput = output;
  start.hStdError = error;
  PROCESS_INFORMATION process{};
  // Under Wine a start now and then fails while many programs start at once;
  // it is tried again before the test is told.
  bool started = false;
  DWORD failure = 0;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0) Sleep(200);
    started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             folder.empty() ? nullptr : folder.c_str(), &start, &process) != 0;
    if (!started) failure = GetLastError();
  }
  CloseHandle(input);
  CloseHandle(output);
  if (error != output) CloseHandle(error);
  if (!started) {
    std::fprintf(stderr, "%s could not be started (Windows error %lu)\n", args.empty() ? "" : args[0].c_str(),
                 static_cast<unsigned long>(failure));
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return static_cast<int>(status);
}

#else

int RunProgram(const std::vector<std::string>& args, const fs::path& folder, const fs::path& out,
               const fs::path& err) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    auto redirect = [](const fs::path& file, int fd) {
      const int to = ::open(file.empty() ? "/dev/null" : file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (to < 0 || ::dup2(to, fd) < 0) ::_exit(127);
      ::close(to);
    };
    redirect(out, 1);
    if (!err.empty() && err == out) ::dup2(1, 2);
    else redirect(err, 2);
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) ::_exit(127);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

fs::path MakeScratchFolder(const std::string& prefix) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const fs::path base = fs::temp_directory_path();
  for (;;) {
    const fs::path folder = base / (prefix + "-" + std::to_string(random() % 1000000000));
    // create_directory is false for a folder that already exists.
    if (fs::create_directory(folder)) return folder;
  }
}

}  // namespace test_support
