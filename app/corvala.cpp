#include "app/corvala.h"

#include <array>
#include <memory>
#include <cstdio>

#include "forms/cv_about_form.h"
#include "forms/cv_add_form.h"
#include "forms/cv_delete_form.h"
#include "forms/cv_encyclopedia_form.h"
#include "forms/cv_error_form.h"
#include "forms/cv_exit_form.h"
#include "forms/cv_file_new_form.h"
#include "forms/cv_fullscreen_form.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_recovery.h"
#include "forms/cv_help_form.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_list_form.h"
#include "forms/cv_list_item_form.h"
#include "forms/cv_main_form.h"
#include "forms/cv_observatory_form.h"
#include "forms/cv_open_form.h"
#include "forms/cv_overwrite_form.h"
#include "forms/cv_question_form.h"
#include "forms/cv_question_form2.h"
#include "forms/cv_question_form3.h"
#include "forms/cv_recovery_form.h"
#include "forms/cv_save_as_form.h"
#include "catalogue/cv_settings.h"
#include "forms/cv_settings_form.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/signals.h"
#include "platform/user_folders.h"
#include "platform/vk.h"
#include "rastrix/rastrix.h"
#include "vc/vc_base.h"

TDatabase* Database = nullptr;
std::string StartupCatalogue;

namespace {

// The application fonts, entries 1 to 5 of LoadedFonts.
constexpr std::array<std::string_view, 5> kFontFiles = {
    "Fonts\\TNR_11pt_normal.fnt",      "Fonts\\TNR_11pt_bold.fnt", "Fonts\\Garamond_12pt_normal.fnt",
    "Fonts\\TNR_9pt_normal.fnt",       "Fonts\\TNR_14pt_bold.fnt",
};

// Their indexes in LoadedFonts are fixed at start-up; a font leaves the list
// when it goes.
std::array<std::unique_ptr<TFont>, 5> g_fonts;

template <class T>
void CreateForm(TOwned<T>& Slot, std::string_view Title, uint32_t Width, uint32_t Height,
                TPositionType PositionType = PT_Normal) {
  Slot = new T();
  Slot->CreateComponent(&Slot, PositionType, FS_Classic, Title, Width, Height);
}

// The catalogue the start opens once the recovery questions are answered.
std::string g_opening;

void OpenStartCatalogue(bool RecoveredOpened) {
  if (!RecoveredOpened && !g_opening.empty()) OpenDatabaseFile(g_opening);
  g_opening.clear();
}

// Settings this run changed, written at the end however it comes.
void KeepSettings() {
  if (SettingsWorthWriting() && !WriteSettings())
    std::fprintf(stderr, "corvala: Nastavenia sa nepodarilo zapísať do súboru \"%s\".\n",
                 platform::NativePath(SettingsFile()).c_str());
}

}  // namespace

TDatabase* CreateDatabaseApplication() {
  Database = new TDatabase();
  Database->Create("Corvala");
  return Database;
}

void TDatabase::OnCreate() {
  ClearingVirtualScreen = false;  // the main form covers the whole screen

  // A second running copy is told when it opens a catalogue this one has open.
  Catalogue().LockFiles = true;
  Terminate = false;

  FirstCycle = true;
  AllScreen = TViewport{0, 0, 1023, 1023};
  // Before the first frame, so that a night-adapted eye sees no white flash.
  SetNightMode(ReadNightMode());

  // A missing font only leaves its texts undrawn; its entry keeps its index.
  for (std::size_t i = 0; i < kFontFiles.size(); ++i) {
    g_fonts[i] = std::make_unique<TFont>();
    LoadedFonts.push_back(g_fonts[i].get());
  }
  for (std::size_t i = 0; i < kFontFiles.size(); ++i) {
    uint8_t result = 0;
    LoadFNTFont(kFontFiles[i], *g_fonts[i], result);
  }

  CreateForm(MainForm, "Databáza"_cp, 1024, 768, PT_Always_On_The_Bottom);
  CreateForm(ExitForm, "Koniec", 293, 150);
  CreateForm(ErrorForm, "Chyba", 300, 180);
  CreateForm(DeleteForm, "Odstránenie položky"_cp, 300, 180);
  CreateForm(QuestionForm, "Otázka"_cp, 300, 180);
  CreateForm(QuestionForm2, "Otázka"_cp, 300, 180);
  CreateForm(QuestionForm3, "Otázka"_cp, 300, 180);
  CreateForm(FileNewForm, "Nový súbor"_cp, 355, 290);
  CreateForm(OpenForm, "Otvoriť súbor"_cp, 355, 170);
  CreateForm(SaveAsForm, "Uložiť ako"_cp, 355, 170);
  CreateForm(ListForm, "Výpis položiek"_cp, 949, 600);
  CreateForm(AddForm, "Pridať položku"_cp, 713, 321);
  CreateForm(ReviseForm, "Upraviť položku"_cp, 713, 321);
  CreateForm(ListItemForm, "Výpis položky"_cp, 880, 499);
  CreateForm(FullscreenForm, "Fullscreen", 1024, 768);
  CreateForm(InformationsForm, "Informácie o databáze"_cp, 355, 200);
  CreateForm(SettingsForm, "Nastavenia", 409, 350);
  CreateForm(ObservatoryForm, "Hvezdáreň"_cp, 650, 440);
  CreateForm(EncyclopediaForm, "Encyklopédia"_cp, 500, 400);
  CreateForm(HelpForm, "Pomoc", 500, 400);
  CreateForm(AboutForm, "O programe", 600, 362);
  CreateForm(RecoveryForm, "Obnova databázy"_cp, TThreeAnswerForm::WIDTH, TThreeAnswerForm::HEIGHT);
  CreateForm(OverwriteForm, "Otázka"_cp, TThreeAnswerForm::WIDTH, TThreeAnswerForm::HEIGHT);

  for (PComponentBase slot : Toolkit().AllForms) DerefAs<TForm>(slot)->IsMaximizeButton = false;
  // The two screen-sized forms hang their title bars above the screen.
  MainForm->IsMaximizeButton = true;
  MainForm->CenterY = false;
  MainForm->SetY(-32);
  FullscreenForm->CenterY = false;
  FullscreenForm->SetY(-32);
  MainForm->Show(ST_Unmodal);

  SetMessageHandler(ShowOnErrorForm);
  platform::EndNowOnRequest() = [](int signal_number) {
    EndOnSignal(signal_number);
    KeepSettings();
  };
  Toolkit().Focused = &MainForm;
}

