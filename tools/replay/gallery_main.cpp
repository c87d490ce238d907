// corvala-gallery: the control gallery of the replay harness in a real window,
// to try every control with a real mouse and keyboard. Run it where its
// "Fonts" folder is (for example build/run after `make run`).

#include "platform/sdl_backend.h"
#include "tools/replay/gallery.h"
#include "vc/vc_app.h"

int main() {
  static platform::SdlBackend backend;
  platform::Install(&backend);
  TApplication* gallery = replay::CreateGalleryApplication();
  gallery->Run();
  gallery->Free();
}
