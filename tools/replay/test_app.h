#pragma once
// A small application of the toolkit's own, for the replay harness until the
// program registers its application, and for the harness's end-to-end tests:
// a full-screen bottom window with a menu, two ordinary windows, an
// always-on-top window, a modal question and a key log.

class TApplication;

namespace replay {

// Constructs the test application and runs its Create.
TApplication* CreateTestApplication();

}  // namespace replay
