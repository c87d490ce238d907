#pragma once
// The last messages the program sent to the user (at most 16), kept by an
// observer of ShowErrorMessage that is installed when a test program starts.

#include <string>
#include <vector>

const std::vector<std::string>& RecentMessages();
void ClearRecentMessages();
