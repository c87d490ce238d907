#include "platform/win32_backend.h"

#include <windows.h>
#include <windowsx.h>
// After windows.h: the timer period (winmm).
#include <mmsystem.h>

#include <algorithm>
#include <cassert>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "platform/cp1250.h"
#include "platform/signals.h"
#include "platform/vk.h"
#include "platform/win32_text.h"
#include "platform/window_backend.h"

namespace platform {

namespace {

// The same pacing as the SDL backend's: about 60 frames a second while the
// picture moves; a still picture rests until the program's next change of
// its own (SetIdleWait), or, where the program tells none, at 20 frames a
// second after kFramesBeforeRest still frames. Any input ends a rest at once.
constexpr uint64_t kFrameMs = 16;
constexpr int kFramesBeforeRest = 30;
constexpr uint64_t kRestingFrameMs = 50;
// The longest slice of a rest between two looks for a termination request.
constexpr uint64_t kSignalCheckMs = 100;

constexpr wchar_t kClassName[] = L"CorvalaWindow";

Win32Backend* g_owner = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (g_owner != nullptr) return g_owner->HandleMessage(window, message, wparam, lparam);
  return DefWindowProcW(window, message, wparam, lparam);
}

std::wstring WideTitle(const char* title) { return win32::Wide(cp1250::ToUtf8(title != nullptr ? title : "")); }

// The largest whole factor by which a width x height client area still fits
// the desktop's work area with the window's frame around it, at least 1.
int WindowScale(int width, int height, DWORD style) {
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return 1;
  int scale = 1;
  for (;;) {
    RECT r{0, 0, width * (scale + 1), height * (scale + 1)};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    if (r.right - r.left > work.right - work.left || r.bottom - r.top > work.bottom - work.top) return scale;
    ++scale;
  }
}

int GenericOf(int code) {
  switch (code) {
    case vk::LSHIFT: case vk::RSHIFT: return vk::SHIFT;
    case vk::LCONTROL: case vk::RCONTROL: return vk::CONTROL;
    case vk::LMENU: case vk::RMENU: return vk::MENU;
    default: return 0;
  }
}

// The time a system call reads (GetSystemTime or GetLocalTime) as the program's record.
SystemTime ReadSystemTime(void(WINAPI* read)(LPSYSTEMTIME)) {
  SYSTEMTIME s;
  read(&s);
  SystemTime t;
  t.Year = s.wYear;
  t.Month = s.wMonth;
  t.DayOfWeek = s.wDayOfWeek;
  t.Day = s.wDay;
  t.Hour = s.wHour;
  t.Minute = s.wMinute;
  t.Second = s.wSecond;
  t.Milliseconds = s.wMilliseconds;
  return t;
}

}  // namespace

Win32Backend::Win32Backend() = default;

Win32Backend::~Win32Backend() {
  if (open_) CloseDisplay();
}

void Win32Backend::OpenDisplay(const char* title, int width, int height) {
  assert(!open_ && "display opened twice");
  assert(width > 0 && height > 0);
  open_ = true;
  width_ = width;
  height_ = height;
  cursor_x_ = cursor_y_ = 0;
  shown_.assign(static_cast<size_t>(width) * height * 4, 0);
  changed_.Reset(width, height);
  typed_.reserve(64);
  shown_count_ = 0;
  g_owner = this;

  // Window sizes and pointer positions in real pixels, not in units a
  // high-DPI desktop scales behind the program's back.
  SetProcessDPIAware();
  // Sleep() waits in whole timer periods; 1 ms periods keep the frame pacing even.
  timeBeginPeriod(1);

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_OWNDC;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hCursor = nullptr;  // WM_SETCURSOR picks the arrow or the hand
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);

  DWORD style, ex_style = WS_EX_APPWINDOW;
  RECT place{};
  int scale = 1;
  if (windowed_) {
    style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    scale = WindowScale(width, height, style);
    place = {0, 0, width * scale, height * scale};
    AdjustWindowRectEx(&place, style, FALSE, ex_style);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = place.right - place.left, h = place.bottom - place.top;
    const int x = work.left + std::max(0L, (work.right - work.left - w) / 2);
    const int y = work.top + std::max(0L, (work.bottom - work.top - h) / 2);
    place = {x, y, x + w, y + h};
  } else {
    // A popup window over the whole monitor the program starts on.
    style = WS_POPUP;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor)) place = monitor.rcMonitor;
    else place = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  window_ = CreateWindowExW(ex_style, kClassName, WideTitle(title).c_str(), style, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, nullptr, nullptr, instance, nullptr);
  if (window_ == nullptr) {
    std::fprintf(stderr, "corvala: the window could not be created (error %lu)\n", GetLastError());
    close_requested_ = true;
    return;
  }
  if (windowed_) {
    // The frame the system really drew may differ from the one it predicted
    // (Wine's does): the client area is made the frame's size times the scale.
    RECT client{}, outer{};
    GetClientRect(window_, &client);
    GetWindowRect(window_, &outer);
    const int dw = width * scale - client.right, dh = height * scale - client.bottom;
    if (dw != 0 || dh != 0)
      SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + dw, outer.bottom - outer.top + dh,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  UpdateWindow(window_);
  last_present_ms_ = GetTickCount64();
}

