#pragma once
// The OK, Cancel, Yes and No buttons of every dialog: a toolkit button whose
// own bevel and title are fully transparent, so that only its two pictures
// show, the second one while the pointer is over it or it has the focus.
// The dialog forms take the OK, Cancel, Yes and No buttons that answer them
// from cv_dialog_form.

#include <cstddef>
#include <string_view>
#include <type_traits>

#include "rastrix/bmp.h"
#include "rastrix/fnt.h"
#include "vc/vc_button.h"
#include "vc/vc_form.h"

class TPictureButton : public TButton {
 public:
  TPicture Picture1;  // normal look
  TPicture Picture2;  // highlighted look

  void OnCreate() override;
  void OnDraw() override;

  // True when the highlighted picture is the one to draw.
  bool Highlighted() const;

 protected:
  virtual std::string_view NormalPictureName() const = 0;
  virtual std::string_view HighlightedPictureName() const = 0;
};

class TOKButton : public TPictureButton {
 public:
  static constexpr std::string_view DialogTitle = "OK button";

 protected:
  std::string_view NormalPictureName() const override { return "Pictures\\OkButton1.bmp"; }
  std::string_view HighlightedPictureName() const override { return "Pictures\\OkButton2.bmp"; }
};

class TCancelButton : public TPictureButton {
 public:
  static constexpr std::string_view DialogTitle = "Cancel button";

 protected:
  std::string_view NormalPictureName() const override { return "Pictures\\CancelButton1.bmp"; }
  std::string_view HighlightedPictureName() const override { return "Pictures\\CancelButton2.bmp"; }
};

class TYesButton : public TPictureButton {
 public:
  static constexpr std::string_view DialogTitle = "Yes button";

 protected:
  std::string_view NormalPictureName() const override { return "Pictures\\YesButton1.bmp"; }
  std::string_view HighlightedPictureName() const override { return "Pictures\\YesButton2.bmp"; }
};

class TNoButton : public TPictureButton {
 public:
  static constexpr std::string_view DialogTitle = "No button";

 protected:
  std::string_view NormalPictureName() const override { return "Pictures\\NoButton1.bmp"; }
  std::string_view HighlightedPictureName() const override { return "Pictures\\NoButton2.bmp"; }
};

// The answers of the recovery question and of the question about a file
// changed on disk.
#define CORVALA_DIALOG_BUTTON(Class, Title, Picture)                                                   \
  class Class : public TPictureButton {                                                               \
   public:                                                                                            \
    static constexpr std::string_view DialogTitle = Title;                                            \
                                                                                                      \
   protected:                                                                                         \
    std::string_view NormalPictureName() const override { return "Pictures\\" Picture "1.bmp"; }      \
    std::string_view HighlightedPictureName() const override { return "Pictures\\" Picture "2.bmp"; } \
  };
CORVALA_DIALOG_BUTTON(TOpenButton, "Open button", "OpenButton")
CORVALA_DIALOG_BUTTON(TLaterButton, "Later button", "LaterButton")
CORVALA_DIALOG_BUTTON(TRemoveButton, "Remove button", "RemoveButton")
CORVALA_DIALOG_BUTTON(TOverwriteButton, "Overwrite button", "OverwriteButton")
CORVALA_DIALOG_BUTTON(TSaveAsButton, "Save as button", "SaveAsButton")
#undef CORVALA_DIALOG_BUTTON

// The size every dialog button is created with.
inline constexpr uint32_t DIALOG_BUTTON_WIDTH = 84;
inline constexpr uint32_t DIALOG_BUTTON_HEIGHT = 23;

// Creates a dialog button (OK, Cancel, Yes, No or a class derived from one) at
// (X, Y) of the current parent: focusable, classic style, the dialog size and
// its class's title.
template <class TDialogButton>
void CreateDialogButton(TOwned<TDialogButton>& Slot, int32_t X, int32_t Y) {
  Slot = new TDialogButton();
  Slot->CreateComponent(&Slot, true, BS_Classic, TDialogButton::DialogTitle, X, Y, DIALOG_BUTTON_WIDTH,
                        DIALOG_BUTTON_HEIGHT);
  // A dialog's Cancel is what Escape does there.
  if constexpr (std::is_base_of_v<TCancelButton, TDialogButton>)
    if (TForm* form = DerefAs<TForm>(Toolkit().ActualForm)) form->EscapeButton = &Slot;
}

// Loads the program's icon ("Pictures\Icon.bmp") into a form's title bar.
void LoadFormIcon(TForm& Form);

// Loads a picture the program ships with. A missing picture is not an error
// worth stopping for: whatever should show it simply shows nothing.
void LoadProgramPicture(std::string_view Name, TPicture& Picture);

// Entry Index of LoadedFonts (0 to 5, loaded at start-up). Drawing code asks
// through here so that a run without the start-up fonts, such as a test of a
// single form, draws no text instead of reading past the list.
const TFont& ProgramFont(std::size_t Index);
