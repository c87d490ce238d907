// The program: the real window, the application object, its frame loop.
#include "app/corvala.h"
#include "platform/sdl_backend.h"

int main() {
  static platform::SdlBackend backend;
  platform::Install(&backend);
  CreateDatabaseApplication();
  Database->Run();
  Database->Free();
}
