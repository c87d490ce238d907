#pragma once
// The one road every Slovak message of the program takes to the user. The
// program's start-up installs the error form as the handler; the last few
// messages are kept as well, so that tests and tools can read them.

#include <string>
#include <string_view>
#include <vector>

using TMessageHandler = void (*)(std::string_view Text);
void SetMessageHandler(TMessageHandler Handler);
void ShowErrorMessage(std::string_view Text);
const std::vector<std::string>& RecentMessages();
void ClearRecentMessages();
