#include "catalogue/cv_messages.h"

namespace {

TMessageHandler g_handler = nullptr;
TMessageHandler g_observer = nullptr;

}  // namespace

void SetMessageHandler(TMessageHandler Handler) { g_handler = Handler; }

void SetMessageObserver(TMessageHandler Observer) { g_observer = Observer; }

void ShowErrorMessage(std::string_view Text) {
  if (g_observer != nullptr) g_observer(Text);
  if (g_handler != nullptr) g_handler(Text);
}
