#include "forms/cv_informations_form.h"

#include "catalogue/cv_globals.h"
#include "forms/cv_file_form_parts.h"
#include "platform/cp1250.h"

TOwned<TInformationsForm> InformationsForm;

void TInformationsForm::TOKButton1::OnMouseLeftClick(int32_t, int32_t) {
  TInformationsForm& form = *InformationsForm;
  SetDatabaseHeader(form.NameEdit->Text, form.AuthorEdit->Text, form.DescriptionEdit->Text);
  form.ClearEdits();
  form.Hide();
}

void TInformationsForm::TCancelButton1::OnMouseLeftClick(int32_t, int32_t) {
  InformationsForm->ClearEdits();
  InformationsForm->Hide();
}

void TInformationsForm::OnCreate() {
  LoadFormIcon(*this);
  CreateFileFormEdit(NameEdit, 17);
  CreateFileFormEdit(AuthorEdit, 57);
  CreateFileFormEdit(DescriptionEdit, 97);
  CreateDialogButton(OKButton, 60, 160);
  CreateDialogButton(CancelButton, 201, 160);
}

void TInformationsForm::OnFree() { FreeBMPPicture(Icon); }

void TInformationsForm::OnDraw() {
  DrawFileFormLabels(RealCanvasPos,
                     {{"Nazov databázy: "_cp, 20}, {"Autor databázy: "_cp, 60}, {"Popis databázy: "_cp, 100}});
}

void TInformationsForm::OnCheck() {
  if (Refresh) {
    NameEdit->SetText(Catalogue().DatabaseInfo.NameOfDatabase.View());
    AuthorEdit->SetText(Catalogue().DatabaseInfo.Autor.View());
    DescriptionEdit->SetText(Catalogue().DatabaseInfo.Description.View());
    Refresh = false;
  }
  if (NameEdit->PAccept) AuthorEdit->CatchFocus();
  else if (AuthorEdit->PAccept) DescriptionEdit->CatchFocus();
  else if (DescriptionEdit->PAccept) OKButton->OnMouseLeftClick(-1, -1);
}

void TInformationsForm::OnShow() {
  PositionOfFocusedComponent = 3;
  NameEdit->CatchFocus();
}

void TInformationsForm::Open() {
  Show(ST_Unmodal);
  Refresh = true;
}

void TInformationsForm::ClearEdits() {
  ClearEdit(*NameEdit);
  ClearEdit(*AuthorEdit);
  ClearEdit(*DescriptionEdit);
}
