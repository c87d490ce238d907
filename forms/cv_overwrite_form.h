#pragma once
// The question before a save over a catalogue that someone else has replaced
// on disk since this program read or saved it (another program, or a second
// copy of this one): overwrite it, save under another name, or cancel.

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_three_answer_form.h"

class TOverwriteForm : public TThreeAnswerForm {
 public:
  class TOverwriteButton1 : public TOverwriteButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };
  class TSaveAsButton1 : public TSaveAsButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };
  class TCancelButton1 : public TCancelButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };

  TOwned<TOverwriteButton1> OverwriteButton;
  TOwned<TSaveAsButton1> SaveAsButton;
  TOwned<TCancelButton1> CancelButton;

  void OnCreate() override;
  void OnShow() override;
  // Closing the question by its title bar cancels the save.
  void OnCloseQuery() override;
};

extern TOwned<TOverwriteForm> OverwriteForm;

// Shows the question when a workflow step asks for it; true when it did.
bool ShowOverwriteQuestionFor(TWorkflowStep Step);
