// The session's end reaching the Win32 window. Windows may end the process
// as soon as WM_ENDSESSION is answered, so the program's work for the request
// must be done inside that message, not in a later frame.
#include <windows.h>

#include <gtest/gtest.h>

#include <csignal>

#include "platform/signals.h"
#include "platform/win32_backend.h"

namespace platform {
namespace {

int g_ended_with = 0;
bool g_pending_while_ending = true;

TEST(Win32EndSession, TheProgramKeepsWhatItMustBeforeWmEndSessionIsAnswered) {
  Win32Backend host;
  host.SetWindowed(true);
  host.OpenDisplay("end session", 64, 48);
  const HWND window = FindWindowW(L"CorvalaWindow", nullptr);
  if (!host.HasWindow() || window == nullptr) GTEST_SKIP() << "no display for a window";
  TakeTerminationSignal();
  EndNowOnRequest() = [](int signal_number) {
    g_ended_with = signal_number;
    g_pending_while_ending = TerminationSignalPending();
  };

  // Asked: only noted, for the frame loop.
  EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_EQ(g_ended_with, 0);
  EXPECT_TRUE(TerminationSignalPending());
  // The end called off: nothing is done.
  SendMessageW(window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_EQ(g_ended_with, 0);
  // Told: done before the answer, once (the request taken, no later frame repeats it).
  SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(g_ended_with, SIGTERM);
  EXPECT_FALSE(g_pending_while_ending);
  EXPECT_FALSE(TerminationSignalPending());

  EndNowOnRequest() = nullptr;
  host.CloseDisplay();
}

}  // namespace
}  // namespace platform
