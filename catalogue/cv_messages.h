#pragma once
// The one road every Slovak message of the program takes to the user: to the
// handler the program installs (app/corvala.cpp gives it the error form), and
// to an observer beside it, which tests and tools use to read the messages
// whatever handler is installed.

#include <string_view>

using TMessageHandler = void (*)(std::string_view Text);
void SetMessageHandler(TMessageHandler Handler);
void SetMessageObserver(TMessageHandler Observer);
void ShowErrorMessage(std::string_view Text);
