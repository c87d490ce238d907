// platform/signals.h on Windows: Ctrl+C and Ctrl+Break in the console, the
// console closed, and the session ending (through the console handler or the
// window's WM_QUERYENDSESSION) are taken as SIGINT, SIGHUP and SIGTERM.
#include <windows.h>

#include <csignal>

#include "platform/signals.h"

namespace platform {

namespace {

constexpr int kHangup = 1;  // SIGHUP's number on POSIX; Windows has no such signal

volatile LONG g_signal = 0;

BOOL WINAPI NoteConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      InterlockedExchange(&g_signal, SIGINT);
      return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      InterlockedExchange(&g_signal, event == CTRL_CLOSE_EVENT ? kHangup : SIGTERM);
      // The process ends as soon as this handler returns; the frame loop
      // needs a moment to write the settings and the recovery copy.
      Sleep(4000);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void CatchTerminationSignals() { SetConsoleCtrlHandler(NoteConsoleEvent, TRUE); }

int TakeTerminationSignal() { return static_cast<int>(InterlockedExchange(&g_signal, 0)); }

bool TerminationSignalPending() { return InterlockedCompareExchange(&g_signal, 0, 0) != 0; }

void NoteTerminationRequest(int signal_number) { InterlockedExchange(&g_signal, signal_number); }

const char* SignalName(int signal_number) {
  switch (signal_number) {
    case SIGTERM: return "SIGTERM";
    case SIGINT: return "SIGINT";
    case kHangup: return "SIGHUP";
    default: return "signal";
  }
}

const char* TerminationRequestsHint() { return "Ctrl+C v konzole, zatvorenie konzoly a koniec relácie Windows"; }

}  // namespace platform
