#pragma once
// Saves the loaded database under another file name (an existing file is
// overwritten); records entered without a database become one there.

#include "forms/cv_dialog_form.h"
#include "vc/vc_edit.h"

class TSaveAsForm : public TDialogForm {
 public:
  TOwned<TEdit> PathEdit;
  TOwned<TDialogOKButton> OKButton;
  TOwned<TDialogCancelButton> CancelButton;

  void OnOK() override;
  void OnCancel() override;
  void OnCreate() override;
  void OnFree() override;
  void OnDraw() override;
  void OnCheck() override;
  void OnShow() override;
};

extern TOwned<TSaveAsForm> SaveAsForm;
