#pragma once
// Saves the loaded database under another file name (an existing file is
// overwritten); records entered without a database become one there.

#include "forms/cv_file_form_parts.h"

class TSaveAsForm : public TFileNameForm {
 public:
  void OnOK() override;
};

extern TOwned<TSaveAsForm> SaveAsForm;
