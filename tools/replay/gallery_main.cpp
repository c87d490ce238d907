// corvala-gallery: the control gallery of the replay harness in a real window,
// to try every control with a real mouse and keyboard. Run it where its
// "Fonts" folder is (for example build/run after `make run`).

#include "platform/window_backend.h"
#include "tools/replay/gallery.h"
#include "vc/vc_app.h"

int main() {
  platform::Install(&platform::WindowBackend(false));
  TApplication* gallery = replay::CreateGalleryApplication();
  gallery->Run();
  gallery->Free();
}
