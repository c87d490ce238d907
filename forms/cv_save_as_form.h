#pragma once
// Saves the loaded database under another file name (an existing file is
// overwritten); records entered without a database become one there.

#include "forms/cv_picture_buttons.h"
#include "vc/vc_edit.h"
#include "vc/vc_form.h"

class TSaveAsForm : public TForm {
 public:
  class TOKButton1 : public TOKButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };
  class TCancelButton1 : public TCancelButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };

  TOwned<TEdit> PathEdit;
  TOwned<TOKButton1> OKButton;
  TOwned<TCancelButton1> CancelButton;

  void OnCreate() override;
  void OnFree() override;
  void OnDraw() override;
  void OnCheck() override;
  void OnShow() override;
};

extern TOwned<TSaveAsForm> SaveAsForm;