void TDatabase::OnEndCycle() {
  if (const int signal = platform::TakeTerminationSignal()) {
    // Nobody is there to answer a question: end now, keeping what can be kept.
    if (FirstCycle) ReadSettings();
    EndOnSignal(signal);
    return;
  }
  Finish = Terminate;

  if (FirstCycle) {
    // A missing or damaged settings file leaves the defaults in place.
    ReadSettings();
    if (!StartupCatalogue.empty()) {
      g_opening = StartupCatalogue;
    } else if (Settings.UseImplicitDatabase) {
      g_opening = Settings.ImplicitDatabase.Str();
    }
    FirstCycle = false;
    // What an earlier run left behind is offered first; the catalogue opens
    // after the answers, unless a recovered version of it was opened.
    RecoveryForm->Ask(FindRecoveryOffers(g_opening), &OpenStartCatalogue);
  }

  if (KeyPressed(vk::SNAPSHOT)) SaveSnapshot();
  if (KeyPressed(vk::F1 + 8)) ToggleNightMode();
}

void ToggleNightMode() {
  SetNightMode(!NightMode());
  if (!WriteNightMode(NightMode()))
    std::fprintf(stderr, "corvala: Nočný režim sa nepodarilo zapísať do súboru \"%s\".\n",
                 platform::NativePath(SettingsFolder() + std::string(NIGHT_MODE_FILE)).c_str());
}

std::string EndOnSignal(int Signal) {
  const TRecoveryResult copy = SaveRecoveryCopy();
  if (copy) {
    std::fprintf(stderr, "corvala: %s: neuložené zmeny databázy sú v súbore \"%s\"; ponúkne ich ďalšie spustenie.\n",
                 platform::SignalName(Signal), platform::AbsolutePath(platform::NativePath(copy.Produced)).c_str());
  } else if (copy.Code == TRecoveryError::Unwritten) {
    std::fprintf(stderr, "corvala: %s: neuložené zmeny databázy \"%s\" sa nepodarilo uložiť.\n",
                 platform::SignalName(Signal), platform::NativePath(Catalogue().DatabaseFile).c_str());
  }
  Terminate = true;
  if (Database != nullptr) {
    Database->Finish = true;
    Database->FirstCycle = false;
  }
  return copy.Produced;
}

void TDatabase::Epilogue() {
  KeepSettings();
  FreeThumbnails();
}

void TDatabase::OnFree() {
  SetMessageHandler(nullptr);
  platform::EndNowOnRequest() = nullptr;
  for (std::unique_ptr<TFont>& font : g_fonts) font.reset();
}

void TDatabase::OnCloseRequest() {
  // A modal dialog is a question being asked; it is answered first, and the
  // exit form shown now would only take its keyboard focus away.
  for (PComponentBase slot : Toolkit().OpenedWindows) {
    const TForm* form = DerefAs<TForm>(slot);
    if (form != nullptr && form->Visible && form->GetShowType() == ST_Modal) return;
  }
  AskToQuit();
}

std::string SnapshotFileName(const platform::SystemTime& T) {
  char name[96];
  std::snprintf(name, sizeof name, "SnapShots\\%u_%u_%u_%u_%u_%u.bmp", unsigned{T.Day}, unsigned{T.Month},
                unsigned{T.Year}, unsigned{T.Hour}, unsigned{T.Minute}, unsigned{T.Second});
  return name;
}

bool SaveSnapshot() {
  const std::string name = SnapshotFileName(platform::Current().LocalTime());
  // Made on the first screenshot; an existing folder stays as it is. (Probing
  // it by writing and deleting a file would destroy a file of that name.)
  platform::CreateFolder("SnapShots");
  const TViewport all = Database != nullptr ? Database->AllScreen : TViewport{0, 0, 1023, 1023};
  if (SaveBMPPicture(all, name)) return true;
  std::string message = "Snímku obrazovky sa nepodarilo uložiť do súboru \""_cps;
  message.append(name);
  message.append("\"!");
  ShowErrorMessage(message);
  return false;
}

void ReleaseDatabaseApplication() {
  if (Database == nullptr) return;
  TApplication::Release(Database);
  Database = nullptr;
  RenewCatalogue();
}
