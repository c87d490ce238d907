#include "app/cv_launch.h"

#include <cstring>
#include <string_view>

#include "catalogue/cv_settings.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/signals.h"
#include "platform/user_folders.h"

namespace {

constexpr std::string_view kDefaultFont = "Fonts/Tahoma_10pt_normal.fnt";
// The sample catalogue, relative to the shared folder and to the data folder.
constexpr std::string_view kSampleFolder = "samples";
constexpr std::string_view kSampleCatalogue = "samples\\Hmloviny.cvl";

bool NativeFileExists(const std::string& path) { return platform::NativeFileReadable(path); }

// Whether two native paths name the same folder, told by their absolute
// forms without a trailing separator ("." normalises to "folder/").
bool SameFolder(const std::string& a, const std::string& b) {
  auto bare = [](std::string path) {
    path = platform::AbsolutePath(path);
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    return path;
  };
  return bare(a) == bare(b);
}

}  // namespace

TLaunchOptions ParseCommandLine(int argc, const char* const* argv) {
  TLaunchOptions o;
  bool options_end = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (!options_end && a == "--") {
      options_end = true;
    } else if (!options_end && (a == "--window" || a == "-w")) {
      o.Window = true;
    } else if (!options_end && (a == "--version" || a == "-v")) {
      o.Version = true;
    } else if (!options_end && (a == "--help" || a == "-h")) {
      o.Help = true;
    } else if (!options_end && a.size() > 1 && a[0] == '-') {
      o.Error = "neznáma voľba \"" + std::string(a) + "\"";
      return o;
    } else if (!o.Catalogue.empty()) {
      o.Error = "otvoriť sa dá iba jeden katalóg";
      return o;
    } else if (a.empty()) {
      o.Error = "prázdny názov katalógu";
      return o;
    } else {
      o.Catalogue = a;
    }
  }
  return o;
}

std::string UsageText() {
  return "Použitie: corvala [VOĽBA]... [KATALÓG.cvl]\n"
         "Katalóg hmlovín a hvezdáreň. Bez mena súboru otvorí katalóg z nastavení.\n"
         "\n"
         "  -w, --window    okno 1024 x 768 (zväčšené celým násobkom, ak sa zmestí)\n"
         "                  namiesto celej obrazovky\n"
         "  -v, --version   vypíše verziu a skončí\n"
         "  -h, --help      vypíše tento text a skončí\n"
         "\n"
         "Nainštalovaný program má nastavenia v priečinku " +
         platform::SettingsFolderHint() + ",\nkatalógy a snímky obrazovky v priečinku " + platform::UserDataFolderHint() +
         ".\n" + platform::TerminationRequestsHint() +
         " program ukončia; neuložené zmeny katalógu sa uložia\n"
         "do súboru MENO.obnova.cvl vedľa neho (alebo do priečinka recovery/ priečinka\n"
         "používateľa) a ďalšie spustenie ich ponúkne.\n";
}

std::string FindSettingsFile(const TLaunchFolders& Folders) {
  const std::string here(SETTINGS_FILE);
  if (!Folders.Installed) return here;
  const std::string config = platform::ConfigHome();
  // Where the system keeps configuration and data in one home (Windows'
  // %APPDATA%), the settings stay in the data folder beside the catalogues.
  if (config.empty() || SameFolder(config, platform::DataHome())) return here;
  const std::string folder = config + "/corvala";
  const std::string native = folder + "/" + here;
  const cp1250::Conversion name = cp1250::FromUtf8(native);
  if (!name.ok || name.text.find('\\') != std::string::npos || !platform::MakeFolders(folder)) return here;
  const std::string old = Folders.DataFolder + "/" + here;
  if (!NativeFileExists(native) && NativeFileExists(old) && !platform::MoveFile(old, native)) return here;
  return name.text;
}

std::string PrepareFolders(TLaunchFolders& Folders) {
  Folders = {};
  const std::string shared = platform::InstalledFilesFolder();
  // Fonts in the current folder: the program works here as it always has,
  // unless this is the installation's own folder (a Windows shortcut starts
  // the program there).
  if (NativeFileExists(std::string(kDefaultFont)) &&
      (shared.empty() || !SameFolder(shared, "."))) {
    Folders.DataFolder = platform::AbsolutePath(".");
    return {};
  }
  if (shared.empty() || !NativeFileExists(shared + "/" + std::string(kDefaultFont)))
    return "písma programu sa nenašli ani v tomto priečinku (" + platform::AbsolutePath(".") + "), ani v " +
           (shared.empty() ? std::string("priečinku programu") : platform::AbsolutePath(shared));
  Folders.Installed = true;
  Folders.SharedFolder = platform::AbsolutePath(shared);

  Folders.DataFolder = platform::UserDataFolder();
  if (Folders.DataFolder.empty()) return "nie je známy domovský priečinok (" + platform::UserDataFolderHint() + ")";
  Folders.FirstStart = !platform::FolderExists(Folders.DataFolder);
  if (!platform::MakeFolders(Folders.DataFolder))
    return "priečinok " + Folders.DataFolder + " sa nepodarilo vytvoriť";
  if (!platform::ChangeFolder(Folders.DataFolder)) return "do priečinka " + Folders.DataFolder + " sa nedá prejsť";
  platform::SetResourceFolder(Folders.SharedFolder);
  SetSettingsFile(FindSettingsFile(Folders));

  SeedDataFolder(Folders.SharedFolder);
  return {};
}

bool SeedDataFolder(const std::string& SharedFolder) {
  // Checked every start, not only when the folder is made: a first start cut
  // short leaves the folder without the sample, and it would stay so.
  if (platform::FileExists(kSampleCatalogue)) return false;
  const std::string samples = SharedFolder + "/" + std::string(kSampleFolder);
  if (!platform::FolderExists(samples) || !platform::CopyFolderContents(samples, std::string(kSampleFolder)) ||
      !platform::FileExists(kSampleCatalogue))
    return false;
  // The user's own settings stay; only a start without any opens the sample.
  if (platform::FileExists(SettingsFile())) return true;
  TSettings first;
  first.ImplicitDatabase = kSampleCatalogue;
  first.UseImplicitDatabase = true;
  const TSettings kept = Settings;
  Settings = first;
  WriteSettings();
  Settings = kept;
  return true;
}

std::string CatalogueProgramPath(const TLaunchOptions& Options, std::string& Error) {
  Error.clear();
  if (Options.Catalogue.empty()) return {};
  const cp1250::Conversion name = cp1250::FromUtf8(Options.Catalogue);
  if (!name.ok) {
    Error = "názov \"" + Options.Catalogue + "\" má znak, ktorý program nevie zapísať";
    return {};
  }
  if (!platform::FileExists(name.text)) {
    Error = "súbor \"" + Options.Catalogue + "\" neexistuje";
    return {};
  }
  return name.text;
}
