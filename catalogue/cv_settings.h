#pragma once
// The program's two preferences, a default database opened at start and a
// default observer position, and their file "cv_settings.ini": one raw
// 273-byte record despite the name.

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/cv_nebula.h"

struct TSettings {
  TShortString ImplicitDatabase;  // program path of the default database
  bool UseImplicitDatabase = false;
  double Latitude = 0.0;   // degrees, -90 to 90
  double Longitude = 0.0;  // degrees, -180 to 180
};

inline constexpr std::size_t SETTINGS_RECORD_SIZE = 273;
inline constexpr std::string_view SETTINGS_FILE = "cv_settings.ini";

extern TSettings Settings;

void EncodeSettings(const TSettings& Value, std::string& Out);
// False when the bytes are not a record this program wrote: fewer than 273
// bytes, a Boolean byte other than 0 or 1, or a coordinate that is not a
// number within its range. Value is then untouched.
bool DecodeSettings(std::string_view Bytes, TSettings& Value);

// Reads the settings file into Settings; a missing or untrustworthy file
// leaves the defaults there and returns false. The program goes on either way.
bool ReadSettings(std::string_view FileName = SETTINGS_FILE);
// Writes Settings; false when the file could not be written completely.
bool WriteSettings(std::string_view FileName = SETTINGS_FILE);
