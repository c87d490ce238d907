#include "catalogue/cv_messages.h"

namespace {

constexpr std::size_t kKeptMessages = 16;
TMessageHandler g_handler = nullptr;
std::vector<std::string> g_messages;

}  // namespace

void SetMessageHandler(TMessageHandler Handler) { g_handler = Handler; }

void ShowErrorMessage(std::string_view Text) {
  if (g_messages.size() == kKeptMessages) g_messages.erase(g_messages.begin());
  g_messages.emplace_back(Text);
  if (g_handler != nullptr) g_handler(Text);
}

const std::vector<std::string>& RecentMessages() { return g_messages; }

void ClearRecentMessages() { g_messages.clear(); }
