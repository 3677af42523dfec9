#include "hotkeys/settings_window.h"

#include "app/main_window.h"

namespace grabwell {

const char kSettingsWindowTitle[] = "设置";

namespace {

constexpr DWORD kSettingsStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

bool SettingsWindow::Create() {
  const Size size = main_.layout().settings;
  const POINT at = CentredOver(main_.hwnd(), size.width, size.height);
  return CreateFor("GrabwellSettings", 0, kSettingsWindowTitle, kSettingsStyle, at.x, at.y,
                   size.width, size.height, main_.hwnd(), nullptr) != nullptr;
}

// However the window was closed. Not at WM_DESTROY: while the window still
// exists, Wine keeps its owner below it and out of the topmost band.
void SettingsWindow::OnFinalMessage() { CloseSettingsWindow(main_); }

void OpenSettingsWindow(MainWindow& main) {
  main.SetTopmost(false);
  SettingsWindow settings(main);
  if (!settings.Create()) {
    main.SetTopmost(true);
    return;
  }
  RunModal(settings.hwnd(), main.hwnd());
}

void CloseSettingsWindow(MainWindow& main) { main.SetTopmost(true); }

}  // namespace grabwell
