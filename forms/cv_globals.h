#pragma once
// The catalogue's data: the nebula record, the database header, the global
// state of the loaded database, the ".cvl" file (load, save, new), the
// numbering rules the forms apply, and the one road every message takes to
// the user. Sorting lives in cv_sort, the settings record in cv_settings.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rastrix/bmp.h"

class TComponentBase;

// A Pascal short string: a length byte and room for 255 Windows-1250 bytes.
// Assigning a longer text keeps its first 255 bytes. The bytes past Length
// are kept zero so that copies and files are deterministic.
struct TShortString {
  static constexpr std::size_t Capacity = 255;

  uint8_t Length = 0;
  std::array<char, Capacity> Chars{};

  TShortString() = default;
  TShortString(std::string_view text) { Assign(text); }
  TShortString& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  void Assign(std::string_view text);
  std::string_view View() const { return {Chars.data(), Length}; }
  std::string Str() const { return std::string(View()); }
  bool Empty() const { return Length == 0; }
  operator std::string_view() const { return View(); }

  friend bool operator==(const TShortString& a, std::string_view b) { return a.View() == b; }
  friend bool operator==(const TShortString& a, const TShortString& b) { return a.View() == b.View(); }
};

enum TTypeOfNebula : uint8_t {
  TN_Planetary,
  TN_Supernova,
  TN_HerbigHar,
  TN_H1,
  TN_H2,
  TN_Reflection,
  TN_Dark,
};
inline constexpr int TYPE_OF_NEBULA_COUNT = 7;

enum TSortType : uint8_t {
  ST_IndexOfItem,
  ST_NameOfNebula,
  ST_NGC,
  ST_Rect,
  ST_Dec,
  ST_Distance,
  ST_Magnitude,
  ST_TypeOfNebula,
  ST_Picture,
  ST_Description,
};
inline constexpr int SORT_TYPE_COUNT = 10;

enum TDirection : uint8_t { D_Up, D_Down };
enum TArrow : uint8_t { A_None, A_Up, A_Down };

// The display text of each kind of nebula, in Windows-1250.
std::string_view TypeOfNebulaText(TTypeOfNebula Type);

struct TNebula {
  int32_t IndexOfItem = 0;
  TShortString NameOfNebula;
  int32_t NGC = 0;
  double Rect = 0.0;       // right ascension, hours
  double Dec = 0.0;        // declination, degrees
  double Distance = 0.0;   // light years
  double Magnitude = 0.0;  // apparent magnitude
  TTypeOfNebula TypeOfNebula = TN_Planetary;
  TShortString Picture;  // relative to the database file's folder; may be empty
  TShortString Description;
  // In memory only: the picture at no more than 32 x 32 pixels. Copies of a
  // record share its pixels; only the record in Nebulas owns them.
  TPicture Thumbnail;
};
using TNebulas = std::vector<TNebula>;

struct TDatabaseInfo {
  TShortString Path;
  TShortString NameOfDatabase;
  TShortString Autor;
  int32_t NumberOfItems = 0;
  TShortString Description;
};

// Sizes of the stored forms.
inline constexpr std::size_t DATABASE_HEADER_SIZE = 1031;
inline constexpr std::size_t NEBULA_RECORD_SIZE = 809;
// A million records is a hundred times the largest catalogue of nebulae; a
// greater count is treated as damage rather than an order to allocate
// gigabytes.
inline constexpr int32_t MAX_NUMBER_OF_ITEMS = 1'000'000;

// Global state of the loaded database.
extern bool Terminate;
extern TNebulas Nebulas;   // length always equals DatabaseInfo.NumberOfItems
extern TNebulas Nebulas2;  // the records the list form shows (rebuilt by it)
extern TDatabaseInfo DatabaseInfo;
extern bool Loaded;
extern std::array<char, 3> SpecificalCode;
extern std::string DatabaseFile;  // program path the loaded database is written to
extern bool Modified;
extern TComponentBase* ActivePropertyButton;
// Raised whenever records are replaced, added or removed, or a thumbnail is
// released (load, new, add, delete, revise). Anything that keeps copies of
// records, such as the observatory's list, rebuilds its copies when it sees
// a new value before drawing them again, because their thumbnails may be gone.
extern uint32_t DatabaseRevision;

// Messages to the user. Every Slovak message of the catalogue goes through
// ShowErrorMessage. The error form installs itself as the handler; the last
// few messages are kept as well, so that tests and tools can read them.
using TMessageHandler = void (*)(std::string_view Text);
void SetMessageHandler(TMessageHandler Handler);
void ShowErrorMessage(std::string_view Text);
const std::vector<std::string>& RecentMessages();
void ClearRecentMessages();

// The stored form of a database (header and N records, byte for byte).
// Bytes of a text past its length are written as zeros.
void EncodeDatabase(const TDatabaseInfo& Info, const TNebulas& Records, std::string& Out);

enum class TDatabaseError : uint8_t {
  None,
  NotCorvala,  // the signature is not "CVL"
  TooShort,    // shorter than the header
  BadCount,    // a negative or impossibly large number of records
  BadLength,   // the length is not 1031 + 809 x N
  BadType,     // a record's kind of nebula is not 0 to 6
  CannotOpen,
  CannotRead,
};
struct TDatabaseCheck {
  TDatabaseError Error = TDatabaseError::None;
  int32_t Record = -1;  // 1-based record number for BadType
};

// Parses a whole file's bytes. On failure Info and Records are untouched.
// Thumbnails of the parsed records are not loaded.
TDatabaseCheck DecodeDatabase(std::string_view Bytes, TDatabaseInfo& Info, TNebulas& Records);
// The Slovak message for a failed load of the file F.
std::string DatabaseErrorMessage(const TDatabaseCheck& Check, std::string_view F);

// Writes the loaded database to DatabaseFile through a new file in the same
// folder that then replaces the old one, so a failed save never destroys the
// previous file. Returns false (with a message, Modified left set) on failure.
// Without a loaded database it writes nothing, clears Modified and succeeds.
bool SaveDatabase();

// Reads the database file F (a program path). On success the new records
// replace the loaded ones (whose thumbnails are released), DatabaseFile := F,
// Loaded := true, Modified := false. A file that is not a sound database is
// reported through ShowErrorMessage and nothing changes. The callers hide and
// refresh the forms that showed the previous database.
bool LoadDatabase(std::string_view F, bool LoadThumbnails = true);

// Starts an empty database bound to F; nothing is written until a save.
void NewDatabase(std::string_view F, std::string_view Name, std::string_view Author,
                 std::string_view Description);

// The folder part of a program path, up to and including its last "\" or "/".
std::string_view FolderOf(std::string_view F);

// Loads a record's thumbnail from Dir + Picture at no more than 32 x 32
// pixels, releasing the one it had; an empty Picture leaves it without one.
void LoadThumbnail(TNebula& Record, std::string_view Dir);
// Releases the thumbnails of all loaded records (shutdown).
void FreeThumbnails();

// Numbering: the smallest positive number that no record carries.
int32_t SmallestFreeNumber(const TNebulas& Records);
// Appends Record under the smallest free number and returns its position in
// Nebulas; the count grows by one and the database is marked modified.
std::size_t AddNebula(const TNebula& Record);
// Removes the record at Position of Nebulas: the records behind it move up,
// every number above the removed one drops by one, its thumbnail is released
// and the database is marked modified.
void DeleteNebula(std::size_t Position);

// Back to the state at start (no database, no messages kept).
void ResetDatabaseGlobals();
