#include "fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/settings.h"

namespace grabwell::testing {

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void Settle(int milliseconds) { PauseWithEvents(milliseconds); }

namespace {

LRESULT CALLBACK ColourProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT || msg == WM_PRINTCLIENT) {
    PAINTSTRUCT ps;
    HDC dc = msg == WM_PAINT ? ::BeginPaint(hwnd, &ps) : reinterpret_cast<HDC>(wp);
    RECT r;
    ::GetClientRect(hwnd, &r);
    HBRUSH brush =
        ::CreateSolidBrush(static_cast<COLORREF>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
    // A white 4 x 4 block marks the top-left corner, to catch shifted copies.
    RECT corner{0, 0, 4, 4};
    ::FillRect(dc, &corner, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (msg == WM_PAINT) ::EndPaint(hwnd, &ps);
    return 0;
  }
  if (msg == WM_ERASEBKGND) return 1;
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

ColourWindow::ColourWindow(int x, int y, int width, int height, COLORREF colour, bool topmost,
                           const char* title) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = ColourProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "GrabwellTestColour";
  ::RegisterClassA(&wc);
  hwnd_ = ::CreateWindowExA(topmost ? WS_EX_TOPMOST | WS_EX_TOOLWINDOW : 0, wc.lpszClassName, title,
                            WS_POPUP, x, y, width, height, nullptr, nullptr, wc.hInstance, nullptr);
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
  ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  ::UpdateWindow(hwnd_);
  Settle(150);
}

ColourWindow::~ColourWindow() { ::DestroyWindow(hwnd_); }

void MainWindowTest::SetUp() {
  static int run = 0;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir_ = RunDirectory() + "\\runs\\" + info->name() + "-" +
         std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++run);
  ::CreateDirectoryA((RunDirectory() + "\\runs").c_str(), nullptr);
  RemoveTree(dir_);  // Wine reuses process ids: a folder may be left from an earlier run
  ::CreateDirectoryA(dir_.c_str(), nullptr);
  state_ = AppState{};
  state_.runDirectory = dir_;
}

void MainWindowTest::TearDown() {
  if (main_ && main_->hwnd()) Close();
  main_.reset();
  if (!HasFailure()) RemoveTree(dir_);  // a failed test leaves its folder to look at
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryA(folder.c_str());
}

MainWindow& MainWindowTest::Start(const char* settings, const Layout& layout) {
  if (settings) WriteFileBytes(state_.SettingsPath(), settings);
  main_ = std::make_unique<MainWindow>(state_, layout);
  EXPECT_TRUE(main_->Create(0, 0));
  Settle(100);
  return *main_;
}

void MainWindowTest::Close() {
  ::SendMessageA(main_->hwnd(), WM_CLOSE, 0, 0);
  Settle(20);
  // The window posted WM_QUIT for the program's loop; tests keep running.
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void MainWindowTest::Click(Ctl id) { ::SendMessageA(main_->Control(id), BM_CLICK, 0, 0); }

std::string MainWindowTest::Setting(const char* section, const char* key) const {
  return ReadSetting(state_, section, key);
}

}  // namespace grabwell::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::OleInitialize(nullptr);
  const int result = RUN_ALL_TESTS();
  ::OleUninitialize();
  return result;
}
