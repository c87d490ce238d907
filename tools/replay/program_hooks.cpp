#include "tools/replay/program_hooks.h"

#include <exception>
#include <cstdio>
#include <string>

#include "app/corvala.h"
#include "catalogue/cv_globals.h"
#include "forms/cv_list_form.h"
#include "forms/cv_list_item_form.h"
#include "forms/cv_encyclopedia_form.h"
#include "forms/cv_exit_form.h"
#include "forms/cv_help_form.h"
#include "forms/cv_main_form.h"
#include "forms/cv_observatory_form.h"
#include "forms/cv_recovery_form.h"
#include "platform/cp1250.h"
#include "platform/headless_backend.h"
#include "rastrix/display.h"

namespace replay {

namespace {

void AppendUtf8Quoted(std::string& Out, std::string_view Text) {
  Out.push_back('"');
  for (char c : cp1250::ToUtf8(Text)) {
    if (c == '"' || c == '\\') Out.push_back('\\');
    Out.push_back(c);
  }
  Out.push_back('"');
}

// `program show-item N`: the record whose IndexOfItem is N in the item view,
// as the list form's view button would show it.
std::string ShowItemCommand(std::string_view Rest) {
  int32_t index = 0;
  try {
    size_t used = 0;
    index = std::stoi(std::string(Rest), &used);
    if (used != Rest.size()) return "show-item wants a record number";
  } catch (const std::exception&) {
    return "show-item wants a record number";
  }
  for (const TNebula& nebula : Catalogue().Nebulas) {
    if (nebula.IndexOfItem != index) continue;
    ShowListItem(nebula);
    return {};
  }
  return "no record has the number " + std::to_string(index);
}

}  // namespace

// The item view's picture: the load's result code and the picture's size.
std::string ItemViewStateLine() {
  std::string line = "item-view name=";
  if (!ListItemForm) return line + "\"\"\n";
  AppendUtf8Quoted(line, ListItemForm->NameOfNebula);
  const TListItemForm::TPicturePanel& panel = *ListItemForm->PicturePanel;
  line += " result=" + std::to_string(panel.Result_);
  line += " picture=" + std::to_string(panel.Picture.ImageWidth) + "x" + std::to_string(panel.Picture.ImageHeight);
  line += '\n';
  return line;
}

// The observatory: its simulated UTC instant with the milliseconds into the
// minute, the speed, the position, how many nebulae the map lists and which
// one is focused (-1 none).
std::string ObservatoryStateLine() {
  std::string line = "observatory";
  if (!ObservatoryForm) return line + "\n";
  const TObservatoryForm& o = *ObservatoryForm;
  char text[160];
  std::snprintf(text, sizeof text,
                " utc=%04d-%02d-%02d %02d:%02d residual=%d speed=%d latitude=%.5f longitude=%.5f listed=%zu "
                "focused=%d\n",
                o.Clock.UTCTime.Year, o.Clock.UTCTime.Month, o.Clock.UTCTime.Day, o.Clock.UTCTime.Hour,
                o.Clock.UTCTime.Minute, o.Clock.Residual, static_cast<int>(o.Clock.Speed), o.Latitude, o.Longitude,
                o.ObservingNebulas.size(), o.FocusedNebula);
  return line + text;
}

// The list form: how many records it shows, the selected row, the sort
// column (1 to 10) and direction, and the name in the first visible row.
std::string ListStateLine() {
  std::string line = "list rows=";
  if (!ListForm) return line + "0\n";
  const TListForm& list = *ListForm;
  line += std::to_string(list.ShownCount());
  line += " selected=" + std::to_string(list.ActiveLine);
  line += " sort=" + std::to_string(static_cast<int>(list.SortType) + 1);
  line += list.Direction == D_Up ? " direction=up" : " direction=down";
  line += " first=";
  AppendUtf8Quoted(line, list.ListPanels[1][0]->ShowedText);
  line += '\n';
  return line;
}

std::string DatabaseStateLine() {
  // The first line's format is fixed for every script that reads it; the file
  // binding follows on a line of its own.
  std::string line = "database loaded=";
  line += Catalogue().Loaded ? "1" : "0";
  line += " modified=";
  line += Catalogue().Modified ? "1" : "0";
  line += " records=" + std::to_string(Catalogue().Nebulas.size());
  line += " terminate=";
  line += Terminate ? "1" : "0";
  line += "\ndatabase-file path=";
  AppendUtf8Quoted(line, Catalogue().DatabaseFile);
  line += " name=";
  AppendUtf8Quoted(line, Catalogue().DatabaseInfo.NameOfDatabase.View());
  line += '\n';
  return line;
}

std::string MainFormStateLine() {
  std::string line = "main highlight=";
  std::string_view highlighted;
  if (MainForm) {
    const TMainForm& m = *MainForm;
    const TMainFormButton* buttons[] = {m.FileButton.Get(),    m.DatabaseButton.Get(), m.ObservatoryButton.Get(),
                                        m.EncyclopediaButton.Get(), m.SettingsButton.Get(), m.HelpButton.Get(),
                                        m.AboutButton.Get(),   m.ExitButton.Get(),     m.OpenedWindowsButton.Get()};
    for (const TMainFormButton* button : buttons)
      if (button->Highlighted()) highlighted = button->Title;
  }
  AppendUtf8Quoted(line, highlighted);
  line += " windows=";
  bool first = true;
  if (MainForm) {
    for (const TOwned<TDatabaseMenuItem>& item : MainForm->OpenedWindowsItems) {
      if (item->GetX() >= SCREEN_WIDTH) continue;
      if (!first) line += ',';
      AppendUtf8Quoted(line, item->Title);
      first = false;
    }
  }
  line += '\n';
  return line;
}

std::string StatusStateLine() {
  std::string line = "status catalogue=";
  if (MainForm) {
    AppendUtf8Quoted(line, MainForm->StatusBar->CatalogueText());
    line += MainForm->StatusBar->SavedNoteShown() ? " saved=1\n" : " saved=0\n";
  } else {
    line += "\"\" saved=0\n";
  }
  return line;
}

std::string BooksStateLine() {
  const auto state = [](const TBook* B) {
    if (B == nullptr) return std::string("-");
    return std::to_string(B->GetPageNumber()) + "," + std::to_string(B->GetLine()) + "," +
           std::to_string(B->GetLineSize());
  };
  return "books encyclopedia=" + state(EncyclopediaForm ? EncyclopediaForm->Book.Get() : nullptr) +
         " help=" + state(HelpForm ? HelpForm->Book.Get() : nullptr) + "\n";
}

std::string RecoveryStateLine() {
  std::string line = "recovery asking=";
  const TRecoveryOffer* offer = RecoveryForm ? RecoveryForm->Current() : nullptr;
  if (offer == nullptr || !RecoveryForm->Visible) return line + "0\n";
  line += offer->Kind == TRecoveryKind::Copy ? "copy" : "leftover";
  line += " file=";
  AppendUtf8Quoted(line, offer->File);
  line += " original=";
  AppendUtf8Quoted(line, offer->Original);
  line += " records=" + std::to_string(offer->Records) + "\n";
  return line;
}

std::string ProgramCommand(std::string_view Text) {
  const std::size_t space = Text.find(' ');
  const std::string_view verb = Text.substr(0, space);
  const std::string_view rest = space == std::string_view::npos ? std::string_view() : Text.substr(space + 1);
  if (verb == "modify") {
    // Stands in for an edit of the loaded database by a form.
    if (!Catalogue().Loaded) return "no database is loaded";
    const cp1250::Conversion name = cp1250::FromUtf8(rest);
    if (!name.ok) return "the name has a character outside Windows-1250";
    Catalogue().DatabaseInfo.NameOfDatabase = name.text;
    Catalogue().Modified = true;
    return {};
  }
  if (verb == "show-item") return ShowItemCommand(rest);
  if (verb == "close-request") {
    // The desktop's close button or Alt+F4.
    auto* host = dynamic_cast<platform::HeadlessBackend*>(&platform::Current());
    if (host == nullptr) return "the backend cannot be asked to close";
    host->RequestClose();
    return {};
  }
  return "unknown program command '" + std::string(verb) + "'";
}

Application ProgramApplication() {
  return Application{
      []() -> TApplication* { return CreateDatabaseApplication(); },
      []() {
        return DatabaseStateLine() + MainFormStateLine() + ItemViewStateLine() + ListStateLine() +
               ObservatoryStateLine() + BooksStateLine() + StatusStateLine() +
               RecoveryStateLine();
      },
      &ProgramCommand,
      &ReleaseDatabaseApplication,
  };
}

}  // namespace replay
