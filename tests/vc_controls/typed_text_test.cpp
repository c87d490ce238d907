// The edit field on the real backend: characters come from the system's text
// input, whatever the keys did, and only the editing keys are read as keys.
// SDL's dummy video driver stands in for a display; the events are pushed
// as a keyboard would send them.

#include <SDL2/SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/cp1250.h"
#include "platform/sdl_backend.h"
#include "tests/support/allocation_counter.h"
#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_edit.h"

namespace vc_controls_test {
namespace {

class TypedTextTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    sdl.SetWindowed(true);
    sdl.OpenDisplay("typed text", SCREEN_WIDTH, SCREEN_HEIGHT);
    ASSERT_TRUE(sdl.HasWindow()) << SDL_GetError();
    platform::Install(&sdl);
    edit = new TEdit();
    edit->CreateComponent(&edit, 100, 100, 400, 12);
    edit->CatchFocus();
    SdlFrame();
  }
  void TearDown() override {
    sdl.CloseDisplay();
    platform::Install(&host);
    ControlsTest::TearDown();
  }

  // Presenting drains SDL's queue, as once a frame in the program.
  void SdlFrame() {
    sdl.Present(VirtualScreen);
    Frame();
  }

  static void PushKey(SDL_Scancode scancode, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = scancode;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  }
  static void PushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  }
  // A key that types: down with its character, as the system sends it.
  static void Down(SDL_Scancode scancode, const char* utf8) {
    PushKey(scancode, true);
    PushText(utf8);
  }

  platform::SdlBackend sdl;
  TOwned<TEdit> edit;
};

TEST_F(TypedTextTest, CharactersComeInOrderWhateverTheKeysDid) {
  // B down, A down, A up, B up; then A down, B down, B up, A up: one event a frame.
  Down(SDL_SCANCODE_B, "b");
  SdlFrame();
  Down(SDL_SCANCODE_A, "a");
  SdlFrame();
  PushKey(SDL_SCANCODE_A, false);
  SdlFrame();
  PushKey(SDL_SCANCODE_B, false);
  SdlFrame();
  EXPECT_EQ(edit->Text, "ba");
  Down(SDL_SCANCODE_A, "a");
  Down(SDL_SCANCODE_B, "b");
  PushKey(SDL_SCANCODE_B, false);
  PushKey(SDL_SCANCODE_A, false);
  SdlFrame();
  EXPECT_EQ(edit->Text, "baab");

  // A US layout: the digit row types digits, the key left of Backspace "-",
  // AltGr and Shift whatever the system makes; nothing of the Slovak table.
  edit->SetText("");
  Down(SDL_SCANCODE_1, "1");
  Down(SDL_SCANCODE_MINUS, "-");
  Down(SDL_SCANCODE_4, "$");
  Down(SDL_SCANCODE_Z, "z");
  PushText("@");
  SdlFrame();
  EXPECT_EQ(edit->Text, "1-$z@");

  // Converted to Windows-1250; what it lacks is not typed.
  edit->SetText("");
  PushText("Ťä€");
  PushText("ж→x");
  SdlFrame();
  EXPECT_EQ(edit->Text, "Ťä€x"_cp);
}

TEST_F(TypedTextTest, EditingKeysStillRepeatAndIdleFramesAllocateNothing) {
  PushText("abcdefghij");
  SdlFrame();
  ASSERT_EQ(edit->Text, "abcdefghij");
  PushKey(SDL_SCANCODE_LEFT, true);
  SdlFrame();
  PushKey(SDL_SCANCODE_LEFT, false);
  SdlFrame();
  PushText("X");
  SdlFrame();
  EXPECT_EQ(edit->Text, "abcdefghiXj");

  // Backspace held past the first pause (300 ms) repeats: one press takes
  // three characters, one a frame at most.
  PushKey(SDL_SCANCODE_BACKSPACE, true);
  const uint32_t start = sdl.TickCount();
  while (edit->Text.size() > 8 && sdl.TickCount() - start < 5000) SdlFrame();
  PushKey(SDL_SCANCODE_BACKSPACE, false);
  SdlFrame();
  EXPECT_EQ(edit->Text, "abcdefgj");

  const long before = test_support::AllocationCount();
  for (int i = 0; i < 5; ++i) SdlFrame();
  EXPECT_EQ(test_support::AllocationCount(), before);
}

}  // namespace
}  // namespace vc_controls_test
