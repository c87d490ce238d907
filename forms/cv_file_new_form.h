#pragma once
// The new-database form: a file name, a name, an author and a description
// start an empty database in memory.

#include <string>
#include <string_view>

#include "vc/vc_form.h"

class TFileNewForm : public TForm {
 public:
  // The texts of the database to create once the question whether to save
  // the changes of the loaded database has been answered.
  std::string PendingPath;
  std::string PendingName;
  std::string PendingAuthor;
  std::string PendingDescription;

  void OnCreate() override;
};

extern TOwned<TFileNewForm> FileNewForm;

// Creates the database the form holds and puts the other forms in step with it.
void CreatePendingDatabase();
