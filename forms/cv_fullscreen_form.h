#pragma once
// A record's picture over the whole screen: the picture the item view holds,
// with the record's name and picture file as its caption.

#include <cstdint>
#include <string>

#include "forms/cv_picture_buttons.h"
#include "vc/vc_form.h"

class TFullscreenForm : public TForm {
 public:
  class TOKButton1 : public TOKButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };

  const TPicture* Picture = nullptr;  // the item view's picture, not owned
  TOwned<TOKButton1> OKButton;
  std::string NameOfNebula;
  std::string CaptionRest;  // NameOfNebula + " (" + picture file + ")", built when shown

  void OnCreate() override;
  void OnShow() override;
  void OnDraw() override;
};

extern TOwned<TFullscreenForm> FullscreenForm;

// Shows the item view's picture over the whole screen.
void ShowFullscreenPicture();
