#include "forms/cv_add_form.h"

#include <array>
#include <string>
#include <utility>

#include "catalogue/cv_globals.h"
#include "catalogue/cv_number_text.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

TOwned<TAddForm> AddForm;
TOwned<TAddForm> ReviseForm;

namespace {

constexpr uint32_t EDIT_WIDTH = 200;
constexpr uint32_t EDIT_HEIGHT = 20;

struct TLabelText {
  std::string_view Text;
  int32_t X;
  int32_t Y;
};

constexpr std::array<TLabelText, 9> kLabels = {{
    {"Názov hmloviny: "_cp, 20, 20},
    {"Index v NGC: "_cp, 380, 20},
    {"Rektascenzia [h]: "_cp, 20, 60},
    {"Deklinácia [°]: "_cp, 380, 60},
    {"Vzdialenosť [ly]: "_cp, 20, 100},
    {"Magnitúda: "_cp, 380, 100},
    {"Typ hmloviny: "_cp, 20, 140},
    {"Obrázok: "_cp, 380, 140},
    {"Popis: "_cp, 20, 180},
}};

constexpr std::string_view kNote =
    "Pozn.: Cestu k obrázku zapisujte ako relatívnu cestu voči adrese kde je uložená databáza."_cp;

void CreateEdit(TOwned<TEdit>& Slot, int32_t X, int32_t Y) {
  Slot = new TEdit();
  Slot->CreateComponent(&Slot, X, Y, EDIT_WIDTH, EDIT_HEIGHT);
  if (LoadedFonts.size() > 3 && LoadedFonts[3] != nullptr) Slot->SetFont(LoadedFonts[3]);
}

}  // namespace

std::string_view NumberFieldMessage(int Field) {
  static constexpr std::array<std::string_view, 5> kMessages = {
      "Index v NGC katalógu musí byť celé prirodzené číslo"_cp,
      "Rektascenzia musí byť reálne číslo"_cp,
      "Deklinácia musí byť reálne číslo"_cp,
      "Vzdialenosť musí byť reálne číslo"_cp,
      "Magnitúda  musí byť reálne číslo"_cp,
  };
  return kMessages[static_cast<std::size_t>(Field)];
}

void TAddForm::OnOK() { Accept(); }

void TAddForm::OnCancel() { Discard(); }

void TAddForm::OnCreate() {
  LoadFormIcon(*this);
  // Creation order is the focus order.
  CreateEdit(NameEdit, 140, 17);
  CreateEdit(NGCEdit, 484, 17);
  CreateEdit(RectEdit, 140, 57);
  CreateEdit(DecEdit, 484, 57);
  CreateEdit(DistanceEdit, 140, 97);
  CreateEdit(MagEdit, 484, 97);
  CreateEdit(PictureEdit, 484, 137);
  CreateEdit(DescriptionEdit, 140, 177);
  TypeComboBox = new TComboBox();
  TypeComboBox->CreateComponent(&TypeComboBox, 140, 137, 200);
  for (int t = 0; t < TYPE_OF_NEBULA_COUNT; ++t)
    TypeComboBox->AddItem(TypeOfNebulaText(static_cast<TTypeOfNebula>(t)));
  CreateDialogButton(OKButton, 239, 245);
  CreateDialogButton(CancelButton, 380, 245);
}

void TAddForm::OnFree() { FreeBMPPicture(Icon); }

void TAddForm::OnDraw() {
  const int32_t x = RealCanvasPos.X1;
  const int32_t y = RealCanvasPos.Y1;
  const TFont& bold = ProgramFont(2);
  SetColor(0, 0, 100, 0);
  for (const TLabelText& label : kLabels) WriteText(x + label.X, y + label.Y, bold, label.Text);
  SetColor(0, 0, 0, 0);
  Line(x + 20, y + 285, RealCanvasPos.X2 - 20, y + 285);
  WriteAlignedText(x + 20, y + 295, 700, ProgramFont(1), kNote);
}

void TAddForm::OnShow() {
  ShownDatabase.Seen();
  seen_revision_ = Catalogue().Revision;
  PositionOfFocusedComponent = 3;
  NameEdit->CatchFocus();
}

