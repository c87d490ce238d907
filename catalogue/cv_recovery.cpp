#include "catalogue/cv_recovery.h"

#include <cctype>
#include <cstdio>
#include <set>
#include <utility>

#include "catalogue/cv_globals.h"
#include "platform/cp1250.h"
#include "platform/file_state.h"
#include "platform/files.h"

namespace {

std::string_view Lowered(std::string_view Text, std::string& Out) {
  Out.assign(Text);
  for (char& c : Out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Out;
}

bool EndsWithCvl(std::string_view Name) {
  std::string lowered;
  return Name.size() > 4 && Lowered(Name.substr(Name.size() - 4), lowered) == ".cvl";
}

// The hidden name a save writes before its rename (platform::ReplaceFile).
constexpr std::string_view kTemporaryPrefix = ".corvala-";

std::string RecoveryPath(std::string_view Name) {
  std::string path(RECOVERY_FOLDER);
  path += '\\';
  path += Name;
  return path;
}

}  // namespace

std::string RecoveryFileName(std::string_view F) {
  std::string_view stem = F;
  if (stem.size() > FolderOf(F).size() + 4 && EndsWithCvl(stem)) stem.remove_suffix(4);
  std::string name(stem);
  name += ".obnova.cvl";
  return name;
}

std::string UserRecoveryFileName(std::string_view F) {
  if (F.empty()) return RecoveryPath("bez-databazy.cvl");
  // A short name of its own per catalogue (64-bit FNV-1a of its path): it
  // fits wherever the folder does, however long the catalogue's name.
  uint64_t hash = 14695981039346656037ull;
  for (char c : F) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  char name[24];
  std::snprintf(name, sizeof name, "%016llx.cvl", static_cast<unsigned long long>(hash));
  return RecoveryPath(name);
}

TRecoveryResult SaveRecoveryCopy() {
  const bool bound = Catalogue().Loaded;
  if (bound ? !Catalogue().Modified : Catalogue().Nebulas.empty()) return {TRecoveryError::NothingToSave};
  // The copy records where it belongs. A path longer than the header holds
  // is left out: the copy is then offered as records without a catalogue.
  const TShortString path = Catalogue().DatabaseInfo.Path;
  Catalogue().DatabaseInfo.Path =
      bound && Catalogue().DatabaseFile.size() <= TShortString::Capacity ? Catalogue().DatabaseFile : std::string();
  TRecoveryResult saved{TRecoveryError::Unwritten};
  const std::string user = UserRecoveryFileName(bound ? Catalogue().DatabaseFile : std::string());
  if (bound) {
    const std::string beside = RecoveryFileName(Catalogue().DatabaseFile);
    const TDatabaseResult written = WriteDatabaseTo(beside);
    if (written) {
      saved = {TRecoveryError::None, {}, 0, beside};
      // An older copy of the same catalogue in the recovery folder is replaced by this one.
      platform::RemoveFile(user);
    } else {
      saved = {TRecoveryError::Unwritten, written.Message, written.Error};
    }
  }
  if (!saved) {
    // A folder already there is what is wanted; any other failure shows in the write.
    platform::CreateFolder(RECOVERY_FOLDER);
    const TDatabaseResult written = WriteDatabaseTo(user);
    if (written) saved = {TRecoveryError::None, {}, 0, user};
    else saved = {TRecoveryError::Unwritten, written.Message, written.Error};
  }
  Catalogue().DatabaseInfo.Path = path;
  return saved;
}

namespace {

class TOfferSearch {
 public:
  std::vector<TRecoveryOffer> Offers;

  void Consider(std::string File, TRecoveryKind Kind, std::string_view Original, bool RecordedOriginal) {
    const platform::FileState state = platform::StateOf(File);
    if (!state.exists || !seen_.insert({state.device, state.file}).second) return;
    std::string bytes;
    TDatabaseInfo info;
    TNebulas records;
    const bool sound = ReadDatabaseFile(File, bytes) && DecodeDatabase(bytes, info, records, File);
    if (!sound) return;
    TRecoveryOffer offer;
    offer.File = std::move(File);
    offer.Original = RecordedOriginal ? info.Path.Str() : std::string(Original);
    offer.Kind = Kind;
    offer.Records = info.NumberOfItems;
    offer.Time = state.modified_local;
    Offers.push_back(std::move(offer));
  }

