// The raster unit's costs per frame, each beside the plain memory operation it
// is judged against: full-screen fills and picture copies against memset and
// memcpy of the 3 MiB virtual screen, a line of text, and a thumbnail load of a
// large photograph against reading that file once with fread.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "rastrix/rastrix.h"

namespace {

// One display for the whole run: opened on first use, never closed.
void EnsureDisplay() {
  static platform::HeadlessBackend* host = [] {
    auto* h = new platform::HeadlessBackend();
    platform::Install(h);
    InitRastrix("bench");
    return h;
  }();
  (void)host;
}

struct Buffers {
  std::unique_ptr<uint8_t[]> a{new uint8_t[SCREEN_BYTES]}, b{new uint8_t[SCREEN_BYTES]};
  Buffers() {
    std::memset(a.get(), 1, SCREEN_BYTES);
    std::memset(b.get(), 2, SCREEN_BYTES);
  }
};

void BM_Memset3MiB(benchmark::State& state) {
  Buffers buf;
  for (auto _ : state) {
    std::memset(buf.a.get(), static_cast<int>(state.iterations() & 0xFF), SCREEN_BYTES);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{SCREEN_BYTES});
}
BENCHMARK(BM_Memset3MiB);

void BM_Memcpy3MiB(benchmark::State& state) {
  Buffers buf;
  for (auto _ : state) {
    std::memcpy(buf.a.get(), buf.b.get(), SCREEN_BYTES);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{SCREEN_BYTES});
}
BENCHMARK(BM_Memcpy3MiB);

void BM_FillRectangleOpaqueFullScreen(benchmark::State& state) {
  EnsureDisplay();
  SetViewport(0, 0, 1023, 767);
  for (auto _ : state) {
    SetColor(static_cast<uint8_t>(state.iterations()), 40, 50, 0);
    FillRectangle(0, 0, 1023, 767);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{SCREEN_BYTES});
}
BENCHMARK(BM_FillRectangleOpaqueFullScreen);

void BM_FillRectangleAlpha128FullScreen(benchmark::State& state) {
  EnsureDisplay();
  SetViewport(0, 0, 1023, 767);
  for (size_t i = 0; i < SCREEN_BYTES; ++i) VirtualScreen[i] = static_cast<uint8_t>(i * 31 >> 3);
  // One pass checked against the formula before timing.
  const std::vector<uint8_t> before(VirtualScreen, VirtualScreen + SCREEN_BYTES);
  SetColor(200, 100, 50, 128);
  FillRectangle(0, 0, 1023, 767);
  const double f = 1.0 - 128 / 255.0;
  const uint8_t colour[3] = {50, 100, 200};
  for (size_t i = 0; i < SCREEN_BYTES; ++i) {
    if (i % 4 == 3) continue;
    const auto expected = static_cast<uint8_t>(std::nearbyint(before[i] * (1.0 - f) + colour[i % 4] * f));
    if (VirtualScreen[i] != expected) {
      state.SkipWithError("translucent fill differs from the blending formula");
      return;
    }
  }
  for (auto _ : state) {
    FillRectangle(0, 0, 1023, 767);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{SCREEN_BYTES});
}
BENCHMARK(BM_FillRectangleAlpha128FullScreen);

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("corvala_rastrix_bench_" + name)).string();
}

// Writes a 24-bit BMP of w x h pixels with a smooth pattern, row by row.
bool WriteBmp(const std::string& path, int w, int h) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const uint32_t stride = 3 * w + w % 4;
  uint8_t header[54] = {'B', 'M'};
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  put32(2, 54 + stride * h);
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  header[26] = 1;
  header[28] = 24;
  put32(34, stride * h);
  bool ok = std::fwrite(header, 1, 54, f) == 54;
  std::vector<uint8_t> row(stride, 0);
  for (int y = 0; ok && y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<uint8_t>(x);
      row[3 * x + 1] = static_cast<uint8_t>(y);
      row[3 * x + 2] = static_cast<uint8_t>(x ^ y);
    }
    ok = std::fwrite(row.data(), 1, stride, f) == stride;
  }
  return std::fclose(f) == 0 && ok;
}