Win32Backend::Placement Win32Backend::PictureArea() const {
  RECT client{};
  GetClientRect(window_, &client);
  const int cw = client.right, ch = client.bottom;
  Placement p;
  // Scaled to fit with black bars where the aspect ratios differ, as on Linux.
  if (static_cast<int64_t>(cw) * height_ <= static_cast<int64_t>(ch) * width_) {
    p.width = cw;
    p.height = static_cast<int>(static_cast<int64_t>(cw) * height_ / width_);
  } else {
    p.height = ch;
    p.width = static_cast<int>(static_cast<int64_t>(ch) * width_ / height_);
  }
  p.x = (cw - p.width) / 2;
  p.y = (ch - p.height) / 2;
  return p;
}

void Win32Backend::DrawRows(void* dc_handle, int first, int count) {
  const HDC dc = static_cast<HDC>(dc_handle);
  const Placement p = PictureArea();
  if (p.width <= 0 || p.height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  // Negative: top row first, as the frame is. The rows handed over start at
  // the first changed one, which sidesteps GDI's bottom-up source origin.
  info.bmiHeader.biHeight = -count;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const int y0 = p.y + static_cast<int>(static_cast<int64_t>(first) * p.height / height_);
  const int y1 = p.y + static_cast<int>(static_cast<int64_t>(first + count) * p.height / height_);
  const uint8_t* bits = shown_.data() + static_cast<size_t>(first) * width_ * 4;
  if (p.width == width_ && p.height == height_) {
    SetDIBitsToDevice(dc, p.x, y0, width_, count, 0, 0, 0, count, bits, &info, DIB_RGB_COLORS);
  } else {
    // Whole pixels stay sharp when scaled.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, p.x, y0, p.width, y1 - y0, 0, 0, width_, count, bits, &info, DIB_RGB_COLORS, SRCCOPY);
  }
}

void Win32Backend::PaintWhole(void* dc_handle) {
  const HDC dc = static_cast<HDC>(dc_handle);
  RECT client{};
  GetClientRect(window_, &client);
  const Placement p = PictureArea();
  const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  const RECT bars[4] = {{0, 0, client.right, p.y},
                        {0, p.y + p.height, client.right, client.bottom},
                        {0, p.y, p.x, p.y + p.height},
                        {p.x + p.width, p.y, client.right, p.y + p.height}};
  for (const RECT& bar : bars)
    if (bar.right > bar.left && bar.bottom > bar.top) FillRect(dc, &bar, black);
  DrawRows(dc, 0, height_);
}

void Win32Backend::Present(const uint8_t* frame) {
  const bool presented = ShowChanges(frame);
  Pace(presented);
  DrainMessages();
}

bool Win32Backend::ShowChanges(const uint8_t* frame) {
  assert(open_ && "Present without an open display");
  assert(frame != nullptr);
  if (window_ == nullptr || IsIconic(window_)) return false;
  const RowSpan rows = changed_.Take(frame);
  if (rows.Empty()) return false;
  const size_t offset = static_cast<size_t>(rows.first) * width_ * 4;
  std::memcpy(shown_.data() + offset, frame + offset, static_cast<size_t>(rows.count) * width_ * 4);
  if (const HDC dc = GetDC(window_)) {
    DrawRows(dc, rows.first, rows.count);
    ReleaseDC(window_, dc);
  }
  ++shown_count_;
  return true;
}

void Win32Backend::Pace(bool presented) {
  still_frames_ = presented ? 0 : std::min(still_frames_ + 1, kFramesBeforeRest);
  const uint64_t now = GetTickCount64();
  const bool rest_told = idle_hinted_ && !presented && idle_until_ms_ > now;
  const bool rest_guessed = !idle_hinted_ && still_frames_ >= kFramesBeforeRest;
  if (window_ != nullptr && (rest_told || rest_guessed)) {
    // Until the program's next change of its own only input can change the
    // picture. The wait is cut into slices so that a console's Ctrl+C, which
    // is no window message, ends it promptly.
    const uint64_t until = rest_told ? idle_until_ms_ : last_present_ms_ + kRestingFrameMs;
    uint64_t t = now;
    while (t < until && !TerminationSignalPending()) {
      const DWORD slice = static_cast<DWORD>(std::min<uint64_t>(until - t, kSignalCheckMs));
      // Returns early for any message, and for one already waiting in the queue.
      if (MsgWaitForMultipleObjectsEx(0, nullptr, slice, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT) break;
      t = GetTickCount64();
    }
    last_present_ms_ = GetTickCount64();
    return;
  }
  const uint64_t due = last_present_ms_ + kFrameMs;
  if (now < due) Sleep(static_cast<DWORD>(due - now));
  last_present_ms_ = std::max(due, now);
}

void Win32Backend::SetIdleWait(uint32_t ms) {
  idle_hinted_ = true;
  idle_until_ms_ = GetTickCount64() + ms;
}

void Win32Backend::DrainMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

intptr_t Win32Backend::HandleMessage(HWND window, unsigned message, uintptr_t wparam, intptr_t lparam) {
  // Messages sent while CreateWindowExW runs come before window_ is known.
  if (window_ != nullptr && window != window_) return DefWindowProcW(window, message, wparam, lparam);
  intptr_t result = 0;
  if (WindowMessage(window, message, wparam, lparam, result) || InputMessage(message, wparam, lparam, result))
    return result;
  return DefWindowProcW(window, message, wparam, lparam);
}

bool Win32Backend::WindowMessage(HWND window, unsigned message, uintptr_t wparam, intptr_t lparam,
                                 intptr_t& result) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(window, &ps);
      if (dc != nullptr && window_ != nullptr) PaintWhole(dc);
      EndPaint(window, &ps);
      return true;
    }
    case WM_ERASEBKGND:
      result = 1;  // WM_PAINT covers every pixel
      return true;
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
      changed_.Invalidate();
      if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
      return true;
    case WM_CLOSE:
      // The close button and Alt+F4 ask the program, which asks the user.
      close_requested_ = true;
      return true;
    case WM_QUERYENDSESSION:
      // Nobody is there to answer a question: the session's end is taken as
      // SIGTERM, and the next frame writes what must be kept.
      NoteTerminationRequest(SIGTERM);
      result = TRUE;
      return true;
    case WM_ENDSESSION:
      // The process may be ended as soon as this returns: what the frame loop
      // would keep is kept now, and the request is taken so it is done once.
      if (wparam != FALSE && EndNowOnRequest() != nullptr) {
        const int signal_number = TakeTerminationSignal();
        EndNowOnRequest()(signal_number != 0 ? signal_number : SIGTERM);
      }
      return true;
    case WM_ACTIVATEAPP:
      if (wparam == FALSE) ReleaseAllKeys();
      return true;
    case WM_KILLFOCUS:
      // Releases that happen in another window never arrive here.
      ReleaseAllKeys();
      return true;
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT) return false;
      SetCursor(LoadCursorW(nullptr, hand_ ? IDC_HAND : IDC_ARROW));
      result = TRUE;
      return true;
    case WM_SYSCOMMAND:
      // Alt or F10 alone would open the (absent) window menu and swallow the next key.
      return (wparam & 0xFFF0) == SC_KEYMENU;
    default:
      return false;
  }
}

