#include "tests/support/recent_messages.h"

#include <string_view>

#include "catalogue/cv_messages.h"

namespace {

constexpr std::size_t kKeptMessages = 16;

std::vector<std::string>& Messages() {
  static std::vector<std::string> messages;
  return messages;
}

void Keep(std::string_view Text) {
  std::vector<std::string>& messages = Messages();
  if (messages.size() == kKeptMessages) messages.erase(messages.begin());
  messages.emplace_back(Text);
}

// Linked into every test program that reads the messages, so they are kept
// from its start.
[[maybe_unused]] const bool g_installed = [] {
  SetMessageObserver(&Keep);
  return true;
}();

}  // namespace

const std::vector<std::string>& RecentMessages() { return Messages(); }

void ClearRecentMessages() { Messages().clear(); }
