#pragma once
// A record's picture over the whole screen: the picture the item view holds,
// with the record's name and picture file as its caption.

#include <cstdint>
#include <string>

#include "forms/cv_dialog_form.h"
#include "vc/vc_form.h"

class TFullscreenForm : public TDialogForm {
 public:
  const TPicture* Picture = nullptr;  // the item view's picture, not owned
  TOwned<TDialogOKButton> OKButton;
  std::string NameOfNebula;
  std::string CaptionRest;  // NameOfNebula + " (" + picture file + ")", built when shown

  void OnCreate() override;
  void OnShow() override;
  void OnDraw() override;
};

extern TOwned<TFullscreenForm> FullscreenForm;

// Shows the item view's picture over the whole screen.
void ShowFullscreenPicture();