void TAddForm::OnCheck() {
  if (this == ReviseForm.Get() && Visible) {
    if (ShownDatabase.Changed()) {
      Hide();
      return;
    }
    // The record may have moved (sorting, adding, deleting) or be gone.
    if (seen_revision_ != Catalogue().Revision) {
      seen_revision_ = Catalogue().Revision;
      const std::ptrdiff_t at = FindNebula(RecordSerial);
      if (at < 0) {
        Hide();
        Clear();
        return;
      }
      IndexOfItem = static_cast<int32_t>(at);
    }
  }

  // Enter moves on in reading order; in the last field it accepts.
  if (NameEdit->PAccept) NGCEdit->CatchFocus();
  if (NGCEdit->PAccept) RectEdit->CatchFocus();
  if (RectEdit->PAccept) DecEdit->CatchFocus();
  if (DecEdit->PAccept) DistanceEdit->CatchFocus();
  if (DistanceEdit->PAccept) MagEdit->CatchFocus();
  if (MagEdit->PAccept) TypeComboBox->CatchFocus();
  if (TypeComboBox->PAccept) PictureEdit->CatchFocus();
  if (PictureEdit->PAccept) DescriptionEdit->CatchFocus();
  if (DescriptionEdit->PAccept) OKButton->OnMouseLeftClick(-1, -1);
}

bool TAddForm::Accept() {
  TNebula fields;
  bool sound = true;
  auto refuse = [&](TEdit& edit, int field) {
    ShowErrorMessage(NumberFieldMessage(field));
    edit.SetText("");
    sound = false;
  };
  if (!ParseWholeNumber(NGCEdit->Text, fields.NGC)) refuse(*NGCEdit, 0);
  if (!ParseRealNumber(RectEdit->Text, fields.Rect)) refuse(*RectEdit, 1);
  if (!ParseRealNumber(DecEdit->Text, fields.Dec)) refuse(*DecEdit, 2);
  if (!ParseRealNumber(DistanceEdit->Text, fields.Distance)) refuse(*DistanceEdit, 3);
  if (!ParseRealNumber(MagEdit->Text, fields.Magnitude)) refuse(*MagEdit, 4);
  if (!sound) return false;

  const bool adding = this == AddForm.Get();
  std::ptrdiff_t position = -1;
  if (!adding) {
    position = FindNebula(RecordSerial);
    // The record was deleted while the form was open: nothing to revise.
    if (position < 0) {
      Hide();
      Clear();
      return false;
    }
  }

  fields.NameOfNebula = NameEdit->Text;
  fields.Picture = PictureEdit->Text;
  fields.Description = DescriptionEdit->Text;
  const int32_t chosen = TypeComboBox->ChoosedItem;
  if (chosen >= 1 && chosen <= TYPE_OF_NEBULA_COUNT)
    fields.TypeOfNebula = static_cast<TTypeOfNebula>(chosen - 1);
  else if (!adding)
    fields.TypeOfNebula = Catalogue().Nebulas[static_cast<std::size_t>(position)].TypeOfNebula;

  const std::string_view dir = FolderOf(Catalogue().DatabaseInfo.Path.View());
  if (adding) {
    AddNebula(std::move(fields), dir);
  } else {
    ReviseNebula(static_cast<std::size_t>(position), fields, dir);
  }
  Hide();
  Clear();
  return true;
}

void TAddForm::Discard() {
  Hide();
  Clear();
}

void TAddForm::Clear() {
  for (TOwned<TEdit>* edit :
       {&NameEdit, &NGCEdit, &RectEdit, &DecEdit, &DistanceEdit, &MagEdit, &PictureEdit, &DescriptionEdit})
    (*edit)->SetText("");
  TypeComboBox->ChoosedItem = 1;
}

void TAddForm::FillFrom(std::size_t Position) {
  assert(Position < Catalogue().Nebulas.size());
  const TNebula& r = Catalogue().Nebulas[Position];
  IndexOfItem = static_cast<int32_t>(Position);
  RecordSerial = r.Serial;
  seen_revision_ = Catalogue().Revision;
  NameEdit->SetText(r.NameOfNebula.View());
  NGCEdit->SetText(std::to_string(r.NGC));
  RectEdit->SetText(ExactDecimals(r.Rect));
  DecEdit->SetText(ExactDecimals(r.Dec));
  DistanceEdit->SetText(ExactDecimals(r.Distance));
  MagEdit->SetText(ExactDecimals(r.Magnitude));
  TypeComboBox->ChoosedItem = static_cast<int32_t>(r.TypeOfNebula) + 1;
  PictureEdit->SetText(r.Picture.View());
  DescriptionEdit->SetText(r.Description.View());
}
