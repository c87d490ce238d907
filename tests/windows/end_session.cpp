// Ends the Windows session for the program's window as Windows does it: asks
// (WM_QUERYENDSESSION), tells (WM_ENDSESSION), each sent and waited on, and
// then ends the process at once, as the system may as soon as the second is
// answered: what the program keeps must be kept by then.
// Exit status: 0 when both were answered and the window agreed to end.
#include <windows.h>

#include <cstdio>

int main() {
  HWND window = nullptr;
  for (int i = 0; i < 100 && window == nullptr; ++i) {
    window = FindWindowW(L"CorvalaWindow", nullptr);
    if (window == nullptr) Sleep(100);
  }
  if (window == nullptr) {
    std::fprintf(stderr, "end_session: no Corvala window\n");
    return 2;
  }
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_id);
  if (process == nullptr) {
    std::fprintf(stderr, "end_session: the program's process cannot be reached\n");
    return 1;
  }
  DWORD_PTR agreed = 0, ended = 0;
  if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &agreed)) {
    std::fprintf(stderr, "end_session: WM_QUERYENDSESSION was not answered\n");
    return 1;
  }
  if (agreed == FALSE) {
    std::fprintf(stderr, "end_session: the window refused to end the session\n");
    return 1;
  }
  // The program may take the request in a frame of its own first and end by
  // itself; it no longer answers then, and that is no fault.
  if (!SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ended)) {
    if (WaitForSingleObject(process, 10000) == WAIT_OBJECT_0) return 0;
    std::fprintf(stderr, "end_session: WM_ENDSESSION was not answered and the program did not end\n");
    return 1;
  }
  if (!TerminateProcess(process, 1) && WaitForSingleObject(process, 0) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "end_session: the program could not be ended\n");
    return 1;
  }
  CloseHandle(process);
  return 0;
}
