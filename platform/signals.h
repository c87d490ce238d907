#pragma once
// The requests to end that reach a process as signals: SIGTERM (the desktop
// logging out or shutting down, `kill`), SIGINT (Ctrl+C in the terminal) and
// SIGHUP (the terminal closed). They are not a close request: nobody is there
// to answer a question, so the program ends at once, keeping what it can.

namespace platform {

// Catches the three signals from now on. The handler only notes the signal;
// the frame loop asks for it once a frame.
void CatchTerminationSignals();
// The signal number that arrived since the last call, or 0. Taken once.
int TakeTerminationSignal();
// Whether a signal is waiting to be taken; leaves it there.
bool TerminationSignalPending();
// The signal's name for messages ("SIGTERM").
const char* SignalName(int signal_number);
// The requests that end the program this way, for `corvala --help` (UTF-8).
const char* TerminationRequestsHint();
// A request to end that reaches a backend rather than the process (Windows
// ends a session with a window message): it is taken like a signal.
void NoteTerminationRequest(int signal_number);

// The program's own work for a request to end (the recovery copy, the
// settings), for a backend that must have it done before it answers: Windows
// may end the process as soon as WM_ENDSESSION is answered, before the frame
// loop would look for the request. Null: nothing is done early.
using EndNowHandler = void (*)(int signal_number);
inline EndNowHandler& EndNowOnRequest() {
  static EndNowHandler handler = nullptr;
  return handler;
}

}  // namespace platform
