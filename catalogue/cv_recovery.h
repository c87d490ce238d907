#pragma once
// Recovery copies: where unsaved changes go when the program is ended by a
// signal, and how they are found and offered back at the next start.
//
// One copy per catalogue, replaced by a newer one: "NAME.obnova.cvl" beside
// the catalogue or, when its folder cannot take it (read-only, full, a name
// too long), a file in the "recovery" folder of the current (the user's data)
// folder. Either records the catalogue's path in its header, so that the copy
// knows where it belongs. Records typed without any catalogue go to the
// "recovery" folder too, with no path. A save killed between its last two
// steps leaves a complete catalogue under a hidden temporary name
// (".corvala-..."): such leftovers are offered as well. Nothing found is
// deleted unless the user says so.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/cv_database_file.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/result.h"

inline constexpr std::string_view RECOVERY_FOLDER = "recovery";

// The recovery copy of the catalogue F beside it: the name without ".cvl",
// then ".obnova.cvl".
std::string RecoveryFileName(std::string_view F);
// Its place in the recovery folder: a name made from F alone (F empty: the
// records typed without a catalogue).
std::string UserRecoveryFileName(std::string_view F);

enum class TRecoveryError : uint8_t {
  None,
  NothingToSave,  // no unsaved changes
  Unwritten,      // neither place could take the copy
};
// A recovery copy's outcome; the copy's program path when it was written.
using TRecoveryResult = TResult<TRecoveryError, std::string>;

// Writes the unsaved changes (of the loaded database, or records typed
// without one) to the catalogue's recovery copy, or to the recovery folder
// when that fails; the catalogue itself stays untouched. Unwritten carries
// the message of the last place tried; nothing is shown (the program is
// ending).
TRecoveryResult SaveRecoveryCopy();

enum class TRecoveryKind : uint8_t {
  Copy,      // a recovery copy written at a signal
  Leftover,  // a complete catalogue left by a save that was cut short
};

struct TRecoveryOffer {
  std::string File;      // program path of the copy
  std::string Original;  // the catalogue it belongs to; empty for records without one
  TRecoveryKind Kind = TRecoveryKind::Copy;
  int32_t Records = 0;
  platform::SystemTime Time;  // when it was written, local time
};

// What there is to offer before the catalogue C (empty: none) is opened: its
// recovery copy, leftovers in its folder, and whatever lies in the recovery
// folder and among the current folder's leftovers. Only sound catalogues are
// offered; anything else is left where it is, unmentioned.
std::vector<TRecoveryOffer> FindRecoveryOffers(std::string_view C);

// "Open the recovered version": its records replace the loaded ones, bound to
// the catalogue they belong to and marked modified, so that saving puts them
// there. Records without a catalogue stay unbound (saved through "save as").
// The copy itself stays until the recovered records have been saved.
TDatabaseResult OpenRecoveredVersion(const TRecoveryOffer& Offer);
// "Delete it": the copy is removed.
platform::FileResult<> DeleteRecoveredVersion(const TRecoveryOffer& Offer);
// A successful save of the loaded database: the copy it was recovered from,
// if any, is now superseded and goes.
void RecoveredVersionSaved();

// The three lines of the question about an offer (Windows-1250): what was
// found, which catalogue, and when it was written with how many records.
std::vector<std::string> RecoveryQuestionLines(const TRecoveryOffer& Offer);
