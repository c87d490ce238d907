#pragma once
// The question before a save over a catalogue that someone else has replaced
// on disk since this program read or saved it (another program, or a second
// copy of this one): overwrite it, save under another name, or cancel.

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_three_answer_form.h"

class TOverwriteForm : public TThreeAnswerForm {
 public:
  TOwned<TNthAnswerButton<TOverwriteButton, 0>> OverwriteButton;
  TOwned<TNthAnswerButton<TSaveAsButton, 1>> SaveAsButton;
  TOwned<TNthAnswerButton<TCancelButton, 2>> CancelButton;

  void OnCreate() override;
  // Overwrite, save under another name, or cancel.
  void OnAnswer(int32_t I) override;
  void OnShow() override;
  // Closing the question by its title bar cancels the save.
  void OnCloseQuery() override;
};

extern TOwned<TOverwriteForm> OverwriteForm;

// Shows the question when a workflow step asks for it; true when it did.
bool ShowOverwriteQuestionFor(TWorkflowStep Step);
