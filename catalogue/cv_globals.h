#pragma once
// The operations on the loaded database (the object cv_catalogue holds):
// loading, saving and starting one, its header, the records' thumbnails and
// the numbering rules the forms apply. The record types are in cv_nebula, the
// file layout in cv_database_file, the messages in cv_messages, sorting in
// cv_sort and the settings record in cv_settings.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/cv_catalogue.h"
#include "catalogue/cv_database_file.h"
#include "catalogue/cv_messages.h"
#include "catalogue/cv_nebula.h"
#include "catalogue/cv_picture.h"
#include "platform/file_state.h"

// Writes the loaded database to DatabaseFile through a new file in the same
// folder that then replaces the old one, so a failed save never destroys the
// previous file. A failure is also shown through ShowErrorMessage, Modified
// left set. Without a loaded database it writes nothing, clears Modified and
// succeeds.
TDatabaseResult SaveDatabase();

// Writes the loaded database (header and records) to the file F the same
// safe way, leaving the program's state alone and showing nothing. A save to
// another name (a recovery copy) uses this too.
TDatabaseResult WriteDatabaseTo(std::string_view F);

// Reads the whole file F into `bytes` for DecodeDatabase: a missing signature
// is recognised from the first bytes, and a length that does not fit the
// record count of the header before the rest is read.
TDatabaseResult ReadDatabaseFile(std::string_view F, std::string& bytes);

// Whether a file at DatabaseFile is not the one this program last read or
// wrote there (another program or a second copy saved over it).
bool DatabaseFileChangedOnDisk();
// Locks DatabaseFile for this program when the catalogue's LockFiles is set;
// when another running program holds it, says so through ShowErrorMessage.
void TakeDatabaseLock();

// Reads the database file F (a program path). On success the new records
// replace the loaded ones (whose thumbnails are released), DatabaseFile := F,
// Loaded := true, Modified := false. A file that is not a sound database is
// reported through ShowErrorMessage as well and nothing changes. The callers
// hide and refresh the forms that showed the previous database. A picture
// that does not load leaves its record without a thumbnail; the item view
// tells why when the record is shown.
TDatabaseResult LoadDatabase(std::string_view F, bool LoadThumbnails = true);

// Starts an empty database bound to F; nothing is written until a save.
void NewDatabase(std::string_view F, std::string_view Name, std::string_view Author,
                 std::string_view Description);

// Gives the header the name, author and description; a header that differs
// from the one loaded marks the database modified, so it is saved or asked
// about like any other change. Returns whether it differed.
bool SetDatabaseHeader(std::string_view Name, std::string_view Author, std::string_view Description);

// The folder part of a program path, up to and including its last "\" or "/".
std::string_view FolderOf(std::string_view F);

// Loads a record's thumbnail from Dir + Picture at no more than 32 x 32
// pixels, releasing the one it had; an empty Picture leaves it without one
// (and succeeds). A picture that cannot be loaded leaves it without one too.
TPictureResult LoadThumbnail(TNebula& Record, std::string_view Dir);
// Releases the thumbnails of all loaded records (shutdown).
void FreeThumbnails();

// Numbering: the smallest positive number that no record carries.
int32_t SmallestFreeNumber(const TNebulas& Records);
// Appends Record under the smallest free number and returns its position in
// Nebulas; the count grows by one and the database is marked modified. A
// record with a thumbnail is handed over (std::move), so that the database
// owns its pixels.
std::size_t AddNebula(TNebula Record);
// The same, then loads the new record's thumbnail from Dir + its Picture, as
// ReviseNebula does for a revised one.
std::size_t AddNebula(TNebula Record, std::string_view Dir);
// Gives the record at Position of Nebulas the stored fields of Fields, its
// number excepted, and loads its thumbnail again from Dir + its new Picture
// (that load's outcome is returned); the database is marked modified.
TPictureResult ReviseNebula(std::size_t Position, const TNebula& Fields, std::string_view Dir);
// The position in Nebulas of the record with Serial, or -1 once it is gone.
std::ptrdiff_t FindNebula(uint32_t Serial);
// Removes the record at Position of Nebulas: the records behind it move up,
// every number above the removed one drops by one, its thumbnail is released
// and the database is marked modified.
void DeleteNebula(std::size_t Position);
