#include "forms/cv_file_new_form.h"

#include "catalogue/cv_globals.h"
#include "forms/cv_open_form.h"
#include "forms/cv_picture_buttons.h"

TOwned<TFileNewForm> FileNewForm;

void TFileNewForm::OnCreate() { LoadProgramPicture("Pictures\\Icon.bmp", Icon); }

void CreatePendingDatabase() {
  TFileNewForm& form = *FileNewForm;
  NewDatabase(form.PendingPath, form.PendingName, form.PendingAuthor, form.PendingDescription);
  form.PendingPath.clear();
  form.PendingName.clear();
  form.PendingAuthor.clear();
  form.PendingDescription.clear();
  form.Hide();
  RefreshDatabaseForms();
}
