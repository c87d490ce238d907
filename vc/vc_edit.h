#pragma once
// The single-line edit field. It types the characters the system's keyboard
// layout made in this frame (TypedText) where the backend reads them; without
// one (the headless backend) it makes them itself from the raw key state on a
// Slovak QWERTZ layout, including the acute and caron dead keys. It repeats
// held editing keys, scrolls a window over a text of any length, places the
// cursor with the mouse and reports Enter through OnAccept.
//
//   TOwned<TNameEdit> NameEdit;   // TNameEdit overrides OnAccept
//   NameEdit = new TNameEdit();
//   NameEdit->CreateComponent(&NameEdit, 120, 40, 200, 20);
//   NameEdit->SetText("M 42");    // or Text = ...; Refresh = true;

#include <cstdint>
#include <string>
#include <string_view>

#include "vc/vc_panel.h"

enum TKeyStatus : uint8_t { Unpressed, FirstPressed, AnotherPressed };

class TEdit : public TPanel {
 public:
  int32_t LastInput = 0;  // tick of the last accepted key
  TKeyStatus KeyStatus = Unpressed;
  std::string ShowedText;  // the visible part of Text
  bool Dlzen = false;      // the acute dead key is pending
  bool Makcen = false;     // the caron dead key is pending
  int32_t CursorPos = 1;   // in the visible window, 1 = before its first character
  int32_t CursorPosX = 0;  // pixels from the canvas's left edge
  int32_t FirstChar = 1;   // 1-based index in Text of the first visible character
  int32_t ActNumOfChars = 0;  // characters that fit in the canvas width
  bool Full = false;          // the text goes on beyond the right edge
  int32_t PressedKey2 = 0;    // the key accepted last
  std::string Text;           // Windows-1250, no maximum length
  bool Refresh = true;        // lay out again in the next frame
  bool PAccept = false;       // Enter was released on the focused field in this frame

  // A focusable sunken white panel with all borders and a canvas of
  // Width x Height. Enter is tracked twice (the panel's and the field's own).
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_);

  void Check() override;
  void MouseLeftClick(int32_t X_, int32_t Y_) override;
  void KeyClick(uint8_t Key) override;
  // The text and the blinking cursor; subclasses that override it call it first.
  void OnDraw() override;
  // Enter was released on the focused field: once per press.
  virtual void OnAccept() {}

  // Replaces the text, puts the cursor before its first character and lays
  // the field out again.
  void SetText(std::string_view Value);

  void CheckKey(uint8_t KeyCode, int32_t& PressedKey) const;
  void DeleteChar(int32_t CharPos);
  void AddChar(int32_t CharPos, uint8_t Code);

 private:
  // The character or action of the key taken in this frame.
  void Act(int32_t Key, bool Shift);
  void Insert(uint8_t Code);
  void Layout();
  // Width in pixels of Count characters of Text from the 0-based index From.
  int64_t Measure(std::size_t From, std::size_t Count) const;
};

// What the Slovak layout types for a key: the character, or 0 for a key that
// types nothing by itself (dead keys, editing keys, unknown keys). A pending
// mark is applied by Accented.
uint8_t SlovakCharacter(int32_t Key, bool Shift);
// The letter Key (65..90) with the acute (Caron false) or caron mark, or 0
// when the letter has no such form.
uint8_t Accented(int32_t Key, bool Caron, bool Capital);