bool Win32Backend::InputMessage(unsigned message, uintptr_t wparam, intptr_t lparam, intptr_t& result) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      KeyMessage(wparam, lparam);
      // Alt+F4 becomes WM_CLOSE in the system's own handling; no other
      // system key is left to it.
      return !(message == WM_SYSKEYDOWN && wparam == VK_F4);
    case WM_CHAR:
      CharMessage(wparam);
      return true;
    case WM_SYSCHAR:
      return true;  // no beep for Alt with a letter
    case WM_MOUSEMOVE:
      MouseAt(lparam);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
      ButtonMessage(message, wparam, lparam);
      if (message == WM_XBUTTONDOWN || message == WM_XBUTTONUP) result = TRUE;
      return true;
    case WM_MOUSEWHEEL:
      wheel_ += GET_WHEEL_DELTA_WPARAM(wparam);
      return true;
    default:
      return false;
  }
}

void Win32Backend::KeyMessage(uintptr_t wparam, intptr_t lparam) {
  const bool down = (lparam & (1LL << 31)) == 0;
  const bool repeat = down && (lparam & (1LL << 30)) != 0;
  const bool extended = (lparam & (1LL << 24)) != 0;
  int code = static_cast<int>(wparam);
  if (code == VK_SHIFT) {
    const UINT scancode = (static_cast<UINT>(lparam) >> 16) & 0xFF;
    code = static_cast<int>(MapVirtualKeyW(scancode, MAPVK_VSC_TO_VK_EX));
    if (code != vk::RSHIFT) code = vk::LSHIFT;
  } else if (code == VK_CONTROL) {
    code = extended ? vk::RCONTROL : vk::LCONTROL;
  } else if (code == VK_MENU) {
    code = extended ? vk::RMENU : vk::LMENU;
  }
  const size_t key = ((static_cast<size_t>(lparam) >> 16) & 0xFF) | (extended ? 0x100 : 0);
  if (!down && pressed_as_[key] != 0) code = pressed_as_[key];
  if (down) pressed_as_[key] = static_cast<uint8_t>(code >= 1 && code <= 255 ? code : 0);
  else pressed_as_[key] = 0;
  if (!repeat && code >= 1 && code <= 255) SetKeyState(code, down);
}

