#include "forms/cv_globals.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstring>

#include "platform/cp1250.h"
#include "platform/files.h"

bool Terminate = false;
TNebulas Nebulas;
TNebulas Nebulas2;
TDatabaseInfo DatabaseInfo;
bool Loaded = false;
std::array<char, 3> SpecificalCode = {'C', 'V', 'L'};
std::string DatabaseFile;
bool Modified = false;
TComponentBase* ActivePropertyButton = nullptr;
uint32_t DatabaseRevision = 0;

void TShortString::Assign(std::string_view text) {
  std::size_t n = std::min(text.size(), Capacity);
  // The source may be this string's own bytes, hence memmove.
  std::memmove(Chars.data(), text.data(), n);
  std::fill(Chars.begin() + static_cast<std::ptrdiff_t>(n), Chars.end(), '\0');
  Length = static_cast<uint8_t>(n);
}

std::string_view TypeOfNebulaText(TTypeOfNebula Type) {
  static constexpr std::array<std::string_view, TYPE_OF_NEBULA_COUNT> kTexts = {
      "Planetárna hmlovina"_cp, "Pozostatok Supernovy"_cp, "Herbigov-Harov objekt"_cp, "H1"_cp,
      "H2"_cp,                  "Reflexná hmlovina"_cp,    "Tmavá hmlovina"_cp,
  };
  assert(Type < TYPE_OF_NEBULA_COUNT);
  return kTexts[Type];
}

// ---------------------------------------------------------------- messages

namespace {

constexpr std::size_t kKeptMessages = 16;
TMessageHandler g_handler = nullptr;
std::vector<std::string> g_messages;

}  // namespace

void SetMessageHandler(TMessageHandler Handler) { g_handler = Handler; }

void ShowErrorMessage(std::string_view Text) {
  if (g_messages.size() == kKeptMessages) g_messages.erase(g_messages.begin());
  g_messages.emplace_back(Text);
  if (g_handler != nullptr) g_handler(Text);
}

const std::vector<std::string>& RecentMessages() { return g_messages; }

void ClearRecentMessages() { g_messages.clear(); }

// ---------------------------------------------------------------- file format

