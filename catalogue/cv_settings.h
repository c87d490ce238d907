#pragma once
// The program's two preferences, a default database opened at start and a
// default observer position, and their file "cv_settings.ini": one raw
// 273-byte record despite the name.

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/cv_nebula.h"
#include "platform/result.h"

struct TSettings {
  TShortString ImplicitDatabase;  // program path of the default database
  bool UseImplicitDatabase = false;
  double Latitude = 0.0;   // degrees, -90 to 90
  double Longitude = 0.0;  // degrees, -180 to 180
};

inline constexpr std::size_t SETTINGS_RECORD_SIZE = 273;
inline constexpr std::string_view SETTINGS_FILE = "cv_settings.ini";

extern TSettings Settings;

// The program path of the settings file: SETTINGS_FILE in the current folder
// unless the start-up chose another place (an installed program keeps it in
// the user's configuration folder).
std::string_view SettingsFile();
void SetSettingsFile(std::string_view ProgramPath);

// What a settings file held, or why it could not be written. The program
// goes on either way, so these carry no message.
enum class TSettingsFile {
  Accepted,
  Mended,    // a coordinate was no number within its range and reads as 0
  Missing,
  Refused,   // fewer bytes than a record
  Unwritten,  // the file could not be replaced; the old one is intact
};
using TSettingsResult = TResult<TSettingsFile>;

void EncodeSettings(const TSettings& Value, std::string& Out);
// Refused, with Value untouched, when the bytes are fewer than a record. The
// flag byte is a Boolean: any byte but 0 is true. A coordinate that is no
// number within its range reads as 0 and the result is Mended; the path is
// kept all the same.
TSettingsResult DecodeSettings(std::string_view Bytes, TSettings& Value);

// Reads the settings file into Settings: Accepted or Mended when it gave the
// settings. A missing or refused file leaves the defaults there.
TSettingsResult ReadSettings(std::string_view FileName = SettingsFile());
// Whether shutdown should write Settings to FileName: only when they differ
// from what ReadSettings left (so a file that was refused or mended is not
// destroyed for nothing, and a second running copy does not undo the first
// one's changes), or when there is no file at all.
bool SettingsWorthWriting(std::string_view FileName = SettingsFile());
// Replaces the file with Settings the safe way (a new file renamed over the
// old one); Unwritten (with the system's errno) when it could not be written.
TSettingsResult WriteSettings(std::string_view FileName = SettingsFile());

// The folder the settings lie in, as a prefix of program paths ("" for the
// current folder). Preferences that the record has no room for lie beside
// it in small files of their own.
std::string SettingsFolder();

// Night mode, kept in a file of its own ("1" on, anything else off) so that
// the record keeps its layout.
inline constexpr std::string_view NIGHT_MODE_FILE = "cv_night.ini";
bool ReadNightMode();
TSettingsResult WriteNightMode(bool On);
