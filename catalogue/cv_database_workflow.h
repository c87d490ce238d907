#pragma once
// The database workflows the forms drive: open, new, save, save as and quit.
// Opening, creating and quitting with unsaved changes wait behind the question
// whether to save them first; the operation is kept here, not on a form, and
// the answer carries it on. The model shows nothing itself: a message goes
// through ShowErrorMessage, and the caller shows the question when a request
// answers AskToSave. Views learn of the result through the catalogue's Revision
// (cv_database_watch); nobody is told directly but the requester.
//
//   Requester (a form's OK)        Model                        Question form
//   RequestOpen(P, Finished)  -->  AskToSave (pending: Open P)
//   shows its question      ------------------------------->  Yes / No
//                                  AnswerSaveQuestion(Save) <--  (hides itself)
//   Finished(Done / ...)     <--   saves if asked, opens P

#include <cstdint>
#include <string>
#include <string_view>

enum class TWorkflowStep : uint8_t {
  Done,        // carried out
  Refused,     // not carried out; the reason has gone to the user
  AskToSave,   // waits: ask whether to save the changes, then call AnswerSaveQuestion
  SaveFailed,  // the save asked for first failed (reported); the operation is dropped and the changes stay
  // waits: the file was replaced on disk since it was read or saved here (by
  // another program, or a second copy of this one); ask whether to overwrite
  // it, save under another name or cancel, then call AnswerOverwriteQuestion
  AskToOverwrite,
};

enum class TOverwriteAnswer : uint8_t { Overwrite, SaveAs, Cancel };

enum class TDatabaseOperation : uint8_t { None, Open, New, Quit };

// Tells the requester how its operation ended: at once, or after the question
// has been answered. Never called with AskToSave.
using TWorkflowFinished = void (*)(TWorkflowStep Step);

// The operation waiting for the answer to the save question, if any; the
// loaded catalogue keeps it (TCatalogue::Pending).
struct TPendingOperation {
  TDatabaseOperation Operation = TDatabaseOperation::None;
  std::string Path;  // Open, New
  std::string Name, Author, Description;  // New
  TWorkflowFinished Finished = nullptr;
};

// Opens the database file P. A missing file is reported as
// "Súbor "P" neexistuje!"; a file that is not a sound database by LoadDatabase.
TWorkflowStep RequestOpen(std::string_view P, TWorkflowFinished Finished = nullptr);
// Starts an empty database bound to P (nothing is written until a save). A
// name at which no file can be created is reported as ""P" je neplatná cesta!".
TWorkflowStep RequestNew(std::string_view P, std::string_view Name, std::string_view Author,
                         std::string_view Description, TWorkflowFinished Finished = nullptr);
// Nothing to save stands in the way of quitting any more: Done (the requester
// ends the program). With unsaved changes it waits behind the question.
TWorkflowStep RequestQuit(TWorkflowFinished Finished = nullptr);
// Writes the loaded database to its file (nothing without one); a file that
// changed on disk meanwhile is not written over without the question.
TWorkflowStep RequestSave();
// Binds the database to P (a database is made of records entered without one)
// and writes it there; an existing file is overwritten. A name at which no
// file can be created is refused as in RequestNew; a failed write keeps the
// previous binding.
TWorkflowStep RequestSaveAs(std::string_view P);

// The answer to the save question: Save writes the loaded database first
// (SaveFailed when that fails, AskToOverwrite when its file changed on disk).
// Then the pending operation is carried out and its requester told. Without a
// pending operation nothing happens (Refused).
TWorkflowStep AnswerSaveQuestion(bool Save);
// The answer to the question about a file changed on disk. Overwrite saves
// and carries on what waited behind the save, as AnswerSaveQuestion(true)
// would. SaveAs and Cancel write nothing: a waiting operation is dropped (its
// requester hears SaveFailed) and the changes stay; for SaveAs the caller
// then shows the save-as form. Refused when no such question was asked.
TWorkflowStep AnswerOverwriteQuestion(TOverwriteAnswer Answer);
// Whether the overwrite question waits for its answer.
bool OverwriteQuestionWaiting();

// Forgets the pending operation (the question was closed unanswered).
void CancelPendingOperation();

// The file-name checks of the forms; neither alters a file. An empty name
// passes neither, nor does a name longer than the 255 bytes the file's
// header can record pass the second.
bool DatabaseFileExists(std::string_view P);  // a regular file is there
bool DatabaseFileCreatable(std::string_view P);  // a file can be written at P
