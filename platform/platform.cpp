#include "platform/platform.h"

#include <cassert>

namespace platform {

namespace {
Backend* g_backend = nullptr;
}

Backend& Current() {
  assert(g_backend != nullptr && "no platform backend installed");
  return *g_backend;
}

void Install(Backend* backend) { g_backend = backend; }

bool Installed() { return g_backend != nullptr; }

}  // namespace platform
