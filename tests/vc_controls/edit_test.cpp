// The edit field: the Slovak layout and its dead keys, key repeat at its
// edges, the scroll window, mouse placement, the blinking cursor and Enter.

#include <initializer_list>
#include <string>
#include <utility>

#include "platform/cp1250.h"

#include "tests/vc_controls/controls_fixture.h"
#include "vc/vc_edit.h"

namespace vc_controls_test {
namespace {

class TProbeEdit : public TEdit {
 public:
  int Accepts = 0;
  void OnAccept() override { ++Accepts; }
};

class EditTest : public ControlsTest {
 protected:
  // Canvas 40 x 12 at (100, 100): ten 4-pixel glyphs of the small font fit.
  TProbeEdit* MakeEdit(uint32_t width = 40, uint32_t height = 12) {
    edit = new TProbeEdit();
    edit->CreateComponent(&edit, 100, 100, width, height);
    edit->CatchFocus();
    Frames(2);
    return edit.Get();
  }

  // One key stroke as a typist makes it: down one frame, up one frame.
  void Stroke(int key, bool shift = false) {
    if (shift) Key(vk::SHIFT, true);
    Key(key, true);
    Key(key, false);
    if (shift) Key(vk::SHIFT, false);
  }

  std::string Typed(std::initializer_list<std::pair<int, bool>> strokes) {
    edit->SetText("");
    Frame();
    for (const auto& [key, shift] : strokes) Stroke(key, shift);
    return edit->Text;
  }

