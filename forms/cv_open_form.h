#pragma once
// The open form opens a database file by its name. Its OK and the default
// database at start-up go through OpenDatabaseFile below; the model
// (cv_database_workflow) keeps the opening while the save question is asked.

#include <string_view>

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_picture_buttons.h"
#include "vc/vc_edit.h"
#include "vc/vc_form.h"

class TOpenForm : public TForm {
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
  // How the opening it asked for ended, at once or after the question.
  void Finished(TWorkflowStep Step);
};

extern TOwned<TOpenForm> OpenForm;

// What the open form's OK does with the typed name P: checks that the file
// exists (a message on the error form if not), asks first whether to save the
// changes of the loaded database, and otherwise loads P at once. Returns true
// when P has been loaded now.
bool OpenDatabaseFile(std::string_view P);
