#include "platform/signals.h"

#include <csignal>
#include <initializer_list>

namespace platform {

namespace {

volatile std::sig_atomic_t g_signal = 0;

extern "C" void NoteSignal(int signal_number) { g_signal = signal_number; }

}  // namespace

void CatchTerminationSignals() {
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  // A signal that arrives while the program waits for input must not make
  // the wait fail; it ends within a frame anyway.
  action.sa_flags = SA_RESTART;
  for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

int TakeTerminationSignal() {
  const int s = g_signal;
  g_signal = 0;
  return s;
}

bool TerminationSignalPending() { return g_signal != 0; }

const char* SignalName(int signal_number) {
  switch (signal_number) {
    case SIGTERM: return "SIGTERM";
    case SIGINT: return "SIGINT";
    case SIGHUP: return "SIGHUP";
    default: return "signal";
  }
}

const char* TerminationRequestsHint() { return "SIGTERM, SIGINT a SIGHUP"; }

void NoteTerminationRequest(int signal_number) { g_signal = signal_number; }

}  // namespace platform
