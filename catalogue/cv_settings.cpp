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

bool DecodeSettings(std::string_view Bytes, TSettings& Value) {
  if (Bytes.size() < SETTINGS_RECORD_SIZE) return false;
  auto use = static_cast<unsigned char>(Bytes[256]);
  double latitude = le::GetDouble(Bytes.data() + 257);
  double longitude = le::GetDouble(Bytes.data() + 265);
  if (use > 1) return false;
  // The observatory starts from these; a wild value would only show an empty sky.
  if (!(latitude >= -90 && latitude <= 90) || !(longitude >= -180 && longitude <= 180)) return false;
  auto length = static_cast<unsigned char>(Bytes[0]);
  Value.ImplicitDatabase = Bytes.substr(1, length);
  Value.UseImplicitDatabase = use == 1;
  Value.Latitude = latitude;
  Value.Longitude = longitude;
  return true;
}

bool ReadSettings(std::string_view FileName) {
  Settings = TSettings();
  platform::File f = platform::Open(FileName, "rb");
  if (!f) return false;
  std::string bytes(SETTINGS_RECORD_SIZE, '\0');
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f.get());
  bytes.resize(got);
  return DecodeSettings(bytes, Settings);
}

bool WriteSettings(std::string_view FileName) {
  std::string bytes;
  EncodeSettings(Settings, bytes);
  std::FILE* f = platform::OpenFile(FileName, "wb");
  if (f == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  bool closed = std::fclose(f) == 0;
  return written && closed;
}
