#include "catalogue/cv_settings.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/byte_order.h"
#include "platform/files.h"

TSettings Settings;

void EncodeSettings(const TSettings& Value, std::string& Out) {
  Out.clear();
  Out.push_back(static_cast<char>(Value.ImplicitDatabase.Length));
  Out.append(Value.ImplicitDatabase.View());
  Out.append(TShortString::Capacity - Value.ImplicitDatabase.Length, '\0');
  Out.push_back(Value.UseImplicitDatabase ? 1 : 0);
  le::AppendDouble(Out, Value.Latitude);
  le::AppendDouble(Out, Value.Longitude);
}

TSettingsResult DecodeSettings(std::string_view Bytes, TSettings& Value) {
  if (Bytes.size() < SETTINGS_RECORD_SIZE) return {TSettingsFile::Refused};
  double latitude = le::GetDouble(Bytes.data() + 257);
  double longitude = le::GetDouble(Bytes.data() + 265);
  // The observatory starts from these; a wild value would only show an empty sky.
  const bool latitudeOk = latitude >= -90 && latitude <= 90;
  const bool longitudeOk = longitude >= -180 && longitude <= 180;
  auto length = static_cast<unsigned char>(Bytes[0]);
  Value.ImplicitDatabase = Bytes.substr(1, length);
  Value.UseImplicitDatabase = Bytes[256] != 0;
  Value.Latitude = latitudeOk ? latitude : 0.0;
  Value.Longitude = longitudeOk ? longitude : 0.0;
  if (!latitudeOk || !longitudeOk) return {TSettingsFile::Mended};
  return {};
}

namespace {

std::string g_settings_file(SETTINGS_FILE);

// The settings as read, to tell whether the user has changed them since.
std::string g_read;

std::string Encoded(const TSettings& Value) {
  std::string bytes;
  EncodeSettings(Value, bytes);
  return bytes;
}

}  // namespace

std::string_view SettingsFile() { return g_settings_file; }
void SetSettingsFile(std::string_view ProgramPath) { g_settings_file.assign(ProgramPath); }

TSettingsResult ReadSettings(std::string_view FileName) {
  Settings = TSettings();
  TSettingsResult read{TSettingsFile::Missing};
  if (platform::File f = platform::Open(FileName, "rb")) {
    std::string bytes(SETTINGS_RECORD_SIZE, '\0');
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f.get());
    bytes.resize(got);
    read = DecodeSettings(bytes, Settings);
  }
  g_read = Encoded(Settings);
  return read;
}

bool SettingsWorthWriting(std::string_view FileName) {
  // Only what this run changed is written: a second running copy must not
  // put back, at its exit, the settings the first one has replaced since.
  if (Encoded(Settings) != g_read) return true;
  // A missing file is made again; one that someone else wrote meanwhile stays.
  return !platform::FileExists(FileName);
}

namespace {

TSettingsResult Replace(std::string_view FileName, std::string_view Bytes) {
  const platform::FileResult<> written = platform::ReplaceFile(FileName, Bytes);
  if (written) return {};
  return {TSettingsFile::Unwritten, {}, written.Error};
}

}  // namespace

TSettingsResult WriteSettings(std::string_view FileName) { return Replace(FileName, Encoded(Settings)); }

std::string SettingsFolder() {
  const std::size_t slash = g_settings_file.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : g_settings_file.substr(0, slash + 1);
}

bool ReadNightMode() {
  platform::File f = platform::Open(SettingsFolder() + std::string(NIGHT_MODE_FILE), "rb");
  if (!f) return false;
  char flag = 0;
  return std::fread(&flag, 1, 1, f.get()) == 1 && flag == '1';
}

TSettingsResult WriteNightMode(bool On) {
  return Replace(SettingsFolder() + std::string(NIGHT_MODE_FILE), On ? "1\n" : "0\n");
}