void Win32Backend::CharMessage(uintptr_t wparam) {
  const auto unit = static_cast<char16_t>(wparam);
  // Characters outside the Basic Multilingual Plane are outside
  // Windows-1250 too; both halves are dropped. So are control characters,
  // which the program reads as keys.
  if (unit < 0x20 || unit == 0x7F || (unit >= 0xD800 && unit <= 0xDFFF)) return;
  if (const auto byte = cp1250::FromCodePoint(unit)) typed_.push_back(static_cast<char>(*byte));
}

void Win32Backend::ButtonMessage(unsigned message, uintptr_t wparam, intptr_t lparam) {
  const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                    message == WM_XBUTTONDOWN;
  int code = vk::LBUTTON;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) code = vk::RBUTTON;
  if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) code = vk::MBUTTON;
  if (message == WM_XBUTTONDOWN || message == WM_XBUTTONUP) code = HIWORD(wparam) == XBUTTON1 ? 0x05 : 0x06;
  MouseAt(lparam);
  if (down != down_[code]) buttons_held_ += down ? 1 : -1;
  SetKeyState(code, down);
  // A drag that leaves the window still ends with its release here.
  if (down && buttons_held_ == 1) SetCapture(window_);
  if (!down && buttons_held_ <= 0) {
    buttons_held_ = 0;
    ReleaseCapture();
  }
}

