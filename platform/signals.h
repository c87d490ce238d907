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

}  // namespace platform
