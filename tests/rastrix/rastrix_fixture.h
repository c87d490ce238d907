#pragma once
// A headless display around every test: the raster unit is opened on a fresh
// backend, and each test gets its own folder for the files it writes, so tests
// may run in parallel processes.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "rastrix/rastrix.h"

using Points = std::vector<std::pair<int, int>>;

class RastrixTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Install(&host_);
    InitRastrix("Corvala test");
    SetColor(0, 0, 0, 0);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::path("rastrix_files") / (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    CloseRastrix();
    platform::Install(nullptr);
    // The shared parent stays: removing it while a parallel test process is
    // between making it and making its own folder inside it fails that test.
    std::filesystem::remove_all(dir_);
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  static TColor PixelAt(int x, int y) {
    const uint8_t* p = VirtualScreen + (y * SCREEN_WIDTH + x) * 4;
    return TColor{p[0], p[1], p[2], p[3]};
  }
  static bool Touched(int x, int y) {
    const uint8_t* p = VirtualScreen + (y * SCREEN_WIDTH + x) * 4;
    return p[0] != 0 || p[1] != 0 || p[2] != 0;
  }
  // Every touched pixel as (x, y), in row order.
  static std::vector<std::pair<int, int>> TouchedPixels() {
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
      for (int x = 0; x < SCREEN_WIDTH; ++x)
        if (Touched(x, y)) out.emplace_back(x, y);
    return out;
  }
  static std::vector<uint8_t> Screen() { return std::vector<uint8_t>(VirtualScreen, VirtualScreen + SCREEN_BYTES); }

  platform::HeadlessBackend host_;
  std::filesystem::path dir_;
};
