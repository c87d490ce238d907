#include "forms/cv_informations_form.h"

#include "catalogue/cv_globals.h"
#include "platform/cp1250.h"

TOwned<TInformationsForm> InformationsForm;

void TInformationsForm::OnOK() {
  TInformationsForm& form = *this;
  SetDatabaseHeader(form.NameEdit->Text, form.AuthorEdit->Text, form.DescriptionEdit->Text);
  form.ClearEdits();
  form.Hide();
}

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
  TFieldsForm::OnCheck();
}

void TInformationsForm::Open() {
  Show(ST_Unmodal);
  Refresh = true;
}
