#include "catalogue/cv_globals.h"

#include <algorithm>
#include <cerrno>
#include <cassert>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/byte_order.h"
#include "platform/cp1250.h"
#include "platform/file_state.h"
#include "platform/files.h"

// ---------------------------------------------------------------- thumbnails

namespace {

uint32_t NewSerial() {
  static uint32_t last = 0;
  return ++last;
}

}  // namespace

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

TPictureResult LoadThumbnail(TNebula& Record, std::string_view Dir) {
  ReleaseThumbnail(Record);
  if (Record.Picture.Empty()) return {};
  std::string name(Dir);
  name.append(Record.Picture.View());
  uint8_t code = 0;
  LoadBMPPicture(name, Record.Thumbnail, 32, 32, code);
  if (code != 0) Record.Thumbnail.Loaded = false;
  ++Catalogue().Revision;
  return PictureResult(code);
}

void FreeThumbnails() {
  for (TNebula& r : Catalogue().Nebulas) ReleaseThumbnail(r);
  ++Catalogue().Revision;
}

// ---------------------------------------------------------------- database file

TDatabaseResult SaveDatabase() {
  if (!Catalogue().Loaded) {
    Catalogue().Modified = false;
    return {};
  }
  TDatabaseResult written = WriteDatabaseTo(Catalogue().DatabaseFile);
  if (!written) {
    ShowErrorMessage(written.Message);
    return written;
  }
  Catalogue().Modified = false;
  ++Catalogue().Saves;
  Catalogue().FileState = platform::StateOf(Catalogue().DatabaseFile);
  // The save made a new file: the lock stayed with the old one.
  TakeDatabaseLock();
  if (!Catalogue().RecoverySource.empty()) {
    platform::RemoveFile(Catalogue().RecoverySource);
    Catalogue().RecoverySource.clear();
  }
  return written;
}

TDatabaseResult WriteDatabaseTo(std::string_view F) {
  std::string bytes;
  EncodeDatabase(Catalogue().DatabaseInfo, Catalogue().Nebulas, bytes);
  // The old file is replaced only once the new one is completely on disk.
  const platform::FileResult<> result = platform::ReplaceFile(F, bytes);
  switch (result.Code) {
    case platform::FileError::None:
      return {};
    case platform::FileError::ReadOnly:
      return DatabaseFailure(TDatabaseError::ReadOnly, F);
    case platform::FileError::NotRegular:
      return DatabaseFailure(TDatabaseError::NotRegular, F);
    case platform::FileError::Unnameable:
    case platform::FileError::Io:
      break;
  }
  return DatabaseFailure(TDatabaseError::CannotWrite, F, 0, result.Error);
}

