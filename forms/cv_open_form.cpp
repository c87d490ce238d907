#include "forms/cv_open_form.h"

#include <cstdio>

#include "forms/cv_add_form.h"
#include "forms/cv_error_form.h"
#include "forms/cv_globals.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_list_form.h"
#include "forms/cv_list_item_form.h"
#include "forms/cv_picture_buttons.h"
#include "forms/cv_question_form2.h"
#include "platform/cp1250.h"
#include "platform/files.h"

TOwned<TOpenForm> OpenForm;

void TOpenForm::OnCreate() { LoadProgramPicture("Pictures\\Icon.bmp", Icon); }

bool DatabaseFileExists(std::string_view P) {
  if (P.empty()) return false;
  std::FILE* f = platform::OpenFile(P, "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

void RefreshDatabaseForms() {
  if (InformationsForm) InformationsForm->Refresh = true;
  if (ListItemForm) ListItemForm->Hide();
  if (ReviseForm) ReviseForm->Hide();
  if (ListForm) ListForm->Refresh = true;
}

namespace {

// Loads P; on success the open form is done and hides. A rejected file has
// been reported by the catalogue and the form stays as it is.
bool LoadAndHide(std::string_view P) {
  const bool loaded = LoadDatabase(P);
  if (loaded) OpenForm->Hide();
  return loaded;
}

}  // namespace

bool OpenDatabaseFile(std::string_view P) {
  bool loaded = false;
  if (!DatabaseFileExists(P)) {
    std::string message = "Súbor \""_cps;
    message.append(P);
    message.append("\" neexistuje!"_cp);
    ShowErrorMessage(message);
  } else if (Loaded && Modified) {
    OpenForm->PendingPath.assign(P);
    QuestionForm2->Show(ST_Modal);
  } else {
    loaded = LoadAndHide(P);
    RefreshDatabaseForms();
  }
  if (ListForm) ListForm->Refresh = true;
  return loaded;
}

bool OpenPendingDatabase() {
  const std::string path = std::move(OpenForm->PendingPath);
  OpenForm->PendingPath.clear();
  const bool loaded = LoadAndHide(path);
  RefreshDatabaseForms();
  return loaded;
}
