#include "region_driver.h"

#include <gtest/gtest.h>

#include "capture/region_window.h"
#include "platform/window.h"

namespace grabwell::testing {

namespace {

RegionDriver* g_driver = nullptr;

// Wine maps a Windows path to the Unix one the shell sees.
std::string UnixPath(const std::string& windowsPath) {
  using ToUnix = char*(CDECL*)(const wchar_t*);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  std::wstring wide(windowsPath.begin(), windowsPath.end());
  char* unix = toUnix(wide.c_str());
  if (!unix) return {};
  std::string result = unix;
  ::HeapFree(::GetProcessHeap(), 0, unix);
  return result;
}

}  // namespace

bool XInput(const std::string& args) {
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string marker =
      std::string(folder) + "grabwell-xinput-" + std::to_string(::GetCurrentProcessId()) + ".done";
  ::DeleteFileA(marker.c_str());
  const std::string unixMarker = UnixPath(marker);
  if (unixMarker.empty()) return false;
  // Wine starts Unix programs but gives no handle to wait on: the shell leaves a mark.
  // start.exe starts it for us because Wine's CreateProcess of a Unix program then
  // closes a stale handle of the caller's, at times its standard output.
  std::string command =
      "start.exe /unix /bin/sh -c \"/usr/bin/xdotool " + args + "; : > '" + unixMarker + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    return false;
  }
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  const DWORD start = ::GetTickCount();
  while (!FileExists(marker)) {
    if (::GetTickCount() - start > 10000) return false;
    ::Sleep(10);
  }
  ::DeleteFileA(marker.c_str());
  return true;
}

RegionDriver::RegionDriver(std::vector<Action> actions) : actions_(std::move(actions)) {
  g_driver = this;
  timer_ = ::SetTimer(nullptr, 0, 50, &RegionDriver::OnTimer);
}

RegionDriver::~RegionDriver() {
  ::KillTimer(nullptr, timer_);
  g_driver = nullptr;
}

void CALLBACK RegionDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_driver) g_driver->Poll();
}

void RegionDriver::Poll() {
  if (busy_) return;  // an action that pumps messages brings us here again
  HWND region = ::FindWindowA(kRegionWindowClass, nullptr);
  // Wait while the first opening's hint still holds the window disabled.
  if (!region || !::IsWindowVisible(region) || !::IsWindowEnabled(region)) return;
  if (!opened_.empty() && opened_.back() == region) {  // acted on; closing
    if (::GetTickCount() - actedAt_ > 10000) {
      ADD_FAILURE() << "the region window stayed open after its action";
      ::PostMessageA(region, WM_RBUTTONDOWN, MK_RBUTTON, 0);
      actedAt_ = ::GetTickCount();
    }
    return;
  }
  busy_ = true;
  const size_t index = opened_.size();
  opened_.push_back(region);
  if (index < actions_.size()) {
    actions_[index](region);
  } else {
    ::PostMessageA(region, WM_RBUTTONDOWN, MK_RBUTTON, 0);
  }
  actedAt_ = ::GetTickCount();
  busy_ = false;
}

}  // namespace grabwell::testing