TDatabaseResult ReadDatabaseFile(std::string_view F, std::string& bytes) {
  auto fail = [F](TDatabaseError Code, int Errno = 0) { return DatabaseFailure(Code, F, 0, Errno); };
  platform::File f = platform::Open(F, "rb");
  if (!f) return fail(TDatabaseError::CannotOpen, errno);
  char signature[3] = {'A', 'A', 'A'};
  std::size_t got = std::fread(signature, 1, 3, f.get());
  if (got < 3 || std::string_view(signature, 3) != "CVL") return fail(TDatabaseError::NotCorvala);
  const platform::FileResult<int64_t> length = platform::FileLength(f.get());
  if (!length) return fail(TDatabaseError::CannotRead, length.Error);
  const int64_t size = length.Produced;
  if (size < static_cast<int64_t>(DATABASE_HEADER_SIZE)) return fail(TDatabaseError::TooShort);
  bytes.resize(DATABASE_HEADER_SIZE);
  if (std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return fail(TDatabaseError::CannotRead);
  const int32_t count = le::GetInt32(bytes.data() + cvl_header::NumberOfItems);
  if (count < 0 || count > MAX_NUMBER_OF_ITEMS) return fail(TDatabaseError::BadCount);
  const auto expected = static_cast<int64_t>(DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * std::size_t(count));
  if (size != expected) return fail(TDatabaseError::BadLength);
  bytes.resize(static_cast<std::size_t>(size));
  const std::size_t rest = bytes.size() - DATABASE_HEADER_SIZE;
  if (std::fread(bytes.data() + DATABASE_HEADER_SIZE, 1, rest, f.get()) != rest)
    return fail(TDatabaseError::CannotRead);
  return {};
}


bool DatabaseFileChangedOnDisk() {
  // A file that has gone loses nothing when it is written again.
  const platform::FileState now = platform::StateOf(Catalogue().DatabaseFile);
  return now.exists && !now.Same(Catalogue().FileState);
}


void TakeDatabaseLock() {
  if (!Catalogue().LockFiles) return;
  if (Catalogue().FileLock.Take(Catalogue().DatabaseFile) != platform::LockResult::HeldElsewhere) return;
  std::string message = "Databáza \""_cps;
  message += Catalogue().DatabaseFile;
  message += "\" je už otvorená v inom spustenom programe Corvala!"_cp;
  ShowErrorMessage(message);
}

namespace {

void ReplaceRecords(TNebulas&& Records) {
  for (TNebula& r : Catalogue().Nebulas) ReleaseThumbnail(r);
  Catalogue().Nebulas = std::move(Records);
  for (TNebula& r : Catalogue().Nebulas) r.Serial = NewSerial();
  Catalogue().Replaced = ++Catalogue().Revision;
}

}  // namespace

TDatabaseResult LoadDatabase(std::string_view F, bool LoadThumbnails) {
  std::string bytes;
  TDatabaseInfo info;
  TNebulas records;
  TDatabaseResult read = ReadDatabaseFile(F, bytes);
  if (read) read = DecodeDatabase(bytes, info, records, F);
  if (!read) {
    ShowErrorMessage(read.Message);
    return read;
  }
  if (LoadThumbnails) {
    std::string_view dir = FolderOf(F);
    // A missing or unreadable picture costs its record only the thumbnail.
    for (TNebula& r : records) LoadThumbnail(r, dir);
  }
  Catalogue().DatabaseFile = std::string(F);
  Catalogue().FileState = platform::StateOf(F);
  Catalogue().DatabaseInfo = info;
  ReplaceRecords(std::move(records));
  Catalogue().Modified = false;
  Catalogue().Loaded = true;
  Catalogue().RecoverySource.clear();
  TakeDatabaseLock();
  return {};
}

void NewDatabase(std::string_view F, std::string_view Name, std::string_view Author,
                 std::string_view Description) {
  Catalogue().DatabaseInfo.Path = F;
  Catalogue().DatabaseInfo.NameOfDatabase = Name;
  Catalogue().DatabaseInfo.Autor = Author;
  Catalogue().DatabaseInfo.NumberOfItems = 0;
  Catalogue().DatabaseInfo.Description = Description;
  ReplaceRecords(TNebulas());
  Catalogue().DatabaseFile = Catalogue().DatabaseInfo.Path.Str();
  // A file already there was chosen by the user's new name: saving replaces it.
  Catalogue().FileState = platform::StateOf(Catalogue().DatabaseFile);
  Catalogue().FileLock.Release();
  Catalogue().RecoverySource.clear();
  Catalogue().Loaded = true;
  Catalogue().Modified = true;
}

bool SetDatabaseHeader(std::string_view Name, std::string_view Author, std::string_view Description) {
  TDatabaseInfo& info = Catalogue().DatabaseInfo;
  const TShortString name(Name), author(Author), description(Description);
  if (name == info.NameOfDatabase && author == info.Autor && description == info.Description) return false;
  info.NameOfDatabase = name;
  info.Autor = author;
  info.Description = description;
  Catalogue().Modified = true;
  return true;
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

std::size_t AddNebula(TNebula Record) {
  assert(static_cast<std::size_t>(Catalogue().DatabaseInfo.NumberOfItems) == Catalogue().Nebulas.size());
  // A copy of a record with a thumbnail only views its pixels; the database
  // must own the thumbnails of its records.
  assert(!Record.Thumbnail.Loaded || Record.Thumbnail.OwnsPixels());
  int32_t number = SmallestFreeNumber(Catalogue().Nebulas);
  Catalogue().Nebulas.push_back(std::move(Record));
  Catalogue().Nebulas.back().IndexOfItem = number;
  Catalogue().Nebulas.back().Serial = NewSerial();
  Catalogue().DatabaseInfo.NumberOfItems = static_cast<int32_t>(Catalogue().Nebulas.size());
  Catalogue().Modified = true;
  ++Catalogue().Revision;
  return Catalogue().Nebulas.size() - 1;
}

std::size_t AddNebula(TNebula Record, std::string_view Dir) {
  const std::size_t at = AddNebula(std::move(Record));
  LoadThumbnail(Catalogue().Nebulas[at], Dir);
  return at;
}

TPictureResult ReviseNebula(std::size_t Position, const TNebula& Fields, std::string_view Dir) {
  assert(Position < Catalogue().Nebulas.size());
  TNebula& r = Catalogue().Nebulas[Position];
  r.NameOfNebula = Fields.NameOfNebula;
  r.NGC = Fields.NGC;
  r.Rect = Fields.Rect;
  r.Dec = Fields.Dec;
  r.Distance = Fields.Distance;
  r.Magnitude = Fields.Magnitude;
  r.TypeOfNebula = Fields.TypeOfNebula;
  r.Picture = Fields.Picture;
  r.Description = Fields.Description;
  TPictureResult picture = LoadThumbnail(r, Dir);
  Catalogue().Modified = true;
  ++Catalogue().Revision;
  return picture;
}

std::ptrdiff_t FindNebula(uint32_t Serial) {
  if (Serial == 0) return -1;
  for (std::size_t i = 0; i < Catalogue().Nebulas.size(); ++i)
    if (Catalogue().Nebulas[i].Serial == Serial) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

void DeleteNebula(std::size_t Position) {
  assert(Position < Catalogue().Nebulas.size());
  assert(static_cast<std::size_t>(Catalogue().DatabaseInfo.NumberOfItems) == Catalogue().Nebulas.size());
  int32_t removed = Catalogue().Nebulas[Position].IndexOfItem;
  ReleaseThumbnail(Catalogue().Nebulas[Position]);
  Catalogue().Nebulas.erase(Catalogue().Nebulas.begin() + static_cast<std::ptrdiff_t>(Position));
  for (TNebula& r : Catalogue().Nebulas)
    if (r.IndexOfItem > removed) --r.IndexOfItem;
  Catalogue().DatabaseInfo.NumberOfItems = static_cast<int32_t>(Catalogue().Nebulas.size());
  Catalogue().Modified = true;
  ++Catalogue().Revision;
}