  TOwned<TProbeEdit> edit;
};

TEST_F(EditTest, SlovakLayoutTypesEveryKeyFamily) {
  MakeEdit(400);
  // The digit row types letters, Shift the digits.
  std::string text = Typed({{48, false}, {49, false}, {50, false}, {51, false}, {52, false},
                            {53, false}, {54, false}, {55, false}, {56, false}, {57, false}});
  EXPECT_EQ(text, "é+ľščťžýáí"_cp);
  EXPECT_EQ(Typed({{51, true}, {48, true}}), "30");
  EXPECT_EQ(Typed({{'A', false}, {'Z', true}, {vk::SPACE, false}}), "aZ ");
  // The numeric pad: digits and signs, Shift or not.
  EXPECT_EQ(Typed({{vk::NUMPAD0 + 7, false}, {vk::MULTIPLY, true}, {vk::ADD, false}, {vk::SEPARATOR, false},
                   {vk::SUBTRACT, false}, {vk::DECIMAL, false}, {vk::DIVIDE, false}}),
            "7*+,-./");
  EXPECT_EQ(Typed({{186, false}, {188, false}, {189, false}, {190, false}, {191, false}, {192, false},
                   {219, false}, {220, false}, {221, false}, {222, false}}),
            "ô,-.=;ú\\ä§"_cp);  // the minus key types a minus, not a soft hyphen
  EXPECT_EQ(Typed({{186, true}, {188, true}, {189, true}, {190, true}, {191, true}, {192, true},
                   {219, true}, {220, true}, {221, true}, {222, true}}),
            "\"?_:%°/)(!"_cp);
  // Keys outside the layout type nothing.
  EXPECT_EQ(Typed({{vk::F1, false}, {vk::ESCAPE, false}}), "");
}

TEST_F(EditTest, DeadKeysMarkTheNextLetterOrTypeThemselves) {
  MakeEdit(400);
  EXPECT_EQ(Typed({{187, false}, {'E', false}}), "é"_cp);
  EXPECT_EQ(Typed({{223, false}, {'E', true}}), "É"_cp) << "both keys are the acute key";
  EXPECT_EQ(Typed({{187, true}, {'Z', false}, {187, true}, {'C', true}, {187, true}, {'L', false}}), "žČľ"_cp);
  EXPECT_EQ(Typed({{187, false}, {'S', false}, {187, false}, {'Y', false}}), "śý"_cp);
  // A key that cannot carry the mark gets the bare mark before it.
  EXPECT_EQ(Typed({{187, false}, {'B', false}}), "\x92"
                                                 "b");
  EXPECT_EQ(Typed({{187, true}, {'A', false}}), "\xA2"
                                                "a");
  EXPECT_EQ(Typed({{187, false}, {187, false}}), "\x92\x92");
  EXPECT_EQ(Typed({{187, true}, {187, true}, {'E', false}}), "\xA2\xA2"
                                                            "e");
  // Caron, then acute: B breaks both, the caron first.
  EXPECT_EQ(Typed({{187, true}, {187, false}, {'B', false}}), "\xA2\x92"
                                                             "b");
  // Caron, then acute, then E: both letters at one index, the cursor between.
  EXPECT_EQ(Typed({{187, true}, {187, false}, {'E', false}}), "ěé"_cp);
  EXPECT_EQ(edit->CursorPos, 2);
  // Editing keys leave a pending mark alone.
  EXPECT_EQ(Typed({{'K', false}, {187, false}, {vk::LEFT, false}, {vk::BACK, false}, {vk::END, false},
                   {'O', false}}),
            "kó"_cp);
  // Home in an empty field keeps the cursor at the start.
  EXPECT_EQ(Typed({{vk::HOME, false}, {'A', false}, {'B', false}}), "ab");
  EXPECT_EQ(edit->CursorPos, 3);
}

TEST_F(EditTest, HeldKeyRepeatsAfter300ThenEvery20Milliseconds) {
  MakeEdit(400);
  // Near the wrap of the tick counter, which the repeat must survive.
  const uint32_t t0 = 0xFFFFFF00u;
  host.SetTick(t0);
  Key('A', true);
  EXPECT_EQ(edit->Text, "a") << "the first press types at once";
  const auto at = [&](uint32_t ms) {
    host.SetTick(t0 + ms);
    Frame();
    return edit->Text.size();
  };
  EXPECT_EQ(at(300), 1u);
  EXPECT_EQ(at(301), 2u);
  EXPECT_EQ(at(321), 2u);
  EXPECT_EQ(at(322), 3u);
  EXPECT_EQ(at(340), 3u);
  EXPECT_EQ(at(343), 4u);
  // Another key takes over at once and starts its own delay.
  host.SetKey('B', true);
  EXPECT_EQ(at(344), 5u);
  EXPECT_EQ(at(600), 5u);
  EXPECT_EQ(edit->Text, "aaaab");
  // Shift alone types nothing and breaks no repeat state for the next press.
  host.SetKey('A', false);
  host.SetKey('B', false);
  host.SetKey(vk::SHIFT, true);
  EXPECT_EQ(at(700), 5u);
  host.SetKey('B', true);
  EXPECT_EQ(at(710), 6u);
  EXPECT_EQ(edit->Text, "aaaabB");
}

TEST_F(EditTest, WindowScrollsWithEndHomeLeftAndBackspace) {
  TProbeEdit* e = MakeEdit();
  e->SetText("abcdefghijklmnopqrst");
  Frame();
  EXPECT_EQ(e->ActNumOfChars, 10);
  EXPECT_TRUE(e->Full);
  EXPECT_EQ(e->ShowedText, "abcdefghij");

  Stroke(vk::END);
  EXPECT_EQ(e->FirstChar, 11);
  EXPECT_EQ(e->CursorPos, 11) << "after the last visible character";
  EXPECT_EQ(e->ShowedText, "klmnopqrst");
  EXPECT_EQ(e->CursorPosX, 40);

  Stroke(vk::HOME);
  EXPECT_EQ(e->FirstChar, 1);
  EXPECT_EQ(e->CursorPos, 1);
  EXPECT_EQ(e->ShowedText, "abcdefghij");

  // At the left edge of a scrolled window Backspace does nothing; Left scrolls.
  Stroke(vk::END);
  for (int i = 0; i < 10; ++i) Stroke(vk::LEFT);
  EXPECT_EQ(e->FirstChar, 11);
  EXPECT_EQ(e->CursorPos, 1);
  Stroke(vk::BACK);
  EXPECT_EQ(e->Text, "abcdefghijklmnopqrst");
  Stroke(vk::LEFT);
  EXPECT_EQ(e->FirstChar, 10);
  EXPECT_EQ(e->CursorPos, 1);

  // Backspace inside a scrolled window deletes and moves the window left.
  Stroke(vk::RIGHT);
  Stroke(vk::RIGHT);
  Stroke(vk::BACK);
  EXPECT_EQ(e->Text, "abcdefghijlmnopqrst");
  EXPECT_EQ(e->FirstChar, 9);
  EXPECT_EQ(e->CursorPos, 3);
  Stroke(vk::DELETE_);
  EXPECT_EQ(e->Text, "abcdefghijmnopqrst");

  // Typing at the end keeps the cursor in view.
  Stroke(vk::END);
  Stroke('U');
  Stroke('V');
  Frame();
  EXPECT_EQ(e->Text, "abcdefghijmnopqrstuv");
  EXPECT_EQ(e->CursorPos + e->FirstChar - 1, 21);
  EXPECT_LE(e->CursorPos - 1, e->ActNumOfChars);
  EXPECT_EQ(e->ShowedText.back(), 'v');
}

TEST_F(EditTest, MouseClickPlacesTheCursor) {
  TProbeEdit* e = MakeEdit(100);
  e->SetText("abcdef");
  Frame();
  const int x0 = e->RealCanvasPos.X1;
  const int y = e->RealCanvasPos.Y1 + 5;
  const auto clickAt = [&](int x) {
    host.SetCursor(x, y);
    Key(vk::LBUTTON, true);
    Key(vk::LBUTTON, false);
    return e->CursorPos;
  };
  EXPECT_EQ(clickAt(x0 + 60), 7) << "right of the text: after the last character";
  EXPECT_EQ(clickAt(x0 + 5), 2) << "inside the second glyph: before it";
  EXPECT_EQ(clickAt(x0 + 4), 2);
  EXPECT_EQ(clickAt(x0 + 3), 1);
  EXPECT_EQ(clickAt(x0 - 2), 1) << "on the border, left of the canvas";
  EXPECT_EQ(clickAt(x0 + 24), 7) << "exactly at the end of the text";
}

TEST_F(EditTest, CursorBlinksInTheFirstHalfOfEverySecond) {
  TProbeEdit* e = MakeEdit();
  e->SetText("ab");
  Stroke(vk::END);
  const int x = e->RealCanvasPos.X1 + 8;
  const int y = e->RealCanvasPos.Y1 + 5;
  const auto cursorAt = [&](uint32_t tick) {
    host.SetTick(tick);
    Frame();
    return At(x, y);
  };
  EXPECT_EQ(cursorAt(7000), kBlack);
  EXPECT_EQ(cursorAt(7500), kBlack);
  EXPECT_EQ(cursorAt(7501), kWhite);
  EXPECT_EQ(cursorAt(7999), kWhite);
  Toolkit().Focused = nullptr;
  EXPECT_EQ(cursorAt(8000), kWhite) << "no cursor without the focus";
}

TEST_F(EditTest, EnterAcceptsOncePerPressAndSetsPAcceptForOneFrame) {
  TProbeEdit* e = MakeEdit();
  Key(vk::RETURN, true);
  EXPECT_FALSE(e->PAccept);
  Key(vk::RETURN, false);
  EXPECT_TRUE(e->PAccept);
  EXPECT_EQ(e->Accepts, 1) << "Enter is tracked twice, but the hook runs once";
  Frame();
  EXPECT_FALSE(e->PAccept);
  // A field without the focus takes no keys.
  Toolkit().Focused = nullptr;
  Frame();
  Stroke('A');
  Stroke(vk::RETURN);
  EXPECT_EQ(e->Text, "");
  EXPECT_EQ(e->Accepts, 1);
}

}  // namespace
}  // namespace vc_controls_test