  void Leftovers(std::string_view Folder) {
    for (const std::string& name : platform::FilesInFolder(Folder, kTemporaryPrefix))
      Consider(std::string(Folder) + name, TRecoveryKind::Leftover, {}, true);
  }

 private:
  std::set<std::pair<uint64_t, uint64_t>> seen_;
};

}  // namespace

std::vector<TRecoveryOffer> FindRecoveryOffers(std::string_view C) {
  TOfferSearch search;
  if (!C.empty()) {
    search.Consider(RecoveryFileName(C), TRecoveryKind::Copy, C, false);
    // Its copy in the recovery folder is named after its path: it belongs to
    // C even when the path was too long for the copy's header to record.
    search.Consider(UserRecoveryFileName(C), TRecoveryKind::Copy, C, false);
    search.Leftovers(FolderOf(C));
  }
  for (const std::string& name : platform::FilesInFolder(RECOVERY_FOLDER)) {
    if (name.starts_with(kTemporaryPrefix)) search.Consider(RecoveryPath(name), TRecoveryKind::Leftover, {}, true);
    else if (EndsWithCvl(name)) search.Consider(RecoveryPath(name), TRecoveryKind::Copy, {}, true);
  }
  search.Leftovers("");
  return std::move(search.Offers);
}

TDatabaseResult OpenRecoveredVersion(const TRecoveryOffer& Offer) {
  TDatabaseResult loaded = LoadDatabase(Offer.File, false);
  if (!loaded) return loaded;
  // Pictures are named relative to the catalogue's folder, not the copy's.
  const std::string_view dir = FolderOf(Offer.Original.empty() ? Offer.File : Offer.Original);
  for (TNebula& r : Catalogue().Nebulas) LoadThumbnail(r, dir);
  if (Offer.Original.empty()) {
    Catalogue().Loaded = false;
    Catalogue().DatabaseFile.clear();
    Catalogue().DatabaseInfo.Path = std::string_view();
    Catalogue().FileState = platform::FileState();
    Catalogue().FileLock.Release();
  } else {
    Catalogue().DatabaseFile = Offer.Original;
    if (Offer.Original.size() <= TShortString::Capacity) Catalogue().DatabaseInfo.Path = Offer.Original;
    // The user chose this version over the catalogue as it stands now, so a
    // save may replace that; a leftover's catalogue is not known for sure,
    // and saving over an existing file asks first.
    Catalogue().FileState =
        Offer.Kind == TRecoveryKind::Copy ? platform::StateOf(Offer.Original) : platform::FileState();
    TakeDatabaseLock();
  }
  Catalogue().RecoverySource = Offer.File;
  Catalogue().Modified = true;
  return loaded;
}

platform::FileResult<> DeleteRecoveredVersion(const TRecoveryOffer& Offer) {
  return platform::RemoveFile(Offer.File);
}

std::vector<std::string> RecoveryQuestionLines(const TRecoveryOffer& Offer) {
  std::vector<std::string> lines;
  lines.emplace_back(Offer.Kind == TRecoveryKind::Copy ? "Našla sa obnovená verzia databázy"_cp
                                                       : "Našla sa nedokončene uložená databáza"_cp);
  if (Offer.Original.empty()) {
    lines.emplace_back("(položky bez databázy)"_cp);
  } else {
    const std::string_view original = Offer.Original;
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "..." + std::string.
    std::string name = "\"";
    name += original.substr(FolderOf(original).size());
    name += '"';
    lines.push_back(std::move(name));
  }
  const platform::SystemTime& t = Offer.Time;
  const int32_t n = Offer.Records;
  const std::string_view items = n == 1 ? "položka"_cp : n >= 2 && n <= 4 ? "položky"_cp : "položiek"_cp;
  char when[64];
  std::snprintf(when, sizeof when, "%u.%u.%u %u:%02u, %d ", unsigned{t.Day}, unsigned{t.Month}, unsigned{t.Year},
                unsigned{t.Hour}, unsigned{t.Minute}, n);
  lines.push_back("uložená "_cps + when + std::string(items));
  return lines;
}
