#include "vc/vc_edit.h"

#include <array>
#include <bitset>
#include <initializer_list>
#include <utility>

#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"
#include "vc/vc_button.h"

namespace {

// The keys the field reads, in scan order; the last one found down wins, so
// a character key beats Shift and the editing keys. The editing keys come
// first: they are all the field reads when the system makes the characters.
constexpr std::array<uint8_t, 75> kScanOrder = [] {
  std::array<uint8_t, 75> keys{};
  std::size_t n = 0;
  for (int k : {16, 37, 39, 36, 35, 46, 8, 32}) keys[n++] = static_cast<uint8_t>(k);
  for (int k = 65; k <= 90; ++k) keys[n++] = static_cast<uint8_t>(k);
  for (int k = 96; k <= 111; ++k) keys[n++] = static_cast<uint8_t>(k);
  keys[n++] = 192;
  for (int k = 48; k <= 57; ++k) keys[n++] = static_cast<uint8_t>(k);
  for (int k : {191, 223, 187, 219, 221, 186, 222, 220, 188, 190, 189}) keys[n++] = static_cast<uint8_t>(k);
  return keys;
}();

constexpr std::size_t kEditingKeys = 7;  // Shift, arrows, Home, End, Delete, Backspace
static_assert(kScanOrder[kEditingKeys] == 32, "the editing keys lead the scan order");

using KeySet = std::bitset<256>;

KeySet Keys(std::initializer_list<std::pair<int, int>> ranges) {
  KeySet set;
  for (const auto& [from, to] : ranges)
    for (int k = from; k <= to; ++k) set.set(static_cast<std::size_t>(k));
  return set;
}

// Typable keys that cannot carry the pending mark: it is typed on its own
// before them. The caron goes on C, D, E, L, N, R, S, T, Z; the acute on A,
// C, E, I, L, N, O, R, S, U, Y, Z.
const KeySet& CaronBreakers() {
  static const KeySet set = Keys({{32, 32}, {48, 57}, {65, 66}, {70, 75}, {77, 77}, {79, 81}, {85, 89}, {96, 111},
                                  {186, 186}, {188, 192}, {219, 222}});
  return set;
}

const KeySet& AcuteBreakers() {
  static const KeySet set = Keys({{32, 32}, {48, 57}, {66, 66}, {68, 68}, {70, 72}, {74, 75}, {77, 77}, {80, 81},
                                  {84, 84}, {86, 88}, {96, 111}, {186, 186}, {188, 192}, {219, 222}});
  return set;
}

constexpr uint8_t kAcuteMark = 0x92;
constexpr uint8_t kCaronMark = 0xA2;

struct Marked {
  uint8_t Capital = 0, Small = 0;
};

// Indexed by letter - 'A'.
constexpr std::array<Marked, 26> kAcute = [] {
  std::array<Marked, 26> t{};
  t['A' - 'A'] = {0xC1, 0xE1};
  t['C' - 'A'] = {0xC6, 0xE6};
  t['E' - 'A'] = {0xC9, 0xE9};
  t['I' - 'A'] = {0xCD, 0xED};
  t['L' - 'A'] = {0xC5, 0xE5};
  t['N' - 'A'] = {0xD1, 0xF1};
  t['O' - 'A'] = {0xD3, 0xF3};
  t['R' - 'A'] = {0xC0, 0xE0};
  t['S' - 'A'] = {0x8C, 0x9C};
  t['U' - 'A'] = {0xDA, 0xFA};
  t['Y' - 'A'] = {0xDD, 0xFD};
  t['Z' - 'A'] = {0x8F, 0x9F};
  return t;
}();

constexpr std::array<Marked, 26> kCaron = [] {
  std::array<Marked, 26> t{};
  t['C' - 'A'] = {0xC8, 0xE8};
  t['D' - 'A'] = {0xCF, 0xEF};
  t['E' - 'A'] = {0xCC, 0xEC};
  t['L' - 'A'] = {0xBC, 0xBE};
  t['N' - 'A'] = {0xD2, 0xF2};
  t['R' - 'A'] = {0xD8, 0xF8};
  t['S' - 'A'] = {0x8A, 0x9A};
  t['T' - 'A'] = {0x8D, 0x9D};
  t['Z' - 'A'] = {0x8E, 0x9E};
  return t;
}();

// The digit row types accented letters; Shift gives the digits.
constexpr std::array<uint8_t, 10> kDigitRow = {0xE9, 0x2B, 0xBE, 0x9A, 0xE8, 0x9D, 0x9E, 0xFD, 0xE1, 0xED};

struct Punctuation {
  uint8_t Key, Plain, Shifted;
};
constexpr std::array<Punctuation, 10> kPunctuation = {{{186, 0xF4, 0x22},
                                                       {188, 0x2C, 0x3F},
                                                       {189, 0x2D, 0x5F},
                                                       {190, 0x2E, 0x3A},
                                                       {191, 0x3D, 0x25},
                                                       {192, 0x3B, 0xB0},
                                                       {219, 0xFA, 0x2F},
                                                       {220, 0x5C, 0x29},
                                                       {221, 0xE4, 0x28},
                                                       {222, 0xA7, 0x21}}};

int32_t Length(const std::string& s) { return static_cast<int32_t>(s.size()); }

uint32_t Tick() { return platform::Current().TickCount(); }

}  // namespace

