#include "message_watch.h"

#include "platform/window.h"

namespace grabwell::testing {

namespace {
MessageWatch* g_watch = nullptr;
}

MessageWatch::MessageWatch()
    : hook_(::SetWindowsHookExA(WH_CBT, &MessageWatch::OnCbt, nullptr, ::GetCurrentThreadId())) {
  g_watch = this;
}

MessageWatch::~MessageWatch() {
  ::UnhookWindowsHookEx(hook_);
  g_watch = nullptr;
}

LRESULT CALLBACK MessageWatch::OnCbt(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && g_watch) {
    const auto box = reinterpret_cast<HWND>(wp);
    char className[32] = {};
    ::GetClassNameA(box, className, sizeof className);
    // A message box is a dialog whose text sits in the static control 0xFFFF.
    if (std::string(className) == "#32770") {
      HWND text = ::GetDlgItem(box, 0xFFFF);
      g_watch->seen_.push_back(
          {GetText(box), text ? GetText(text) : "", ::GetWindow(box, GW_OWNER)});
    }
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace grabwell::testing
