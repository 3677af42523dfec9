#include "app/app_state.h"
#include "app/layout.h"
#include "app/main_window.h"

#ifndef GRABWELL_LAYOUT
#define GRABWELL_LAYOUT kFullLayout
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace grabwell;
  ::OleInitialize(nullptr);
  AppState state;
  state.runDirectory = RunDirectory();
  {
    MainWindow main(state, GRABWELL_LAYOUT);
    if (!main.Create()) return 1;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  ::OleUninitialize();
  return 0;
}
