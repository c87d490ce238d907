#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>

#include "tests/rastrix/rastrix_fixture.h"
#include "tests/support/bmp_builder.h"
#include "tools/fnt_writer/fnt_writer.h"

// Thousands of seeded mutations of valid files: the loaders must return with a
// result code, and whatever they accept must be drawable without touching
// memory outside its buffers (run under a sanitizer or valgrind to see that).

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Mutate(const Bytes& original, std::mt19937& rng, size_t header_bytes) {
  Bytes f = original;
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  const int kind = static_cast<int>(pick(6));
  if (kind == 0) {
    f.resize(pick(f.size()));  // truncation anywhere
    return f;
  }
  const int edits = 1 + static_cast<int>(pick(6));
  for (int e = 0; e < edits && !f.empty(); ++e) {
    // Most edits hit the headers, where a single byte changes the meaning of the rest.
    const size_t at = pick(3) == 0 ? pick(f.size()) : pick(std::min(header_bytes, f.size()));
    switch (kind) {
      case 1: f[at] = static_cast<uint8_t>(rng()); break;
      case 2: f[at] ^= static_cast<uint8_t>(1u << pick(8)); break;
      case 3: f[at] = pick(2) ? 0xFF : 0x00; break;
      case 4:
        if (at + 4 <= f.size()) {
          const uint32_t extremes[] = {0, 1, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu, 0xFFFF, 0x10000, 54, 1078};
          test_support::Put32(f, at, extremes[pick(std::size(extremes))]);
        }
        break;
      default: f.insert(f.begin() + static_cast<long>(at), static_cast<uint8_t>(rng())); break;
    }
  }
  if (pick(4) == 0) f.resize(pick(f.size() + 1));
  return f;
}

std::vector<test_support::Rgb> Noise(int w, int h, std::mt19937& rng) {
  std::vector<test_support::Rgb> out(size_t(w) * h);
  for (auto& p : out) p = {uint8_t(rng()), uint8_t(rng()), uint8_t(rng())};
  return out;
}

}  // namespace

// Thousands of small files are written one after another; a memory-backed
// folder keeps that from waiting on the disk.
class FuzzTest : public RastrixTest {
 protected:
  std::string ScratchPath(const std::string& name) {
    if (!std::filesystem::is_directory("/dev/shm")) return PathOf(name);
    scratch_ = "/dev/shm/corvala_rastrix_" + std::to_string(::getpid()) + "_" + name;
    return scratch_;
  }
  void TearDown() override {
    if (!scratch_.empty()) std::filesystem::remove(scratch_);
    RastrixTest::TearDown();
  }
  std::string scratch_;
};

TEST_F(FuzzTest, MutatedBmpFilesNeverBreakTheLoaderOrTheDrawing) {
  std::mt19937 rng(12345);
  std::vector<Bytes> seeds;
  seeds.push_back(test_support::BuildBmp24(7, 5, Noise(7, 5, rng)));
  seeds.push_back(test_support::BuildBmp24(4, 9, Noise(4, 9, rng)));
  std::vector<test_support::Rgb> palette = Noise(16, 16, rng);
  std::vector<uint8_t> indices(6 * 3);
  for (auto& i : indices) i = static_cast<uint8_t>(rng());
  seeds.push_back(test_support::BuildBmp8(6, 3, palette, indices));
  test_support::BmpOptions top_down;
  top_down.top_down = true;
  top_down.palette_entries = 16;
  seeds.push_back(test_support::BuildBmp8(5, 4, std::vector<test_support::Rgb>(palette.begin(), palette.begin() + 16),
                                          std::vector<uint8_t>(20, 3), top_down));
  host_.SetAvailableMemory(uint64_t{256} << 20);
  const std::string path = ScratchPath("fuzz.bmp");
  int loaded = 0;
  TPicture picture;
  for (int i = 0; i < 4000; ++i) {
    const Bytes& seed = seeds[i % seeds.size()];
    ASSERT_TRUE(test_support::WriteBytes(path, Mutate(seed, rng, 54)));
    uint8_t result = 99;
    const int max = i % 3 == 0 ? 3 : 2147483647;
    LoadBMPPicture(path, picture, max, max, result);
    ASSERT_LE(result, 6);
    ASSERT_EQ(picture.Loaded, result == 0);
    if (result != 0) continue;
    ++loaded;
    ASSERT_GT(picture.ImageWidth * picture.ImageHeight, 0u);
    ShowBMPPicture(int(rng() % 1100) - 40, int(rng() % 800) - 20, picture);
    ShowAlphaScaleBMPPicture(int(rng() % 1100) - 40, int(rng() % 800) - 20, picture, rng() % 300, rng() % 300,
                             uint8_t(rng()), rng() % 2, TColor{});
    FreeBMPPicture(picture);
  }
  EXPECT_GT(loaded, 100) << "the mutations should leave many files readable";
}

TEST_F(FuzzTest, MutatedFntFilesNeverBreakTheLoaderOrTheText) {
  std::mt19937 rng(54321);
  std::vector<Bytes> seeds;
  for (uint16_t version : {0x200, 0x300}) {
    fnt_writer::Face face;
    face.version = version;
    face.pix_height = 11;
    face.first_char = 30;
    face.last_char = 90;
    for (int c = face.first_char; c <= face.last_char; ++c) {
      fnt_writer::Glyph g;
      g.width = static_cast<uint16_t>(1 + c % 12);
      g.pixels.resize(size_t(g.width) * face.pix_height);
      for (auto& p : g.pixels) p = rng() % 3 == 0;
      face.glyphs.push_back(g);
    }
    seeds.push_back(fnt_writer::Write(face));
  }
  std::string all_codes(256, ' ');
  for (int c = 0; c < 256; ++c) all_codes[c] = static_cast<char>(c);
  const std::string path = ScratchPath("fuzz.fnt");
  int loaded = 0;
  TFont font;
  for (int i = 0; i < 4000; ++i) {
    const Bytes& seed = seeds[i % seeds.size()];
    ASSERT_TRUE(test_support::WriteBytes(path, Mutate(seed, rng, i % 2 ? 148 + 6 * 61 : 118 + 4 * 61)));
    uint8_t result = 99;
    LoadFNTFont(path, font, result);
    ASSERT_LE(result, 5);
    ASSERT_EQ(font.Loaded, result == 0);
    if (result != 0) continue;
    ++loaded;
    SetColor(uint8_t(rng()), 0, 0, uint8_t(rng() % 2 ? 0 : rng()));
    WriteText(int(rng() % 1100) - 60, int(rng() % 800) - 20, font, all_codes);
    WriteAlignedText(int(rng() % 400), int(rng() % 700), int(rng() % 500), font, "ab  cd efgh ijkl\x7f\x01");
    GetTextLength(font, all_codes);
  }
  FreeFNTFont(font);
  EXPECT_GT(loaded, 100) << "the mutations should leave many fonts readable";
}
