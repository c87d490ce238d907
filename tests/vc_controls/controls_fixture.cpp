#include "tests/vc_controls/controls_fixture.h"

#include <unistd.h>

#include <cstdio>

#include "tools/fnt_writer/fnt_writer.h"
#include "vc/vc_menu_item.h"

namespace vc_controls_test {

namespace {

void LoadBlockFont(const BlockFont& shape, TFont& font) {
  fnt_writer::Face face;
  face.pix_height = static_cast<uint16_t>(shape.PixHeight);
  face.ascent = static_cast<uint16_t>(shape.PixHeight - 2);
  face.first_char = 32;
  face.last_char = 255;
  for (int code = 32; code <= 255; ++code) {
    fnt_writer::Glyph glyph;
    if (code == ' ') {
      glyph.width = static_cast<uint16_t>(shape.SpaceWidth);
    } else {
      glyph.width = static_cast<uint16_t>(shape.GlyphWidth);
      glyph.pixels.assign(static_cast<size_t>(shape.GlyphWidth * shape.PixHeight), 1);
    }
    face.glyphs.push_back(std::move(glyph));
  }
  // One file per process and font: ctest runs the cases side by side.
  const std::string name =
      "vc_controls_" + std::to_string(getpid()) + "_" + std::to_string(shape.PixHeight) + ".fnt";
  ASSERT_TRUE(fnt_writer::WriteFile(face, name));
  uint8_t result = 255;
  LoadFNTFont(name, font, result);
  std::remove(name.c_str());
  ASSERT_EQ(result, 0);
}

}  // namespace

void ControlsTest::SetUp() {
  platform::Install(&host);
  RenewToolkit();
  InitRastrix("controls test");
  host.SetCursor(1000, 750);
  LoadBlockFont(kSmallFont, small_font);
  LoadBlockFont(kLargeFont, large_font);
  ASSERT_EQ(LoadedFonts.size(), 2u);
  ASSERT_EQ(LoadedFonts[0], &small_font);

  desk = new TDesk();
  desk->RegisterComponent = false;
  Toolkit().ActualComponent = nullptr;
  Toolkit().ActualForm = &desk;
  desk->CreateComponent(&desk, false);
  desk->ComponentPos = TViewport{0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1};
  desk->CanvasPos = desk->ComponentPos;
  OnDesk();
}

void ControlsTest::TearDown() {
  // Forms first (their Free takes them off the list), then the desk.
  while (!Toolkit().OpenedWindows.empty()) {
    TVisualComponent* form = Deref(Toolkit().OpenedWindows.back());
    if (form == nullptr) {
      Toolkit().OpenedWindows.pop_back();
      continue;
    }
    form->Free();
  }
  if (desk) desk->Free();
  FreeFNTFont(large_font);
  FreeFNTFont(small_font);
  RenewToolkit();
  CloseRastrix();
  platform::Install(nullptr);
}

void ControlsTest::Frame() {
  Toolkit().Changed = false;
  Toolkit().CanControl = true;
  Toolkit().Link = L_No_Response;
  for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysOld[k] = Toolkit().KeyboardKeysNew[k];
  // The installed backend, which a test may have swapped for the real one.
  platform::Backend& keys = platform::Current();
  for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysNew[k] = keys.KeyDown(k);
  Toolkit().TextFromSystem = keys.TypesText();
  keys.TakeTypedText(Toolkit().TypedText);
  if (!Toolkit().KeyboardKeysNew[vk::LBUTTON]) Toolkit().ChangedActiveComponent = false;

  MenuCheckPass(P_Input);
  bool modal = false;
  for (std::size_t i = Toolkit().OpenedWindows.size(); i-- > 0 && !modal;) {
    if (i >= Toolkit().OpenedWindows.size()) continue;
    auto* form = dynamic_cast<TForm*>(Deref(Toolkit().OpenedWindows[i]));
    if (form == nullptr) continue;
    form->Check();
    // As the frame cycle does: the list as it is now, from this entry up.
    for (std::size_t j = i; j < Toolkit().OpenedWindows.size() && !modal; ++j) {
      const auto* entry = dynamic_cast<TForm*>(Deref(Toolkit().OpenedWindows[j]));
      modal = entry != nullptr && entry->GetShowType() == ST_Modal && entry->Visible;
    }
  }
  if (!modal) desk->Check();
  MenuCheckPass(P_Position);

  ClearVirtualScreen();
  desk->Draw();
  for (std::size_t i = 0; i < Toolkit().OpenedWindows.size(); ++i) {
    TVisualComponent* form = Deref(Toolkit().OpenedWindows[i]);
    if (form != nullptr && form->Visible) form->Draw();
  }
  MenuDrawPass();
  host.Advance(20);
}

void ControlsTest::LoadPicture(TPicture& picture, int32_t w, int32_t h,
                               const std::vector<test_support::Rgb>& pixels) {
  // One file per process and picture: ctest runs the cases side by side.
  const std::string name =
      "vc_controls_" + std::to_string(getpid()) + "_" + std::to_string(++pictures_loaded) + ".bmp";
  const std::vector<uint8_t> bytes = test_support::BuildBmp24(w, h, pixels);
  std::FILE* f = std::fopen(name.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  ASSERT_EQ(written, bytes.size());
  uint8_t result = 255;
  LoadBMPPicture(name, picture, result);
  std::remove(name.c_str());
  ASSERT_EQ(result, 0);
}

Rgb ControlsTest::At(int x, int y) const {
  const uint8_t* p = VirtualScreen + (static_cast<size_t>(y) * SCREEN_WIDTH + static_cast<size_t>(x)) * 4;
  return Rgb{p[2], p[1], p[0]};
}

bool ControlsTest::AllOf(int x1, int y1, int x2, int y2, Rgb c) const {
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      if (!(At(x, y) == c)) return false;
    }
  }
  return true;
}

}  // namespace vc_controls_test
