#include "catalogue/cv_database_workflow.h"

#include <utility>

#include "catalogue/cv_globals.h"
#include "platform/cp1250.h"
#include "platform/files.h"

namespace {

// A save over a file someone else has replaced since waits for the question.
bool MustAskToOverwrite() { return Catalogue().Loaded && DatabaseFileChangedOnDisk(); }

TWorkflowStep Tell(TWorkflowFinished Finished, TWorkflowStep Step) {
  if (Finished != nullptr) Finished(Step);
  return Step;
}

TWorkflowStep Wait(TPendingOperation Operation) {
  Catalogue().Pending = std::move(Operation);
  return TWorkflowStep::AskToSave;
}

bool ChangesWouldBeLost() { return Catalogue().Loaded && Catalogue().Modified; }

void ReportInvalidPath(std::string_view P) {
  std::string message("\"");
  message.append(P);
  message.append("\" je neplatná cesta!"_cp);
  ShowErrorMessage(message);
}

TWorkflowStep Open(std::string_view P) {
  return LoadDatabase(P) ? TWorkflowStep::Done : TWorkflowStep::Refused;
}

TWorkflowStep Create(const TPendingOperation& New) {
  NewDatabase(New.Path, New.Name, New.Author, New.Description);
  return TWorkflowStep::Done;
}

}  // namespace

bool DatabaseFileExists(std::string_view P) { return platform::FileExists(P); }

bool DatabaseFileCreatable(std::string_view P) {
  // The header keeps the path in a short string: a longer name would be cut
  // short and the save would go to another file.
  if (P.empty() || P.size() > TShortString::Capacity) return false;
  // An existing file is opened for update, which neither truncates nor moves it.
  if (platform::FileExists(P)) return platform::Open(P, "r+b") != nullptr;
  // Otherwise a file is made exclusively (never over one that appeared
  // meanwhile) and removed again.
  if (!platform::Open(P, "wbx")) return false;
  platform::RemoveFile(P);
  return true;
}

TWorkflowStep RequestOpen(std::string_view P, TWorkflowFinished Finished) {
  if (!DatabaseFileExists(P)) {
    std::string message = "Súbor \""_cps;
    message.append(P);
    message.append("\" neexistuje!"_cp);
    ShowErrorMessage(message);
    return Tell(Finished, TWorkflowStep::Refused);
  }
  if (ChangesWouldBeLost()) return Wait({TDatabaseOperation::Open, std::string(P), {}, {}, {}, Finished});
  return Tell(Finished, Open(P));
}

TWorkflowStep RequestNew(std::string_view P, std::string_view Name, std::string_view Author,
                         std::string_view Description, TWorkflowFinished Finished) {
  if (!DatabaseFileCreatable(P)) {
    ReportInvalidPath(P);
    return Tell(Finished, TWorkflowStep::Refused);
  }
  TPendingOperation New{TDatabaseOperation::New, std::string(P), std::string(Name), std::string(Author),
                        std::string(Description), Finished};
  if (ChangesWouldBeLost()) return Wait(std::move(New));
  return Tell(Finished, Create(New));
}

TWorkflowStep RequestQuit(TWorkflowFinished Finished) {
  if (ChangesWouldBeLost()) return Wait({TDatabaseOperation::Quit, {}, {}, {}, {}, Finished});
  return Tell(Finished, TWorkflowStep::Done);
}

TWorkflowStep RequestSave() {
  if (MustAskToOverwrite()) {
    Catalogue().OverwriteWaiting = true;
    return TWorkflowStep::AskToOverwrite;
  }
  return SaveDatabase() ? TWorkflowStep::Done : TWorkflowStep::Refused;
}

TWorkflowStep RequestSaveAs(std::string_view P) {
  if (!DatabaseFileCreatable(P)) {
    ReportInvalidPath(P);
    return TWorkflowStep::Refused;
  }
  const TShortString path = Catalogue().DatabaseInfo.Path;
  const std::string file = Catalogue().DatabaseFile;
  const bool loaded = Catalogue().Loaded;
  Catalogue().DatabaseInfo.Path = P;
  Catalogue().DatabaseFile = Catalogue().DatabaseInfo.Path.Str();
  Catalogue().Loaded = true;
  if (SaveDatabase()) return TWorkflowStep::Done;
  // Plain saving must still go where it went before.
  Catalogue().DatabaseInfo.Path = path;
  Catalogue().DatabaseFile = file;
  Catalogue().Loaded = loaded;
  return TWorkflowStep::Refused;
}

namespace {

TWorkflowStep CarryOn(const TPendingOperation& operation) {
  switch (operation.Operation) {
    case TDatabaseOperation::Open:
      return Tell(operation.Finished, Open(operation.Path));
    case TDatabaseOperation::New:
      return Tell(operation.Finished, Create(operation));
    case TDatabaseOperation::Quit:
      return Tell(operation.Finished, TWorkflowStep::Done);
    case TDatabaseOperation::None:
      break;
  }
  return TWorkflowStep::Refused;
}

}  // namespace

TWorkflowStep AnswerSaveQuestion(bool Save) {
  if (Catalogue().Pending.Operation == TDatabaseOperation::None) return TWorkflowStep::Refused;
  if (Save && MustAskToOverwrite()) {
    // The operation waits on, now behind the overwrite question.
    Catalogue().OverwriteWaiting = true;
    return TWorkflowStep::AskToOverwrite;
  }
  TPendingOperation operation = std::exchange(Catalogue().Pending, TPendingOperation());
  // A failed save has been reported; what would drop the changes is not done.
  if (Save && !SaveDatabase()) return Tell(operation.Finished, TWorkflowStep::SaveFailed);
  return CarryOn(operation);
}

TWorkflowStep AnswerOverwriteQuestion(TOverwriteAnswer Answer) {
  if (!std::exchange(Catalogue().OverwriteWaiting, false)) return TWorkflowStep::Refused;
  TPendingOperation operation = std::exchange(Catalogue().Pending, TPendingOperation());
  if (Answer != TOverwriteAnswer::Overwrite || !SaveDatabase()) {
    Tell(operation.Finished, TWorkflowStep::SaveFailed);
    return Answer == TOverwriteAnswer::Overwrite ? TWorkflowStep::SaveFailed : TWorkflowStep::Refused;
  }
  if (operation.Operation == TDatabaseOperation::None) return TWorkflowStep::Done;
  return CarryOn(operation);
}

bool OverwriteQuestionWaiting() { return Catalogue().OverwriteWaiting; }

void CancelPendingOperation() {
  Catalogue().Pending = TPendingOperation();
  Catalogue().OverwriteWaiting = false;
}
