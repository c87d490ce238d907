// Runs one scripted end-to-end case through the replay harness and checks
// what it left behind.
//
//   e2e_runner HARNESS CASE_DIR WORK_DIR DATA_DIR
//
// CASE_DIR holds script.replay and expect; the harness runs in a fresh
// WORK_DIR (with the program's fonts linked in). `expect` lists, one a line:
//   status N            the harness's exit status
//   stderr TEXT         TEXT appears in what the harness wrote to stderr
//   args A B ...        the harness's arguments instead of the default
//                       "--test-application script.replay"
//   same FILE           WORK_DIR/FILE equals CASE_DIR/FILE byte for byte
//   shot FILE           the screenshot WORK_DIR/FILE equals the golden image
//                       CASE_DIR/FILE.gz pixel for pixel; on a difference
//                       WORK_DIR/FILE.diff.bmp shows it (differing pixels red)
//   absent FILE         the harness did not write WORK_DIR/FILE
//   nofonts             run without the program's fonts
// With CORVALA_UPDATE_GOLDEN=1 a missing golden image is written from the shot.

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/portable.h"

namespace fs = std::filesystem;

namespace {

int failures = 0;

void Fail(const std::string& what) {
  std::cerr << "FAIL: " << what << std::endl;
  ++failures;
}

std::string ReadFile(const fs::path& p, bool& ok) {
  std::ifstream in(p, std::ios::binary);
  ok = static_cast<bool>(in);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool ReadGzip(const fs::path& p, std::string& out) {
  gzFile f = gzopen(p.string().c_str(), "rb");
  if (f == nullptr) return false;
  char buf[65536];
  int n;
  while ((n = gzread(f, buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(n));
  gzclose(f);
  return n == 0;
}

bool WriteGzip(const fs::path& p, const std::string& data) {
  gzFile f = gzopen(p.string().c_str(), "wb9");
  if (f == nullptr) return false;
  const bool ok = gzwrite(f, data.data(), static_cast<unsigned>(data.size())) == static_cast<int>(data.size());
  return gzclose(f) == Z_OK && ok;
}

uint32_t Le32(const std::string& s, std::size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(s[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}

// A 24-bit bottom-up BMP: its size and where each pixel row starts.
struct Bmp {
  int width = 0, height = 0;
  std::size_t offset = 0, stride = 0;
};

bool ParseBmp(const std::string& s, Bmp& b) {
  if (s.size() < 54 || s[0] != 'B' || s[1] != 'M') return false;
  b.offset = Le32(s, 10);
  b.width = static_cast<int>(Le32(s, 18));
  b.height = static_cast<int>(Le32(s, 22));
  const int bits = static_cast<unsigned char>(s[28]) | static_cast<unsigned char>(s[29]) << 8;
  if (bits != 24 || b.width <= 0 || b.height <= 0 || b.width > 8192 || b.height > 8192) return false;
  b.stride = (static_cast<std::size_t>(b.width) * 3 + 3) / 4 * 4;
  return b.offset + b.stride * static_cast<std::size_t>(b.height) <= s.size();
}

// Compares a shot with its golden image; writes the diff image on a difference.
void CompareShot(const fs::path& shot, const fs::path& golden, const fs::path& diffPath) {
  bool ok = false;
  const std::string actual = ReadFile(shot, ok);
  if (!ok) return Fail("no screenshot " + shot.string());
  std::string expected;
  if (!ReadGzip(golden, expected)) {
    const char* update = std::getenv("CORVALA_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
      if (!WriteGzip(golden, actual)) Fail("cannot write the golden image " + golden.string());
      std::cerr << "wrote the golden image " << golden << std::endl;
      return;
    }
    return Fail("no golden image " + golden.string());
  }
  Bmp a, e;
  if (!ParseBmp(actual, a)) return Fail(shot.string() + " is not a 24-bit BMP");
  if (!ParseBmp(expected, e)) return Fail(golden.string() + " is not a 24-bit BMP");
  if (a.width != e.width || a.height != e.height) return Fail("the screenshot's size differs from the golden image");

  std::string diff = expected;
  long differing = 0;
  int firstX = -1, firstY = -1;
  for (int row = 0; row < a.height; ++row) {
    for (int x = 0; x < a.width; ++x) {
      const std::size_t pa = a.offset + a.stride * row + x * 3, pe = e.offset + e.stride * row + x * 3;
      const std::size_t pd = pe;
      if (actual.compare(pa, 3, expected, pe, 3) != 0) {
        if (differing++ == 0) firstX = x, firstY = a.height - 1 - row;
        diff[pd] = 0, diff[pd + 1] = 0, diff[pd + 2] = static_cast<char>(255);
      } else {
        for (int k = 0; k < 3; ++k)
          diff[pd + k] = static_cast<char>(static_cast<unsigned char>(expected[pe + k]) / 3);
      }
    }
  }
  if (differing == 0) return;
  std::ofstream out(diffPath, std::ios::binary);
  out << diff;
  Fail(shot.string() + ": " + std::to_string(differing) + " pixels differ from the golden image, the first at (" +
       std::to_string(firstX) + ", " + std::to_string(firstY) + "); see " + diffPath.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: e2e_runner HARNESS CASE_DIR WORK_DIR DATA_DIR" << std::endl;
    return 2;
  }
  const fs::path harness = fs::absolute(argv[1]), caseDir = fs::absolute(argv[2]), work = fs::absolute(argv[3]),
                 data = fs::absolute(argv[4]);
  fs::remove_all(work);
  fs::create_directories(work);

  bool ok = false;
  const std::string expect = ReadFile(caseDir / "expect", ok);
  if (!ok) {
    std::cerr << "no expect file in " << caseDir << std::endl;
    return 2;
  }
  std::vector<std::pair<std::string, std::string>> checks;
  std::vector<std::string> args{harness.string(), "--test-application", (caseDir / "script.replay").string()};
  bool withFonts = true;
  std::istringstream lines(expect);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space), value = space == std::string::npos ? "" : line.substr(space + 1);
    if (key == "args") {
      args.resize(1);
      std::istringstream words(value);
      for (std::string w; words >> w;) args.push_back(w == "SCRIPT" ? (caseDir / "script.replay").string() : w);
    } else if (key == "nofonts") {
      withFonts = false;
    } else {
      checks.emplace_back(key, value);
    }
  }
  if (withFonts) {
#ifdef _WIN32
    // Symbolic links need a privilege on Windows; the fonts are small.
    fs::copy(data / "Fonts", work / "Fonts", fs::copy_options::recursive);
#else
    fs::create_directory_symlink(data / "Fonts", work / "Fonts");
#endif
  }

  const int status = test_support::RunProgram(args, work, work / "stdout.txt", work / "stderr.txt");
  const std::string err = ReadFile(work / "stderr.txt", ok);

  for (const auto& [key, value] : checks) {
    if (key == "status") {
      if (std::to_string(status) != value)
        Fail("exit status " + std::to_string(status) + ", expected " + value + "; stderr: " + err);
    } else if (key == "stderr") {
      if (err.find(value) == std::string::npos) Fail("stderr lacks \"" + value + "\"; it is: " + err);
    } else if (key == "same") {
      bool haveActual = false, haveExpected = false;
      const std::string actual = ReadFile(work / value, haveActual);
      const std::string wanted = ReadFile(caseDir / value, haveExpected);
      if (!haveActual) Fail("the harness wrote no " + value);
      else if (!haveExpected) Fail("the case has no expected " + value);
      else if (actual != wanted) Fail(value + " differs:\n--- expected\n" + wanted + "--- actual\n" + actual);
    } else if (key == "shot") {
      CompareShot(work / value, caseDir / (value + ".gz"), work / (value + ".diff.bmp"));
    } else if (key == "absent") {
      if (fs::exists(work / value)) Fail("the harness wrote " + value);
    } else {
      Fail("unknown check '" + key + "' in the expect file");
    }
  }
  return failures == 0 ? 0 : 1;
}