void BM_ShowBMPPictureFullScreen(benchmark::State& state) {
  EnsureDisplay();
  SetViewport(0, 0, 1023, 767);
  const std::string path = TempPath("screen.bmp");
  TPicture picture;
  uint8_t result = 99;
  if (WriteBmp(path, 1024, 768)) LoadBMPPicture(path, picture, result);
  std::filesystem::remove(path);
  if (result != 0) {
    state.SkipWithError("could not prepare the picture");
    return;
  }
  for (auto _ : state) {
    ShowBMPPicture(0, 0, picture);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{SCREEN_BYTES});
  FreeBMPPicture(picture);
}
BENCHMARK(BM_ShowBMPPictureFullScreen);

void BM_WriteText100Chars(benchmark::State& state) {
  EnsureDisplay();
  static TFont font;
  uint8_t result = 0;
  if (!font.Loaded)
    LoadFNTFont(std::string(CORVALA_SOURCE_DIR) + "/data/Fonts/TNR_9pt_normal.fnt", font, result);
  if (!font.Loaded) {
    state.SkipWithError("the font data/Fonts/TNR_9pt_normal.fnt did not load");
    return;
  }
  const std::string text =
      "Hmlovina v suhvezdi Labute, vzdialena 1500 svetelnych rokov, jasnost 7.5 mag, typ planetarna; NGC 6826";
  SetViewport(0, 0, 1023, 767);
  SetColor(255, 255, 255, 0);
  for (auto _ : state) {
    WriteText(5, 300, font, std::string_view(text).substr(0, 100));
    benchmark::ClobberMemory();
  }
  state.counters["pix_height"] = font.PixHeight;
  state.counters["width_px"] = GetTextLength(font, std::string_view(text).substr(0, 100));
}
BENCHMARK(BM_WriteText100Chars);

// The 36 MB photograph is written once per run and removed when the run ends.
struct TempFile {
  std::string path;
  ~TempFile() { std::remove(path.c_str()); }
};

const std::string& LargeBmp() {
  static const TempFile file = [] {
    TempFile f{TempPath("4000x3000.bmp")};
    if (!WriteBmp(f.path, 4000, 3000)) std::remove(f.path.c_str());
    return f;
  }();
  return file.path;
}

void BM_FreadLargeBmpOnce(benchmark::State& state) {
  const std::string& path = LargeBmp();
  std::vector<uint8_t> buffer(1 << 20);
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
      state.SkipWithError("no test file");
      return;
    }
    size_t n, total = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) total += n;
    std::fclose(f);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_FreadLargeBmpOnce)->Unit(benchmark::kMillisecond);

void BM_LoadBMPPicture4000x3000To32x32(benchmark::State& state) {
  EnsureDisplay();
  const std::string& path = LargeBmp();
  TPicture picture;
  for (auto _ : state) {
    uint8_t result = 99;
    LoadBMPPicture(path, picture, 32, 32, result);
    if (result != 0) {
      state.SkipWithError("load failed");
      return;
    }
    FreeBMPPicture(picture);
  }
}
BENCHMARK(BM_LoadBMPPicture4000x3000To32x32)->Unit(benchmark::kMillisecond);

void BM_LoadBMPPicture1024x768Unscaled(benchmark::State& state) {
  EnsureDisplay();
  const std::string path = TempPath("1024x768.bmp");
  if (!WriteBmp(path, 1024, 768)) {
    state.SkipWithError("could not write the test file");
    return;
  }
  TPicture picture;
  for (auto _ : state) {
    uint8_t result = 99;
    LoadBMPPicture(path, picture, result);
    if (result != 0) {
      state.SkipWithError("load failed");
      break;
    }
    FreeBMPPicture(picture);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadBMPPicture1024x768Unscaled)->Unit(benchmark::kMillisecond);

// Presentation with night mode off (0) and on (1): off, Flip only checks a
// flag; on, it turns the virtual screen into red luminance first. The headless
// backend's own copy and row comparison are in both.
void BM_FlipNightMode(benchmark::State& state) {
  EnsureDisplay();
  SetNightMode(state.range(0) == 1);
  for (auto _ : state) {
    VirtualScreen[state.iterations() % SCREEN_BYTES] ^= 1;  // a changed frame every time
    Flip();
  }
  SetNightMode(false);
  state.SetBytesProcessed(state.iterations() * int64_t{SCREEN_BYTES});
}
BENCHMARK(BM_FlipNightMode)->Arg(0)->Arg(1);

}  // namespace
