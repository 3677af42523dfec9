#include "app/help_window.h"

#include "app/help_text.h"
#include "app/main_window.h"

namespace grabwell {

const char kHelpWindowTitle[] = "使用说明:";

namespace {

constexpr DWORD kHelpStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

bool HelpWindow::Create() {
  const Size size = main_.layout().help;
  const POINT at = CentredOver(main_.hwnd(), size.width, size.height);
  return CreateFor("GrabwellHelp", 0, kHelpWindowTitle, kHelpStyle, at.x, at.y, size.width,
                   size.height, main_.hwnd(), nullptr) != nullptr;
}

LRESULT HelpWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

// However the window was closed. Not at WM_DESTROY: while the window still
// exists, Wine keeps its owner below it and out of the topmost band.
void HelpWindow::OnFinalMessage() { CloseHelpWindow(main_); }

void HelpWindow::OnCreate() {
  // Editable as the design has it: changes are simply lost with the window.
  HWND text = ::CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", HelpText(main_.layout().compactHelpText).c_str(),
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
          ES_WANTRETURN,
      8, 8, 464, 360, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpTextId)),
      ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

void OpenHelpWindow(MainWindow& main) {
  main.SetTopmost(false);
  HelpWindow help(main);
  if (!help.Create()) {
    main.SetTopmost(true);
    return;
  }
  RunModal(help.hwnd(), main.hwnd());
}

void CloseHelpWindow(MainWindow& main) { main.SetTopmost(true); }

}  // namespace grabwell