namespace {

void PutInt32(std::string& out, int32_t value) {
  auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void PutDouble(std::string& out, double value) {
  uint64_t u = 0;
  std::memcpy(&u, &value, sizeof u);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void PutText(std::string& out, const TShortString& text) {
  out.push_back(static_cast<char>(text.Length));
  out.append(text.View());
  out.append(TShortString::Capacity - text.Length, '\0');
}

int32_t GetInt32(const char* p) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= uint32_t(static_cast<unsigned char>(p[i])) << (8 * i);
  return static_cast<int32_t>(u);
}

double GetDouble(const char* p) {
  uint64_t u = 0;
  for (int i = 0; i < 8; ++i) u |= uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
  double d = 0;
  std::memcpy(&d, &u, sizeof d);
  return d;
}

// Only the bytes up to the length byte's count carry meaning.
void GetText(const char* p, TShortString& text) {
  auto length = static_cast<unsigned char>(p[0]);
  text.Assign(std::string_view(p + 1, length));
}

}  // namespace

void EncodeDatabase(const TDatabaseInfo& Info, const TNebulas& Records, std::string& Out) {
  assert(Info.NumberOfItems >= 0 && static_cast<std::size_t>(Info.NumberOfItems) <= Records.size());
  Out.clear();
  Out.reserve(DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(Info.NumberOfItems));
  Out.append("CVL");
  PutText(Out, Info.Path);
  PutText(Out, Info.NameOfDatabase);
  PutText(Out, Info.Autor);
  PutInt32(Out, Info.NumberOfItems);
  PutText(Out, Info.Description);
  for (int32_t i = 0; i < Info.NumberOfItems; ++i) {
    const TNebula& r = Records[static_cast<std::size_t>(i)];
    PutInt32(Out, r.IndexOfItem);
    PutText(Out, r.NameOfNebula);
    PutInt32(Out, r.NGC);
    PutDouble(Out, r.Rect);
    PutDouble(Out, r.Dec);
    PutDouble(Out, r.Distance);
    PutDouble(Out, r.Magnitude);
    Out.push_back(static_cast<char>(r.TypeOfNebula));
    PutText(Out, r.Picture);
    PutText(Out, r.Description);
  }
  assert(Out.size() ==
         DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(Info.NumberOfItems));
}

TDatabaseCheck DecodeDatabase(std::string_view Bytes, TDatabaseInfo& Info, TNebulas& Records) {
  TDatabaseCheck check;
  // The comparison is case-sensitive and needs all three bytes.
  if (Bytes.size() < 3 || Bytes.substr(0, 3) != "CVL") {
    check.Error = TDatabaseError::NotCorvala;
    return check;
  }
  if (Bytes.size() < DATABASE_HEADER_SIZE) {
    check.Error = TDatabaseError::TooShort;
    return check;
  }
  const char* p = Bytes.data();
  int32_t count = GetInt32(p + 771);
  if (count < 0 || count > MAX_NUMBER_OF_ITEMS) {
    check.Error = TDatabaseError::BadCount;
    return check;
  }
  if (Bytes.size() != DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(count)) {
    check.Error = TDatabaseError::BadLength;
    return check;
  }
  for (int32_t i = 0; i < count; ++i) {
    auto type = static_cast<unsigned char>(p[DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * i + 296]);
    if (type >= TYPE_OF_NEBULA_COUNT) {
      check.Error = TDatabaseError::BadType;
      check.Record = i + 1;
      return check;
    }
  }

  GetText(p + 3, Info.Path);
  GetText(p + 259, Info.NameOfDatabase);
  GetText(p + 515, Info.Autor);
  Info.NumberOfItems = count;
  GetText(p + 775, Info.Description);
  Records.clear();
  Records.resize(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    const char* q = p + DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(i);
    TNebula& r = Records[static_cast<std::size_t>(i)];
    r.IndexOfItem = GetInt32(q);
    GetText(q + 4, r.NameOfNebula);
    r.NGC = GetInt32(q + 260);
    r.Rect = GetDouble(q + 264);
    r.Dec = GetDouble(q + 272);
    r.Distance = GetDouble(q + 280);
    r.Magnitude = GetDouble(q + 288);
    r.TypeOfNebula = static_cast<TTypeOfNebula>(q[296]);
    GetText(q + 297, r.Picture);
    GetText(q + 553, r.Description);
  }
  return check;
}

std::string DatabaseErrorMessage(const TDatabaseCheck& Check, std::string_view F) {
  std::string quoted = std::string("\"") + std::string(F) + "\"";
  std::string file = "Súbor "_cps + quoted;
  switch (Check.Error) {
    case TDatabaseError::None:
      return {};
    case TDatabaseError::NotCorvala:
      return file + " nebol vytvorený v Corvala!"_cps;
    case TDatabaseError::TooShort:
      return file + " je poškodený: chýba mu hlavička databázy!"_cps;
    case TDatabaseError::BadCount:
      return file + " je poškodený: neplatný počet záznamov!"_cps;
    case TDatabaseError::BadLength:
      return file + " je poškodený: dĺžka nezodpovedá počtu záznamov!"_cps;
    case TDatabaseError::BadType:
      return file + " je poškodený: záznam č. "_cps + std::to_string(Check.Record) +
             " má neplatný typ hmloviny!"_cps;
    case TDatabaseError::CannotOpen:
      return file + " sa nedá otvoriť!"_cps;
    case TDatabaseError::CannotRead:
      return file + " sa nedá prečítať!"_cps;
  }
  return {};
}

// ---------------------------------------------------------------- thumbnails

std::string_view FolderOf(std::string_view F) {
  std::size_t slash = F.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string_view() : F.substr(0, slash + 1);
}

namespace {

void ReleaseThumbnail(TNebula& Record) {
  if (Record.Thumbnail.Loaded) FreeBMPPicture(Record.Thumbnail);
  Record.Thumbnail.Loaded = false;
}

}  // namespace

void LoadThumbnail(TNebula& Record, std::string_view Dir) {
  ReleaseThumbnail(Record);
  if (Record.Picture.Empty()) return;
  std::string name(Dir);
  name.append(Record.Picture.View());
  uint8_t result = 0;
  LoadBMPPicture(name, Record.Thumbnail, 32, 32, result);
  // A picture that cannot be loaded simply leaves the record without one.
  if (result != 0) Record.Thumbnail.Loaded = false;
  ++DatabaseRevision;
}

void FreeThumbnails() {
  for (TNebula& r : Nebulas) ReleaseThumbnail(r);
  ++DatabaseRevision;
}

// ---------------------------------------------------------------- database file

bool SaveDatabase() {
  SpecificalCode = {'C', 'V', 'L'};
  if (!Loaded) {
    Modified = false;
    return true;
  }
  std::string bytes;
  EncodeDatabase(DatabaseInfo, Nebulas, bytes);

  // The old file is replaced only once the new one is completely on disk.
  std::string temporary = DatabaseFile + "~";
  bool ok = false;
  if (std::FILE* f = platform::OpenFile(temporary, "wb")) {
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    bool flushed = std::fflush(f) == 0;
    bool closed = std::fclose(f) == 0;
    ok = written && flushed && closed && platform::RenameFile(temporary, DatabaseFile);
    if (!ok) platform::RemoveFile(temporary);
  }
  if (!ok) {
    ShowErrorMessage("Databázu sa nepodarilo uložiť do súboru \""_cps + DatabaseFile + "\"!");
    return false;
  }
  Modified = false;
  return true;
}

namespace {

// Reads the whole file; a missing signature is recognised from the first
// bytes, before the rest is read.
TDatabaseError ReadDatabaseFile(std::string_view F, std::string& bytes) {
  std::FILE* f = platform::OpenFile(F, "rb");
  if (f == nullptr) return TDatabaseError::CannotOpen;
  char signature[3] = {'A', 'A', 'A'};
  std::size_t got = std::fread(signature, 1, 3, f);
  std::memcpy(SpecificalCode.data(), signature, 3);
  if (got < 3 || std::string_view(signature, 3) != "CVL") {
    std::fclose(f);
    return TDatabaseError::NotCorvala;
  }
  TDatabaseError error = TDatabaseError::None;
  long long size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
  constexpr long long kLargest =
      static_cast<long long>(DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * std::size_t(MAX_NUMBER_OF_ITEMS));
  if (size < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
    error = TDatabaseError::CannotRead;
  } else if (size > kLargest) {
    error = TDatabaseError::BadLength;
  } else {
    bytes.resize(static_cast<std::size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) error = TDatabaseError::CannotRead;
  }
  std::fclose(f);
  return error;
}

void ReplaceRecords(TNebulas&& Records) {
  for (TNebula& r : Nebulas) ReleaseThumbnail(r);
  Nebulas = std::move(Records);
  // The list form's view may share the old records' thumbnails.
  Nebulas2.clear();
  ++DatabaseRevision;
}

}  // namespace

bool LoadDatabase(std::string_view F, bool LoadThumbnails) {
  SpecificalCode = {'A', 'A', 'A'};
  std::string bytes;
  TDatabaseCheck check;
  check.Error = ReadDatabaseFile(F, bytes);
  TDatabaseInfo info;
  TNebulas records;
  if (check.Error == TDatabaseError::None) check = DecodeDatabase(bytes, info, records);
  if (check.Error != TDatabaseError::None) {
    ShowErrorMessage(DatabaseErrorMessage(check, F));
    return false;
  }
  if (LoadThumbnails) {
    std::string_view dir = FolderOf(F);
    for (TNebula& r : records) LoadThumbnail(r, dir);
  }
  DatabaseFile = std::string(F);
  DatabaseInfo = info;
  ReplaceRecords(std::move(records));
  Modified = false;
  Loaded = true;
  return true;
}

void NewDatabase(std::string_view F, std::string_view Name, std::string_view Author,
                 std::string_view Description) {
  DatabaseInfo.Path = F;
  DatabaseInfo.NameOfDatabase = Name;
  DatabaseInfo.Autor = Author;
  DatabaseInfo.NumberOfItems = 0;
  DatabaseInfo.Description = Description;
  ReplaceRecords(TNebulas());
  DatabaseFile = DatabaseInfo.Path.Str();
  Loaded = true;
  Modified = true;
}

// ---------------------------------------------------------------- numbering

int32_t SmallestFreeNumber(const TNebulas& Records) {
  // Among N records one of the numbers 1 .. N + 1 is always free.
  std::vector<bool> taken(Records.size() + 2, false);
  for (const TNebula& r : Records)
    if (r.IndexOfItem > 0 && static_cast<std::size_t>(r.IndexOfItem) < taken.size()) taken[r.IndexOfItem] = true;
  int32_t n = 1;
  while (taken[static_cast<std::size_t>(n)]) ++n;
  return n;
}

std::size_t AddNebula(const TNebula& Record) {
  assert(static_cast<std::size_t>(DatabaseInfo.NumberOfItems) == Nebulas.size());
  int32_t number = SmallestFreeNumber(Nebulas);
  Nebulas.push_back(Record);
  Nebulas.back().IndexOfItem = number;
  DatabaseInfo.NumberOfItems = static_cast<int32_t>(Nebulas.size());
  Modified = true;
  ++DatabaseRevision;
  return Nebulas.size() - 1;
}

void DeleteNebula(std::size_t Position) {
  assert(Position < Nebulas.size());
  assert(static_cast<std::size_t>(DatabaseInfo.NumberOfItems) == Nebulas.size());
  int32_t removed = Nebulas[Position].IndexOfItem;
  ReleaseThumbnail(Nebulas[Position]);
  Nebulas.erase(Nebulas.begin() + static_cast<std::ptrdiff_t>(Position));
  for (TNebula& r : Nebulas)
    if (r.IndexOfItem > removed) --r.IndexOfItem;
  DatabaseInfo.NumberOfItems = static_cast<int32_t>(Nebulas.size());
  Modified = true;
  ++DatabaseRevision;
}

void ResetDatabaseGlobals() {
  ReplaceRecords(TNebulas());
  Terminate = false;
  DatabaseInfo = TDatabaseInfo();
  Loaded = false;
  SpecificalCode = {'C', 'V', 'L'};
  DatabaseFile.clear();
  Modified = false;
  ActivePropertyButton = nullptr;
  g_messages.clear();
}
