// Drives the real program from outside, as its user does: real mouse clicks and key
// strokes, the status bar read across processes, the files checked once it has closed.
//
//   driver [--timeout SECONDS] PROGRAM        in a fresh folder: type 10,10,210,110, choose
//                                             "原图", capture three times, close, check
//   driver [--timeout SECONDS] --one PROGRAM  one capture with the settings as they stand;
//                                             prints the saved file's path
//   --no-pane                                 the status bar is not read: captures are
//                                             seen as files (for programs run through qemu)
//
// PROGRAM is a copy of grabwell.exe in a folder of its own. Input goes in by SendInput,
// which Wine queues as hardware input, so it reaches the program as a user's would.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/layout.h"
#include "capture/bmp.h"
#include "folder_files.h"
#include "platform/handles.h"

namespace grabwell::e2e {
namespace {

constexpr char kTitle[] = "Grabwell（Lanternboard）";
constexpr char kCountText[] = "已截图次数:";
constexpr int kCountPane = 4;

struct Box {
  Ctl id;
  const char* text;
};
constexpr Box kRectangle[] = {
    {Ctl::Edit1, "10"}, {Ctl::Edit2, "10"}, {Ctl::Edit3, "210"}, {Ctl::Edit4, "110"}};
constexpr int kWidth = 200, kHeight = 100, kCaptures = 3;

// Through qemu-user another process's memory cannot be read (it lies at an offset
// only qemu knows), so the status bar cannot be asked; captures are then seen as files.
bool g_paneReadable = true;

bool Exists(const std::string& path);

struct Failed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
using Handle = Owned<HANDLE, &CloseKernelHandle>;

// Polls `done` until it holds or `seconds` have passed.
template <class F>
bool WaitFor(double seconds, F done) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() > end) return false;
    ::Sleep(50);
  }
}

std::string WindowText(HWND hwnd) {
  char text[256] = "";
  // WM_GETTEXT is copied between processes by the system.
  ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

// A buffer in another process: status-bar messages are not copied across for us.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size)
      : process_(process),
        size_(size),
        at_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    if (!at_) throw Failed("VirtualAllocEx failed: " + std::to_string(::GetLastError()));
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() { ::VirtualFreeEx(process_, at_, 0, MEM_RELEASE); }

  void* at() const { return at_; }
  std::string ReadText() const {
    std::string text(size_, '\0');
    SIZE_T got = 0;
    if (!::ReadProcessMemory(process_, at_, text.data(), size_, &got)) return {};
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
  }

 private:
  HANDLE process_;
  size_t size_;
  void* at_;
};

class Program {
 public:
  explicit Program(const std::string& exe) : exe_(exe), folder_(exe.substr(0, exe.rfind('\\'))) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string commandLine = "\"" + exe + "\"";
    if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder_.c_str(), &si, &pi)) {
      throw Failed("cannot start " + exe + ": error " + std::to_string(::GetLastError()));
    }
    process_.reset(pi.hProcess);
    ::CloseHandle(pi.hThread);
    id_ = pi.dwProcessId;
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  // A failed run must not leave the program on the display.
  ~Program() {
    if (Running()) ::TerminateProcess(process_.get(), 99);
  }

  const std::string& folder() const { return folder_; }
  HWND main() const { return main_; }
  bool Running() const { return ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

  void WaitForMainWindow(double seconds) {
    const bool shown = WaitFor(seconds, [&] {
      if (!Running()) throw Failed("the program ended before its window appeared");
      ::EnumWindows(&Program::FindMain, reinterpret_cast<LPARAM>(this));
      return main_ != nullptr;
    });
    if (!shown) throw Failed("no window \"Grabwell（Lanternboard）\" after " + Seconds(seconds));
    // Start-up has run once the count pane has its text, or once the settings file exists.
    if (!WaitFor(seconds, [&] {
          return g_paneReadable ? StatusText(kCountPane).starts_with(kCountText)
                                : Exists(folder_ + "\\热键配置.ini");
        })) {
      throw Failed("the status bar never showed the capture count");
    }
  }

  HWND Control(Ctl id) const {
    HWND control = ::GetDlgItem(main_, static_cast<int>(id));
    if (!control) throw Failed("the main window has no control " + std::to_string(int(id)));
    return control;
  }

  std::string StatusText(int pane) const {
    RemoteBuffer text(process_.get(), 512);
    if (!::SendMessageTimeoutA(Control(Ctl::StatusBar1), SB_GETTEXTA, pane,
                               reinterpret_cast<LPARAM>(text.at()), SMTO_ABORTIFHUNG, 5000,
                               nullptr)) {
      return {};
    }
    return text.ReadText();
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(main_, nullptr), &info);
    return info.hwndFocus;
  }

  // Closes the window as its close box does and waits for the process to end.
  DWORD Close(double seconds) {
    ::PostMessageA(main_, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(seconds * 1000)) !=
        WAIT_OBJECT_0) {
      throw Failed("the program did not end within " + Seconds(seconds) + " of WM_CLOSE");
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
  }

 private:
  static BOOL CALLBACK FindMain(HWND hwnd, LPARAM self) {
    auto* program = reinterpret_cast<Program*>(self);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner != program->id_ || !::IsWindowVisible(hwnd) || WindowText(hwnd) != kTitle) {
      return TRUE;
    }
    program->main_ = hwnd;
    return FALSE;
  }
  static std::string Seconds(double s) { return std::to_string(static_cast<int>(s)) + " s"; }

  std::string exe_;
  std::string folder_;
  Handle process_;
  DWORD id_ = 0;
  HWND main_ = nullptr;
};

