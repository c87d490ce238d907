#pragma once
// The loaded catalogue as one object: its records, its header, the file it is
// bound to and what is known of that file, and the counters views compare
// with. Starting over is destroying it and making a new one (RenewCatalogue),
// so no list of fields to reset by hand can fall behind the fields.

#include <cstdint>
#include <string>

#include "catalogue/cv_nebula.h"
#include "catalogue/cv_database_workflow.h"
#include "platform/file_state.h"

class TCatalogue {
 public:
  // The counters go on from where the previous catalogue of this process left
  // them, so a view that saw the old one sees this one as a replacement.
  TCatalogue();
  ~TCatalogue();
  TCatalogue(const TCatalogue&) = delete;
  TCatalogue& operator=(const TCatalogue&) = delete;

  TNebulas Nebulas;  // length always equals DatabaseInfo.NumberOfItems
  TDatabaseInfo DatabaseInfo;
  bool Loaded = false;
  std::string DatabaseFile;  // program path the loaded database is written to
  bool Modified = false;
  // Raised whenever records are replaced, added or removed, or a thumbnail is
  // released (load, new, add, delete, revise). Anything that keeps copies of
  // records, such as the observatory's list and the list form's view, rebuilds
  // its copies when it sees a new value before drawing them again, because
  // their thumbnails may be gone.
  uint32_t Revision;
  // The value Revision took when the whole database was last replaced (load,
  // new, a new catalogue). Views read both through TDatabaseWatch.
  uint32_t Replaced;
  // Raised by every successful save of a loaded database (never lowered), so a
  // view can tell the user that one happened.
  uint32_t Saves;
  // The file DatabaseFile as it was last read or written by this program (not
  // `exists` when it never was), to tell whether someone else has replaced it
  // since; and the lock that marks it as open in this program.
  platform::FileState FileState;
  platform::FileLock FileLock;
  // Whether loads and saves lock the database file (the program does; tools
  // and tests of the catalogue alone need not).
  bool LockFiles = false;
  // The recovery copy the loaded records came from (cv_recovery), empty when
  // they did not: a successful save supersedes it, and it is then removed.
  std::string RecoverySource;
  // The operation waiting for the answer to the save question
  // (cv_database_workflow), and whether the overwrite question waits.
  TPendingOperation Pending;
  bool OverwriteWaiting = false;
};

// The catalogue of this process (an empty one until something is loaded).
TCatalogue& Catalogue();
// Destroys the catalogue (releasing its thumbnails and its file lock) and
// makes an empty one in its place.
void RenewCatalogue();
