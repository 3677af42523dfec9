// One window wrapper: the creating object rides in lpCreateParams into
// GWLP_USERDATA, and every later message goes to its HandleMessage.
#pragma once

#include <string>

#include "platform/win.h"

namespace grabwell {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates the window for this object.
  HWND CreateFor(const char* className, DWORD exStyle, const char* title, DWORD style, int x, int y,
                 int width, int height, HWND parent, HMENU menu);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Called for WM_NCDESTROY, the last message; the handle is already gone from us.
  virtual void OnFinalMessage() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

// Text of a window or control as ANSI (GBK) bytes.
std::string GetText(HWND hwnd);
void SetText(HWND hwnd, const std::string& text);

// Shows `dialog` modally over `owner`: the owner takes no input until the
// dialog is destroyed, while messages keep flowing for the whole program.
void RunModal(HWND dialog, HWND owner);

// Where a window of this outer size stands centred over `owner`, kept
// inside the work area of the owner's monitor.
POINT CentredOver(HWND owner, int width, int height);

// A message box that closes itself after `milliseconds`.
void TimedMessage(HWND owner, const std::string& text, const std::string& title,
                  DWORD milliseconds);

// Runs messages until more than `milliseconds` have passed (at least one round).
void PauseWithEvents(int milliseconds);

// The folder of the running program, without a trailing backslash.
std::string RunDirectory();

bool FileExists(const std::string& path);
// Creates the file, or with `replace` truncates an existing one, and writes it all.
bool WriteWholeFile(const std::string& path, const void* data, size_t size, bool replace);

}  // namespace grabwell