void Send(std::vector<INPUT> inputs) {
  const UINT sent = ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) throw Failed("SendInput refused the input");
}

INPUT Key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = x;
  in.mi.dy = y;
  in.mi.dwFlags = flags;
  return in;
}

void ClickCentre(HWND control) {
  RECT r;
  ::GetWindowRect(control, &r);
  const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  // Absolute mouse positions run from 0 to 65535 across the primary screen.
  const LONG x = MulDiv((r.left + r.right) / 2, 65535, cx - 1);
  const LONG y = MulDiv((r.top + r.bottom) / 2, 65535, cy - 1);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y), Mouse(MOUSEEVENTF_LEFTDOWN),
        Mouse(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD vk) { Send({Key(vk, false), Key(vk, true)}); }

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT scan = ::VkKeyScanA(c);
    if (scan == -1) throw Failed(std::string("no key types '") + c + "'");
    const auto vk = static_cast<WORD>(LOBYTE(scan));
    if (HIBYTE(scan) & 1) {
      Send({Key(VK_SHIFT, false), Key(vk, false), Key(vk, true), Key(VK_SHIFT, true)});
    } else {
      PressKey(vk);
    }
  }
}

// Clicks into an edit box, replaces what it holds with `text` by keys, and waits to see it.
void TypeInto(const Program& program, const Box& box, double seconds) {
  HWND edit = program.Control(box.id);
  ClickCentre(edit);
  if (!WaitFor(seconds, [&] { return program.Focus() == edit; })) {
    throw Failed("a click did not give the edit box " + std::to_string(int(box.id)) + " the focus");
  }
  Send({Key(VK_HOME, false), Key(VK_HOME, true), Key(VK_SHIFT, false), Key(VK_END, false),
        Key(VK_END, true), Key(VK_SHIFT, true), Key(VK_DELETE, false), Key(VK_DELETE, true)});
  TypeText(box.text);
  if (!WaitFor(seconds, [&] { return WindowText(edit) == box.text; })) {
    throw Failed("typed \"" + std::string(box.text) + "\" but the edit box holds \"" +
                 WindowText(edit) + "\"");
  }
}

void TypeRectangle(const Program& program, double seconds) {
  for (const Box& box : kRectangle) TypeInto(program, box, seconds);
}

// Presses "前台固定区域截图" and waits until the capture has been counted.
std::string Capture(const Program& program, int count, double seconds) {
  // Appended piece by piece: GCC 12 at -O3 takes "literal" + std::string for an overlap.
  std::string counted = kCountText;
  counted.append(std::to_string(count)).append("/");
  ClickCentre(program.Control(Ctl::Button5));
  std::string status;
  const bool done = WaitFor(seconds, [&] {
    if (!g_paneReadable) {
      return FolderFiles(program.folder() + "\\保存截图").size() >= static_cast<size_t>(count);
    }
    status = program.StatusText(kCountPane);
    return status.starts_with(counted);
  });
  if (!done) {
    throw Failed("capture " + std::to_string(count) + " was not counted; pane 4 reads \"" + status +
                 "\"");
  }
  return status;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string all;
  for (const std::string& name : names) all += (all.empty() ? "" : ", ") + name;
  return "[" + all + "]";
}

std::string Setting(const std::string& iniPath, const char* section, const char* key) {
  char value[256] = "";
  ::GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value, iniPath.c_str());
  return value;
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring Wide(const std::string& ansi) {
  std::wstring wide(ansi.size() + 1, L'\0');
  const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(),
                                      static_cast<int>(wide.size()));
  wide.resize(n > 0 ? n - 1 : 0);
  return wide;
}

// Whoever reads our output sits on the Unix side, where text is UTF-8.
std::string Utf8(const std::string& ansi) {
  const std::wstring wide = Wide(ansi);
  std::string text(wide.size() * 3 + 1, '\0');
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(),
                                      static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(n > 0 ? n - 1 : 0);
  return text;
}

void Say(FILE* to, const std::string& ansi) {
  std::fputs((Utf8(ansi) + "\n").c_str(), to);
  std::fflush(to);
}

// Where the file is as the person who started us sees it: a Unix path under Wine.
std::string ShownPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(const WCHAR*);
  auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  char* unix = toUnix ? toUnix(Wide(path).c_str()) : nullptr;
  if (!unix) return Utf8(path);
  std::string shown = unix;
  ::HeapFree(::GetProcessHeap(), 0, unix);
  return shown;
}

