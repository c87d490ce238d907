#pragma once
// The new-database form: a file name, a name, an author and a description
// start an empty database in memory. The model (cv_database_workflow) keeps
// the four texts while the save question is asked.

#include <string_view>

#include "catalogue/cv_database_workflow.h"
#include "forms/cv_file_form_parts.h"

class TFileNewForm : public TFieldsForm {
 public:
  TOwned<TEdit> PathEdit;
  TOwned<TEdit> NameEdit;
  TOwned<TEdit> AuthorEdit;
  TOwned<TEdit> DescriptionEdit;

  TFileNewForm() : TFieldsForm({&PathEdit, &NameEdit, &AuthorEdit, &DescriptionEdit}) {}
  void OnOK() override;
  void OnDraw() override;
  // How the creation it asked for ended, at once or after the question.
  void Finished(TWorkflowStep Step);
};

extern TOwned<TFileNewForm> FileNewForm;

// What the form's OK does: checks that a file can be made at P (a message if
// not), asks first whether to save the changes of the loaded database, and
// otherwise starts the new database at once. Returns true when it has been
// started now.
bool CreateNewDatabase(std::string_view P, std::string_view Name, std::string_view Author,
                       std::string_view Description);
