#include "forms/cv_settings.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/files.h"

TSettings Settings;

namespace {

void PutDouble(std::string& out, double value) {
  uint64_t u = 0;
  std::memcpy(&u, &value, sizeof u);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

double GetDouble(const char* p) {
  uint64_t u = 0;
  for (int i = 0; i < 8; ++i) u |= uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
  double d = 0;
  std::memcpy(&d, &u, sizeof d);
  return d;
}

}  // namespace

void EncodeSettings(const TSettings& Value, std::string& Out) {
  Out.clear();
  Out.push_back(static_cast<char>(Value.ImplicitDatabase.Length));
  Out.append(Value.ImplicitDatabase.View());
  Out.append(TShortString::Capacity - Value.ImplicitDatabase.Length, '\0');
  Out.push_back(Value.UseImplicitDatabase ? 1 : 0);
  PutDouble(Out, Value.Latitude);
  PutDouble(Out, Value.Longitude);
}

bool DecodeSettings(std::string_view Bytes, TSettings& Value) {
  if (Bytes.size() < SETTINGS_RECORD_SIZE) return false;
  auto use = static_cast<unsigned char>(Bytes[256]);
  double latitude = GetDouble(Bytes.data() + 257);
  double longitude = GetDouble(Bytes.data() + 265);
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
  std::FILE* f = platform::OpenFile(FileName, "rb");
  if (f == nullptr) return false;
  std::string bytes(SETTINGS_RECORD_SIZE, '\0');
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
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
