#pragma once
// The open form opens a database file by its name. Its OK and the default
// database at start-up go through OpenDatabaseFile below; the model
// (cv_database_workflow) keeps the opening while the save question is asked.

#include <string_view>

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_file_form_parts.h"

class TOpenForm : public TFileNameForm {
 public:
  void OnOK() override;
  // How the opening it asked for ended, at once or after the question.
  void Finished(TWorkflowStep Step);
};

extern TOwned<TOpenForm> OpenForm;

// What the open form's OK does with the typed name P: checks that the file
// exists (a message on the error form if not), asks first whether to save the
// changes of the loaded database, and otherwise loads P at once. Returns true
// when P has been loaded now.
bool OpenDatabaseFile(std::string_view P);