uint8_t SlovakCharacter(int32_t Key, bool Shift) {
  if (Key == 32) return 0x20;
  if (Key >= 48 && Key <= 57) return Shift ? static_cast<uint8_t>(Key) : kDigitRow[static_cast<std::size_t>(Key - 48)];
  if (Key >= 65 && Key <= 90) return static_cast<uint8_t>(Shift ? Key : Key + 32);
  if (Key >= 96 && Key <= 105) return static_cast<uint8_t>(Key - 48);
  if (Key >= 106 && Key <= 111) return static_cast<uint8_t>(Key - 64);
  for (const Punctuation& p : kPunctuation)
    if (p.Key == Key) return Shift ? p.Shifted : p.Plain;
  return 0;
}

uint8_t Accented(int32_t Key, bool Caron, bool Capital) {
  if (Key < 65 || Key > 90) return 0;
  const Marked& m = (Caron ? kCaron : kAcute)[static_cast<std::size_t>(Key - 65)];
  return Capital ? m.Capital : m.Small;
}

void TEdit::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_) {
  CreatePanel(Adress_, true, PS_DownSituated, X_, Y_, Width_, Height_);
  Background = TColor{255, 255, 255, 0};
  Borders = TBorders{true, true, true, true};
  Text.clear();
  KeyStatus = Unpressed;
  CursorPos = 1;
  FirstChar = 1;
  Refresh = true;
  PAccept = false;
  ActNumOfChars = 0;
  AddTrackedKey(vk::RETURN);
  // After the field's own set-up, so that a subclass may fill in a text here.
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

void TEdit::SetText(std::string_view Value) {
  Text.assign(Value);
  CursorPos = 1;
  FirstChar = 1;
  Refresh = true;
}

void TEdit::CheckKey(uint8_t KeyCode, int32_t& PressedKey) const {
  if (Toolkit().KeyboardKeysNew[KeyCode]) PressedKey = KeyCode;
}

void TEdit::DeleteChar(int32_t CharPos) {
  if (CharPos < 1) CharPos = 1;
  if (CharPos > Length(Text)) return;
  Text.erase(static_cast<std::size_t>(CharPos - 1), 1);
}

void TEdit::AddChar(int32_t CharPos, uint8_t Code) {
  if (CharPos < 1) CharPos = 1;
  const std::size_t at = std::min(static_cast<std::size_t>(CharPos - 1), Text.size());
  Text.insert(at, 1, static_cast<char>(Code));
}

void TEdit::Insert(uint8_t Code) {
  AddChar(CursorPos + FirstChar - 1, Code);
  ++CursorPos;
}

void TEdit::KeyClick(uint8_t Key) {
  if (Key != vk::RETURN) return;
  Enter_Pressed = false;
  // Enter is tracked twice, so both clicks of one press arrive in this Check.
  // PAccept reports the press; the hook runs for the first click only, so that
  // a form acting on it (an error dialog, a new record) acts once.
  if (PAccept) return;
  PAccept = true;
  OnAccept();
}

void TEdit::Check() {
  PAccept = false;
  TPanel::Check();
  int32_t pressed = 0;
  bool typed = false;

  if (Adress != nullptr && Adress == Toolkit().Focused) {
    CheckKey(vk::SHIFT, pressed);
    const bool shift = pressed == vk::SHIFT;
    const std::size_t scanned = Toolkit().TextFromSystem ? kEditingKeys : kScanOrder.size();
    for (std::size_t i = 1; i < scanned; ++i) CheckKey(kScanOrder[i], pressed);

    // Auto-repeat: a key types at once, again after more than 300 ms, then in
    // every frame more than 20 ms after the last. The unsigned difference
    // stays right when the tick counter wraps.
    const uint32_t now = Tick();
    const uint32_t elapsed = now - static_cast<uint32_t>(LastInput);
    if (pressed == 0 || pressed == vk::SHIFT) KeyStatus = Unpressed;
    if (pressed != 0 && KeyStatus == AnotherPressed && pressed == PressedKey2) {
      if (elapsed <= 20) pressed = 0;
    }
    if (pressed != 0 && KeyStatus == FirstPressed && pressed == PressedKey2) {
      if (elapsed > 300) {
        KeyStatus = AnotherPressed;
      } else {
        pressed = 0;
      }
    }
    if ((pressed != 0 && pressed != vk::SHIFT && KeyStatus == Unpressed) || (pressed != 0 && pressed != PressedKey2))
      KeyStatus = FirstPressed;
    if (pressed != 0) {
      LastInput = static_cast<int32_t>(now);
      PressedKey2 = pressed;
    }

    // Typed characters go in before this frame's editing key: typing and
    // then correcting is the likelier order within one frame.
    if (!Toolkit().TypedText.empty()) {
      if (FirstChar < 1) FirstChar = 1;
      for (const char c : Toolkit().TypedText) Insert(static_cast<uint8_t>(c));
      // Taken: a field that gets the focus later in this frame must not type them again.
      Toolkit().TypedText.clear();
      typed = true;
    }

    if (pressed != 0) {
      // The layout leaves FirstChar at 0 in an empty text. Counted from 0, a
      // second character of the same frame (a bare mark and its letter) would
      // land before the first one, and Home would put the cursor one place
      // past the text's start.
      if (FirstChar < 1) FirstChar = 1;
      const auto key = static_cast<std::size_t>(pressed);
      if (Makcen && CaronBreakers().test(key)) {
        Makcen = false;
        Insert(kCaronMark);
      }
      if (Dlzen && AcuteBreakers().test(key)) {
        Dlzen = false;
        Insert(kAcuteMark);
      }
      Act(pressed, shift);
    }
  }

  if (pressed != 0 || typed || SelfChanged || Refresh) Layout();
  if (SelfChanged) Toolkit().Changed = true;
}

void TEdit::Act(int32_t Key, bool Shift) {
  switch (Key) {
    case vk::BACK:
      if (CursorPos != 1) {
        DeleteChar(CursorPos + FirstChar - 2);
        // Scrolled: the window moves left and the cursor keeps its place.
        if (FirstChar == 1) {
          --CursorPos;
        } else {
          --FirstChar;
        }
      }
      return;
    case vk::END:
      CursorPos = Length(Text) + 1 - (FirstChar - 1);
      return;
    case vk::HOME:
      CursorPos = 1 - (FirstChar - 1);
      return;
    case vk::LEFT:
      --CursorPos;
      return;
    case vk::RIGHT:
      if (FirstChar - 1 + CursorPos <= Length(Text)) ++CursorPos;
      return;
    case vk::DELETE_:
      DeleteChar(CursorPos + FirstChar - 1);
      return;
    case vk::OEM_PLUS:
    case vk::OEM_8:
      if (!Shift) {
        if (Dlzen) {
          Dlzen = false;
          Insert(kAcuteMark);
          Insert(kAcuteMark);
        } else {
          Dlzen = true;
        }
      } else {
        if (Makcen) {
          Makcen = false;
          Insert(kCaronMark);
          Insert(kCaronMark);
        } else {
          Makcen = true;
        }
      }
      return;
    default:
      break;
  }

  if (Key >= 65 && Key <= 90 && (Dlzen || Makcen)) {
    // Caron pending after acute pending: both letters go to the same index,
    // the caron one first, and the cursor moves past it alone.
    const int32_t at = CursorPos + FirstChar - 1;
    if (Dlzen) {
      if (const uint8_t c = Accented(Key, false, Shift)) AddChar(at, c);
    }
    if (Makcen) {
      if (const uint8_t c = Accented(Key, true, Shift)) AddChar(at, c);
    }
    Dlzen = false;
    Makcen = false;
    ++CursorPos;
    return;
  }

  if (const uint8_t c = SlovakCharacter(Key, Shift)) Insert(c);
}

int64_t TEdit::Measure(std::size_t From, std::size_t Count) const {
  if (Font == nullptr || From >= Text.size()) return 0;
  return GetTextLength(*Font, std::string_view(Text).substr(From, Count));
}

void TEdit::Layout() {
  Refresh = false;
  if (CursorPos < 1) {
    FirstChar -= 1 - CursorPos;
    CursorPos = 1;
  }
  if (CursorPos - 1 > ActNumOfChars && Full) {
    FirstChar += CursorPos - 1 - ActNumOfChars;
    CursorPos = ActNumOfChars + 1;
  }
  if (FirstChar < 1) FirstChar = 1;
  if (Length(Text) < FirstChar) FirstChar = Length(Text);

  const std::string_view tail =
      FirstChar >= 1 ? std::string_view(Text).substr(static_cast<std::size_t>(FirstChar - 1)) : std::string_view();
  const auto tailLength = static_cast<int32_t>(tail.size());

  // Prefix widths grow by one glyph at a time, so the work is linear in the
  // characters that fit, whatever the length of the text.
  const auto glyph = [this](char c) -> int64_t {
    return Font != nullptr && Font->Loaded ? Font->Map[static_cast<uint8_t>(c)].Width : 0;
  };
  int32_t n = 1;
  int64_t width = tail.empty() ? 0 : glyph(tail[0]);
  while (width <= Width && n < tailLength) {
    width += glyph(tail[static_cast<std::size_t>(n)]);
    ++n;
  }
  if (width > Width) --n;
  if (n > tailLength) --n;
  ActNumOfChars = n;

  Full = tailLength > ActNumOfChars;
  if (Full) Refresh = true;

  int64_t cursorX = 0;
  const int32_t before = std::min(std::max(CursorPos - 1, 0), tailLength);
  for (int32_t i = 0; i < before; ++i) cursorX += glyph(tail[static_cast<std::size_t>(i)]);
  CursorPosX = static_cast<int32_t>(cursorX);
  ShowedText.assign(tail.substr(0, static_cast<std::size_t>(ActNumOfChars)));
}

void TEdit::MouseLeftClick(int32_t, int32_t) {
  // No inherited call: clicks on a field take no part in double clicks.
  if (Toolkit().Changed) return;
  int32_t cx = 0;
  int32_t cy = 0;
  platform::Current().GetCursorPos(cx, cy);
  const int64_t mx = int64_t{cx} - RealCanvasPos.X1;
  const auto from = static_cast<std::size_t>(std::max(FirstChar - 1, 0));
  if (mx > Measure(from, static_cast<std::size_t>(ActNumOfChars))) {
    CursorPos = ActNumOfChars + 1;
    return;
  }
  // The first character whose right edge lies beyond the click: the cursor
  // goes before it.
  int64_t width = 0;
  int32_t n = 1;
  for (; n <= ActNumOfChars; ++n) {
    width += Measure(from + static_cast<std::size_t>(n - 1), 1);
    if (width > mx) break;
  }
  CursorPos = std::min(n, ActNumOfChars + 1);
}

void TEdit::OnDraw() {
  if (Font == nullptr) return;
  const int32_t cx1 = RealCanvasPos.X1;
  const int32_t ty = RealCanvasPos.Y1 + HalfRounded(int64_t{Height} - Font->PixHeight);
  SetColor(TextColor.R, TextColor.G, TextColor.B, 0);
  if (!ShowedText.empty()) WriteText(cx1, ty, *Font, ShowedText);
  // The cursor shows in the first half of every second.
  if (Adress == nullptr || Adress != Toolkit().Focused) return;
  const uint32_t phase = Tick() % 1000;
  RedrawWithin(phase <= 500 ? 501 - phase : 1000 - phase);
  if (phase <= 500) Line(cx1 + CursorPosX, ty, cx1 + CursorPosX, ty + Font->PixHeight - 1);
}
