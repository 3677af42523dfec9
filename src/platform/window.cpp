#include "platform/window.h"

#include <utility>
#include <algorithm>
#include <vector>

namespace grabwell {

Window::~Window() {
  if (hwnd_) {
    // The object goes first: detach so late messages do not reach a dead object.
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

HWND Window::CreateFor(const char* className, DWORD exStyle, const char* title, DWORD style, int x,
                       int y, int width, int height, HWND parent, HMENU menu) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  if (!::GetClassInfoExA(instance, className, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    ::RegisterClassExA(&wc);
  }
  return ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                           instance, this);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    const LRESULT result = ::DefWindowProcA(hwnd, msg, wp, lp);
    self->OnFinalMessage();
    return result;
  }
  return self->HandleMessage(msg, wp, lp);
}

std::string GetText(HWND hwnd) {
  const int length = ::GetWindowTextLengthA(hwnd);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int got = ::GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

void SetText(HWND hwnd, const std::string& text) { ::SetWindowTextA(hwnd, text.c_str()); }

void RunModal(HWND dialog, HWND owner) {
  const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  ::ShowWindow(dialog, SW_SHOW);
  MSG msg;
  while (::IsWindow(dialog)) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // Someone asked the program to end: let the outer loop see it too.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (!::IsDialogMessageA(dialog, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  if (ownerWasEnabled) {
    ::EnableWindow(owner, TRUE);
    ::SetForegroundWindow(owner);
  }
  if (::IsWindow(dialog)) ::DestroyWindow(dialog);
}

namespace {

// The box being opened by the innermost TimedMessage call, until it appears.
struct PendingBox {
  DWORD milliseconds;
  bool seen;
};
thread_local PendingBox* t_pendingBox = nullptr;

constexpr UINT_PTR kCloseBoxTimer = 0x6762;

void CALLBACK CloseBox(HWND box, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(box, id);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK WatchForBox(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && t_pendingBox && !t_pendingBox->seen) {
    const auto box = reinterpret_cast<HWND>(wp);
    char className[16] = {};
    ::GetClassNameA(box, className, sizeof className);
    if (std::string(className) == "#32770") {
      t_pendingBox->seen = true;
      ::SetTimer(box, kCloseBoxTimer, t_pendingBox->milliseconds, &CloseBox);
    }
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

POINT CentredOver(HWND owner, int width, int height) {
  RECT over{};
  ::GetWindowRect(owner, &over);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  LONG x = over.left + (over.right - over.left - width) / 2;
  LONG y = over.top + (over.bottom - over.top - height) / 2;
  x = std::max(work.left, std::min(x, work.right - width));
  y = std::max(work.top, std::min(y, work.bottom - height));
  return POINT{x, y};
}

void TimedMessage(HWND owner, const std::string& text, const std::string& title,
                  DWORD milliseconds) {
  // MessageBoxTimeoutA is undocumented and Wine ignores its time-out, so the
  // box is closed by a timer of our own on every platform.
  PendingBox pending{milliseconds, false};
  PendingBox* outer = std::exchange(t_pendingBox, &pending);
  HHOOK hook = ::SetWindowsHookExA(WH_CBT, &WatchForBox, nullptr, ::GetCurrentThreadId());
  ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK);
  ::UnhookWindowsHookEx(hook);
  t_pendingBox = outer;
}

void PauseWithEvents(int milliseconds) {
  if (milliseconds <= 0) return;
  const DWORD start = ::GetTickCount();
  const auto wanted = static_cast<DWORD>(milliseconds);
  for (;;) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    const DWORD elapsed = ::GetTickCount() - start;
    if (elapsed > wanted) return;
    // Sleep until a message arrives or the time is up, instead of spinning.
    ::MsgWaitForMultipleObjectsEx(0, nullptr, wanted - elapsed + 1, QS_ALLINPUT,
                                  MWMO_INPUTAVAILABLE);
  }
}

std::string RunDirectory() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD got = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got < path.size()) {
      std::string full(path.data(), got);
      const size_t slash = full.find_last_of("\\/");
      return slash == std::string::npos ? std::string() : full.substr(0, slash);
    }
    path.resize(path.size() * 2);
  }
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size, bool replace) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                              replace ? CREATE_ALWAYS : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = size == 0 || ::WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
  const BOOL closed = ::CloseHandle(file);
  return ok && closed && written == size;
}

}  // namespace grabwell
