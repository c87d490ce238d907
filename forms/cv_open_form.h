#pragma once
// The open form opens a database file by its name. Its OK, the default
// database at start-up and the answer to the save-changes question all go
// through OpenDatabaseFile / OpenPendingDatabase below.

#include <string>
#include <string_view>

#include "vc/vc_form.h"

class TOpenForm : public TForm {
 public:
  // The file to open once the question whether to save the changes of the
  // loaded database has been answered.
  std::string PendingPath;

  void OnCreate() override;
};

extern TOwned<TOpenForm> OpenForm;

// What the open form's OK does with the typed name P: checks that the file
// exists (a message on the error form if not), asks first whether to save the
// changes of the loaded database, and otherwise loads P at once. Returns true
// when P has been loaded now.
bool OpenDatabaseFile(std::string_view P);
// Opens the file named when the question was asked (the answer has been given).
bool OpenPendingDatabase();
// True when P names a file that can be opened for reading. An empty name
// never does.
bool DatabaseFileExists(std::string_view P);
// After the loaded database has been replaced: the forms that may show the
// previous one are hidden or told to rebuild.
void RefreshDatabaseForms();
