#pragma once
// The exit form asks whether to end the program. With unsaved changes its Yes
// hands over to the question whether to save them first.

#include "forms/cv_picture_buttons.h"
#include "vc/vc_form.h"

class TExitForm : public TForm {
 public:
  class TYesButton1 : public TYesButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };
  class TNoButton1 : public TNoButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };

  TOwned<TYesButton1> YesButton;
  TOwned<TNoButton1> NoButton;

  void OnCreate() override;
  void OnShow() override;
  void OnDraw() override;
};

extern TOwned<TExitForm> ExitForm;

// What the main form's exit button and the desktop's close request both do.
void AskToQuit();

// Set once quitting has been agreed (nothing unsaved stands in the way); the
// application ends the program at the end of that frame.
extern bool Terminate;
