#pragma once
// The main module: the program's application object. Its start-up creates
// the fonts and every form once; the end of each frame turns a quit request
// into the end of the loop, finishes the start-up after the first frame has
// been shown (settings and the default database), and saves screenshots;
// shutdown writes the settings back.

#include <string>
#include <string_view>

#include "vc/vc_app.h"
#include "platform/platform.h"
#include "rastrix/display.h"

class TDatabase : public TApplication {
 public:
  TDatabase() = default;
  ~TDatabase() override = default;

  bool FirstCycle = false;  // true until the end of the first frame
  // What a screenshot saves. It reaches below the screen on purpose; the
  // picture writer clips it to the 1024 x 768 frame.
  TViewport AllScreen;

  void OnCreate() override;
  void OnEndCycle() override;
  void Epilogue() override;
  void OnFree() override;
  // The desktop's close request is the program's own exit button: the exit
  // form asks, so unsaved changes are offered for saving.
  void OnCloseRequest() override;
};

extern TDatabase* Database;

// A database named on the command line (a program path): the end of the
// first frame opens it instead of the default one of the settings.
extern std::string StartupCatalogue;

// A termination signal (SIGTERM, SIGINT, SIGHUP) ends the program after the
// frame: unsaved changes go to a recovery copy beside the database, the
// settings are written as at a normal exit, and a line on stderr says where
// the copy is. Returns the path of the copy (program path), or empty.
std::string EndOnSignal(int Signal);

// Constructs the application and runs its start-up ("Corvala" is the title).
TDatabase* CreateDatabaseApplication();

// The name of a screenshot taken at local time T: "SnapShots\" and day,
// month, year, hour, minute and second without leading zeros joined by "_".
std::string SnapshotFileName(const platform::SystemTime& T);
// Saves the frame just presented under the current local time. A failure is
// reported on the error form; the program goes on either way.
bool SaveSnapshot();
// F9: night mode on or off, remembered for the next start.
void ToggleNightMode();

// Releases what TApplication::Free releases (forms, fonts, display, the
// application object) without ending the process, so that a test or a
// benchmark can start the program again. Database is null afterwards.
void ReleaseDatabaseApplication();