// Collects every fault instead of stopping at the first, so one run shows them all.
class Checks {
 public:
  void Expect(bool ok, const std::string& what) {
    if (!ok) faults_.push_back(what);
  }
  int Report() const {
    for (const std::string& fault : faults_) Say(stderr, "FAIL: " + fault);
    return faults_.empty() ? 0 : 1;
  }

 private:
  std::vector<std::string> faults_;
};

int ThreeCaptures(const std::string& exe, double seconds) {
  const std::string folder = exe.substr(0, exe.rfind('\\'));
  const std::string saveFolder = folder + "\\保存截图", ini = folder + "\\热键配置.ini";
  if (Exists(saveFolder) || Exists(ini)) throw Failed(folder + " is not a fresh folder");

  std::string status;
  {
    Program program(exe);
    program.WaitForMainWindow(seconds);
    // With the default "缩略图" a capture is saved at the preview's size; "原图" keeps its own.
    HWND fullImage = program.Control(Ctl::Radio2);
    ClickCentre(fullImage);
    if (!WaitFor(seconds,
                 [&] { return ::SendMessageA(fullImage, BM_GETCHECK, 0, 0) == BST_CHECKED; })) {
      throw Failed("a click did not select \"原图\"");
    }
    TypeRectangle(program, seconds);
    for (int i = 1; i <= kCaptures; ++i) status = Capture(program, i, seconds);
    const DWORD code = program.Close(seconds);
    if (code != 0) throw Failed("the program ended with exit code " + std::to_string(code));
  }

  Checks checks;
  const std::vector<std::string> expected = {"1.bmp", "2.bmp", "3.bmp"};
  const std::vector<std::string> saved = FolderFiles(saveFolder);
  checks.Expect(saved == expected, "保存截图 holds " + Joined(saved) + ", not " + Joined(expected));
  for (const std::string& name : saved) {
    std::ifstream in(saveFolder + "\\" + name, std::ios::binary);
    const ImageBytes bytes{std::istreambuf_iterator<char>(in), {}};
    const auto bmp = ReadBmp(bytes);
    if (!bmp) {
      checks.Expect(false,
                    name + " is not a BMP file (" + std::to_string(bytes.size()) + " bytes)");
      continue;
    }
    const int height = std::abs(bmp->height);
    checks.Expect(bmp->width == kWidth && height == kHeight,
                  name + " is " + std::to_string(bmp->width) + " x " + std::to_string(height) +
                      ", not 200 x 100");
  }
  if (g_paneReadable) {
    checks.Expect(status == "已截图次数:3/3",
                  "pane 4 read \"" + status + "\", not \"已截图次数:3/3\"");
  } else {
    status = "pane 4 not read (emulated)";
  }
  const std::string total = Setting(ini, "次数5", "总次数");
  checks.Expect(total == "3", "热键配置.ini holds 总次数=" + total + ", not 3");
  const int result = checks.Report();
  if (result == 0) Say(stdout, "ok: 1.bmp, 2.bmp, 3.bmp of 200 x 100, " + status + ", 总次数=3");
  return result;
}

int OneCapture(const std::string& exe, double seconds) {
  const std::string saveFolder = exe.substr(0, exe.rfind('\\')) + "\\保存截图";
  const std::vector<std::string> before = FolderFiles(saveFolder);
  std::vector<std::string> added;
  {
    Program program(exe);
    program.WaitForMainWindow(seconds);
    TypeRectangle(program, seconds);
    Capture(program, 1, seconds);
    program.Close(seconds);
  }
  const std::vector<std::string> after = FolderFiles(saveFolder);
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                      std::back_inserter(added));
  if (added.size() != 1) throw Failed("the capture added " + Joined(added) + " to 保存截图");
  std::fputs((ShownPath(saveFolder + "\\" + added[0]) + "\n").c_str(), stdout);
  return 0;
}

int Usage() {
  std::fprintf(stderr, "usage: driver [--timeout SECONDS] [--no-pane] [--one] PROGRAM\n");
  return 2;
}

}  // namespace
}  // namespace grabwell::e2e

int main(int argc, char** argv) {
  using namespace grabwell::e2e;
  double seconds = 120;
  bool one = false;
  std::string program;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--timeout" && i + 1 < argc) {
      seconds = std::atof(argv[++i]);
    } else if (arg == "--no-pane") {
      g_paneReadable = false;
    } else if (arg == "--one") {
      one = true;
    } else if (program.empty() && !arg.starts_with("--")) {
      program = arg;
    } else {
      return Usage();
    }
  }
  if (program.empty() || seconds <= 0) return Usage();
  char full[MAX_PATH];
  if (!::GetFullPathNameA(program.c_str(), sizeof full, full, nullptr)) return Usage();
  try {
    const int result = one ? OneCapture(full, seconds) : ThreeCaptures(full, seconds);
    std::fflush(stdout);
    return result;
  } catch (const Failed& e) {
    Say(stderr, std::string("FAIL: ") + e.what());
    return 1;
  }
}
