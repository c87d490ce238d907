#include "forms/cv_informations_form.h"

#include "catalogue/cv_globals.h"
#include "platform/cp1250.h"

TOwned<TInformationsForm> InformationsForm;

void TInformationsForm::OnOK() {
  TInformationsForm& form = *this;
  const TShortString name(form.NameEdit->Text), author(form.AuthorEdit->Text),
      description(form.DescriptionEdit->Text);
  // A changed header is a change like any other: it is saved or asked about
  // before the database is left, never dropped unnoticed.
  if (!(name == DatabaseInfo.NameOfDatabase && author == DatabaseInfo.Autor &&
        description == DatabaseInfo.Description)) {
    DatabaseInfo.NameOfDatabase = name;
    DatabaseInfo.Autor = author;
    DatabaseInfo.Description = description;
    Modified = true;
  }
  form.ClearEdits();
  form.Hide();
}

void TInformationsForm::OnDraw() {
  DrawFileFormLabels(RealCanvasPos,
                     {{"Nazov databázy: "_cp, 20}, {"Autor databázy: "_cp, 60}, {"Popis databázy: "_cp, 100}});
}

void TInformationsForm::OnCheck() {
  if (Refresh) {
    NameEdit->SetText(DatabaseInfo.NameOfDatabase.View());
    AuthorEdit->SetText(DatabaseInfo.Autor.View());
    DescriptionEdit->SetText(DatabaseInfo.Description.View());
    Refresh = false;
  }
  TFieldsForm::OnCheck();
}

void TInformationsForm::Open() {
  Show(ST_Unmodal);
  Refresh = true;
}
