#pragma once
// How the program is started: its command line, and where its files are.
//
// Started where its "Fonts" folder lies (`make run`, a copied folder), the
// program works in the current folder as it always has. An installed program
// (its fonts in <prefix>/share/corvala beside <prefix>/bin) works in the
// user's data folder, $XDG_DATA_HOME/corvala (~/.local/share/corvala): its
// catalogues and screenshots live there, made on the first start with a copy
// of the sample catalogue, its settings in the configuration folder (see
// FindSettingsFile), and its fonts and pictures are read from the shared folder.

#include <string>

struct TLaunchOptions {
  bool Window = false;   // an ordinary window instead of the full screen
  bool Version = false;
  bool Help = false;
  std::string Catalogue;  // native path of a database to open, as given
  std::string Error;      // why the command line was refused (UTF-8), empty when it was not
};

TLaunchOptions ParseCommandLine(int argc, const char* const* argv);
// The text of `corvala --help` (UTF-8).
std::string UsageText();

struct TLaunchFolders {
  bool Installed = false;
  bool FirstStart = false;   // the user's data folder was made now
  std::string DataFolder;    // native; the current folder from now on
  std::string SharedFolder;  // native; the program's own files, empty when not installed
};

// The settings file of the program started in these folders, as a program
// path: cv_settings.ini in the data folder, except that an installed program
// keeps it in $XDG_CONFIG_HOME/corvala (~/.config/corvala), where one found in
// the data folder (the place of earlier versions) is moved once. A
// configuration folder that cannot be made or named in Windows-1250 leaves
// it in the data folder.
std::string FindSettingsFile(const TLaunchFolders& Folders);

// Decides where the program works and moves there (see above). Returns an
// empty text on success, else why the program cannot start (UTF-8).
std::string PrepareFolders(TLaunchFolders& Folders);

// Copies the sample catalogue from the shared folder (native) into the
// current folder when it is missing there, and points a new settings file at
// it when there is none. True when the sample was copied.
bool SeedDataFolder(const std::string& SharedFolder);

// The catalogue of the command line as a program path (Windows-1250), or
// the reason it cannot be opened: a name outside Windows-1250 or a file that
// does not exist. A relative name is taken against the current folder.
std::string CatalogueProgramPath(const TLaunchOptions& Options, std::string& Error);