void Win32Backend::MouseAt(intptr_t lparam) {
  const Placement p = PictureArea();
  if (p.width <= 0 || p.height <= 0) return;
  // The frame pixel under the middle of the window pixel, so that the pointer
  // hits the pixel that the scaled picture shows there.
  const int64_t wx = GET_X_LPARAM(lparam) - p.x, wy = GET_Y_LPARAM(lparam) - p.y;
  const int64_t fx = ((2 * wx + 1) * width_) / (2 * int64_t{p.width});
  const int64_t fy = ((2 * wy + 1) * height_) / (2 * int64_t{p.height});
  cursor_x_ = static_cast<int>(std::clamp<int64_t>(wx < 0 ? 0 : fx, 0, width_ - 1));
  cursor_y_ = static_cast<int>(std::clamp<int64_t>(wy < 0 ? 0 : fy, 0, height_ - 1));
}

void Win32Backend::SetKeyState(int code, bool down) {
  assert(code >= 1 && code <= 255);
  if (down && !down_[code]) tapped_[code] = true;
  // Windows reports Print Screen by its release alone.
  if (!down && code == vk::SNAPSHOT && !down_[code]) tapped_[code] = true;
  down_[code] = down;
  const int generic = GenericOf(code);
  if (generic == 0) return;
  bool any = false;
  for (int specific : {vk::LSHIFT, vk::RSHIFT, vk::LCONTROL, vk::RCONTROL, vk::LMENU, vk::RMENU})
    if (GenericOf(specific) == generic && down_[specific]) any = true;
  if (any && !down_[generic]) tapped_[generic] = true;
  down_[generic] = any;
}

void Win32Backend::ReleaseAllKeys() {
  down_.fill(false);
  pressed_as_.fill(0);
  buttons_held_ = 0;
}

void Win32Backend::SetCursorPos(int x, int y) {
  if (!open_) return;
  cursor_x_ = std::clamp(x, 0, width_ - 1);
  cursor_y_ = std::clamp(y, 0, height_ - 1);
  if (window_ == nullptr) return;
  // Aim at the middle of the frame pixel so that reading the position back
  // lands on the same pixel whatever the scale.
  const Placement p = PictureArea();
  POINT point{p.x + static_cast<LONG>((2 * int64_t{cursor_x_} + 1) * p.width / (2 * int64_t{width_})),
              p.y + static_cast<LONG>((2 * int64_t{cursor_y_} + 1) * p.height / (2 * int64_t{height_}))};
  ClientToScreen(window_, &point);
  ::SetCursorPos(point.x, point.y);
}

void Win32Backend::SetCursorShape(CursorShape shape) {
  const bool hand = shape == CursorShape::Hand;
  if (hand == hand_) return;
  hand_ = hand;
  POINT point{};
  if (window_ != nullptr && ::GetCursorPos(&point) && WindowFromPoint(point) == window_)
    SetCursor(LoadCursorW(nullptr, hand_ ? IDC_HAND : IDC_ARROW));
}

uint32_t Win32Backend::DoubleClickTime() { return GetDoubleClickTime(); }

void Win32Backend::TakeTypedText(std::string& text) {
  text.assign(typed_);
  typed_.clear();
}

int Win32Backend::TakeWheelNotches() {
  const int notches = wheel_ / WHEEL_DELTA;
  wheel_ -= notches * WHEEL_DELTA;
  return notches;
}

void Win32Backend::CloseDisplay() {
  if (!open_) return;
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  timeEndPeriod(1);
  g_owner = nullptr;
  open_ = false;
  down_.fill(false);
  tapped_.fill(false);
  pressed_as_.fill(0);
  typed_.clear();
  wheel_ = 0;
  buttons_held_ = 0;
}

// Milliseconds since the machine started, wrapping after 49.7 days: the tick
// count the program's timing was written against.
uint32_t Win32Backend::TickCount() { return GetTickCount(); }

SystemTime Win32Backend::UtcTime() { return ReadSystemTime(&GetSystemTime); }

SystemTime Win32Backend::LocalTime() { return ReadSystemTime(&GetLocalTime); }

uint64_t Win32Backend::AvailableMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  return GlobalMemoryStatusEx(&status) ? status.ullAvailPhys : 0;
}

Backend& WindowBackend(bool windowed) {
  static Win32Backend backend;
  backend.SetWindowed(windowed);
  return backend;
}

}  // namespace platform
