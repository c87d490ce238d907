#pragma once
// The exit form asks whether to end the program. With unsaved changes its Yes
// hands over to the question whether to save them first.

#include "forms/cv_dialog_form.h"

class TExitForm : public TYesNoForm {
 public:
  void OnCreate() override;
  void OnDraw() override;
  // With unsaved changes the exit form stays open beneath the question.
  void OnYes() override;
};

extern TOwned<TExitForm> ExitForm;

// What the main form's exit button and the desktop's close request both do.
void AskToQuit();

// Set once quitting has been agreed (nothing unsaved stands in the way); the
// application ends the program at the end of that frame.
extern bool Terminate;
