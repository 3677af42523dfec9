#include "app/main_window.h"

#include <utility>

#include "app/help_window.h"
#include "app/number_box.h"
#include "app/settings.h"
#include "app/settings_text.h"
#include "capture/commands.h"
#include "capture/convert.h"
#include "capture/naming.h"
#include "capture/save_capture.h"
#include "hotkeys/settings_window.h"
#include "target/window_list.h"

namespace grabwell {

const char kMainWindowTitle[] = "Grabwell（Lanternboard）";

namespace {

constexpr DWORD kMainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

struct ClassAndStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle ClassFor(Kind kind) {
  switch (kind) {
    case Kind::Button:
      return {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    case Kind::Label:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case Kind::NumberBox:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::ComboList:
      return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case Kind::CheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case Kind::Radio:
      return {"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case Kind::ListView:
    case Kind::Grid:
      return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case Kind::StatusBar:
      return {STATUSCLASSNAMEA, 0, 0};
    case Kind::NonVisual:
    case Kind::Picture:
    case Kind::Picker:
      break;
  }
  return {nullptr, 0, 0};
}

}  // namespace

MainWindow::MainWindow(AppState& state, const Layout& layout) : state_(state), layout_(layout) {}

MainWindow::~MainWindow() {
  if (hwnd()) ::DestroyWindow(hwnd());
}

bool MainWindow::Create(int x, int y) {
  INITCOMMONCONTROLSEX icc{sizeof icc,
                           ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
  menu_ = CreateMenuBar();
  if (!CreateFor("GrabwellMain", 0, kMainWindowTitle, kMainStyle, x, y, layout_.main.width,
                 layout_.main.height, nullptr, menu_)) {
    ::DestroyMenu(menu_);
    menu_ = nullptr;
    return false;
  }
  ::ShowWindow(hwnd(), SW_SHOW);
  ::UpdateWindow(hwnd());
  return true;
}

HMENU MainWindow::CreateMenuBar() {
  HMENU bar = ::CreateMenu();
  HMENU functions = ::CreatePopupMenu();
  auto item = [](HMENU menu, MenuId id, const char* text) {
    ::AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(id), text);
  };
  item(functions, MenuId::RegionCapture, "前台区域截图热键");
  item(functions, MenuId::FixedRegionCapture, "前台固定区域截图热键");
  item(functions, MenuId::BackgroundCapture, "后台区域截图热键");
  item(functions, MenuId::Settings, "自定义设置");
  HMENU help = ::CreatePopupMenu();
  item(help, MenuId::Help, "使用说明");
  item(help, MenuId::About, "关于");
  ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(functions), "功能");
  ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "帮助");
  return bar;
}

void MainWindow::CreateControls() {
  const auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  bool firstRadio = true;
  for (const ControlRow& row : layout_) {
    const int id = static_cast<int>(row.id);
    HWND control = nullptr;
    if (row.kind == Kind::Picture) {
      control = preview_.Create(hwnd(), id, row.x, row.y, row.width, row.height);
    } else if (row.kind == Kind::Picker) {
      control = picker_.Create(hwnd(), id, row.x, row.y, row.width, row.height, WS_BORDER);
    } else if (row.kind != Kind::NonVisual) {
      ClassAndStyle cs = ClassFor(row.kind);
      DWORD style = WS_CHILD | WS_VISIBLE | cs.style;
      if (row.kind == Kind::Radio && std::exchange(firstRadio, false)) style |= WS_GROUP;
      int height = row.height;
      // A combo box's height includes its drop-down list.
      if (row.kind == Kind::ComboList) height = row.height + 200;
      control = ::CreateWindowExA(
          cs.exStyle, cs.className, row.caption, style, row.x, row.y, row.width, height, hwnd(),
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
      if (row.kind == Kind::NumberBox) AttachNumberBox(control);
      if (row.kind == Kind::ListView) SetUpWindowList(control);
      if (row.kind == Kind::StatusBar) {
        ::SendMessageA(control, SB_SIMPLE, FALSE, 0);
        // It docks itself at the bottom, full width: the form's 0,476,674,20
        // would lie over the preview in the full-size layout.
      }
    }
    if (control) ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  if (HWND combo = Control(Ctl::Combo1)) SetText(combo, layout_.Row(Ctl::Combo1).caption);
}

bool MainWindow::Checked(Ctl id) const {
  return ::SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::SetChecked(Ctl id, bool on) {
  ::SendMessageA(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::ShowPreview(const ImageBytes& image) {
  // The box draws BMP only: converted captures are decoded back for it.
  preview_.Show(image.empty() || ReadBmp(image) ? image : ConvertImage(image, 1));
}

void MainWindow::SetStatusText(int pane, const std::string& text) {
  ::SendMessageA(Control(Ctl::StatusBar1), SB_SETTEXTA, static_cast<WPARAM>(pane),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::string MainWindow::StatusText(int pane) const {
  HWND bar = Control(Ctl::StatusBar1);
  // Some status bars count characters, not bytes: leave room for double-byte text.
  const auto length = LOWORD(::SendMessageA(bar, SB_GETTEXTLENGTHA, pane, 0));
  std::string text(length * 2u + 1u, '\0');
  ::SendMessageA(bar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

void MainWindow::SetTopmost(bool on) {
  ::SetWindowPos(hwnd(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      CreateControls();
      OnMainWindowCreated();
      return 0;
    case WM_COMMAND:
      // Code 0: a button's click or a menu item; other codes are notifications.
      if (HIWORD(wp) == 0) OnCommand(LOWORD(wp));
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lp));
      return 0;
    case WM_SIZE:
      ::SendMessageA(Control(Ctl::StatusBar1), WM_SIZE, wp, lp);  // it docks itself
      return 0;
    case WM_DESTROY:
      OnMainWindowDestroying();
      return 0;
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

void MainWindow::OnFinalMessage() {
  menu_ = nullptr;  // destroyed with the window
  ::PostQuitMessage(0);
}

void MainWindow::OnMainWindowCreated() {
  SetTopmost(true);

  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  ::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  const auto width = static_cast<int16_t>(mode.dmPelsWidth & 0xFFFF);
  state_.displayScale =
      static_cast<float>(static_cast<double>(width) / ::GetSystemMetrics(SM_CXSCREEN));

  ::CreateDirectoryA(state_.SaveFolder().c_str(), nullptr);
  if (!FileExists(state_.SettingsPath())) {
    const std::string text = DefaultSettingsText();
    WriteWholeFile(state_.SettingsPath(), text.data(), text.size(), true);
  }

  state_.conversionOn = ReadSettingInt(state_, "格式4", "开启转换");
  state_.formatText = ReadSetting(state_, "格式4", "图片格式");
  state_.namingMode = ReadSetting(state_, "格式4", "名称格式") == "按时间" ? NamingMode::ByTime
                                                                           : NamingMode::ByNumber;
  state_.total = ReadSettingInt(state_, "次数5", "总次数");
  const bool fullImage = ReadSettingInt(state_, "原图6", "原图") == 1;
  SetChecked(Ctl::Radio1, !fullImage);
  SetChecked(Ctl::Radio2, fullImage);
  SetControlText(Ctl::Edit1, ReadSetting(state_, "区域7", "左边"));
  SetControlText(Ctl::Edit2, ReadSetting(state_, "区域7", "顶边"));
  SetControlText(Ctl::Edit3, ReadSetting(state_, "区域7", "右边"));
  SetControlText(Ctl::Edit4, ReadSetting(state_, "区域7", "底边"));
  const bool foreground = ReadSettingInt(state_, "定次8", "前后台") == 0;
  SetChecked(Ctl::Check1, foreground);
  SetChecked(Ctl::Check2, !foreground);
  SetControlText(Ctl::Edit5, ReadSetting(state_, "定次8", "次数"));
  SetControlText(Ctl::Edit6, ReadSetting(state_, "定次8", "延时"));
  SetControlText(Ctl::Edit7, ReadSetting(state_, "定次8", "周期"));
  UpdateFormatCode(state_);

  int edges[kStatusPanes];
  for (int i = 0; i < kStatusPanes; ++i) edges[i] = kStatusPaneWidth * (i + 1);
  ::SendMessageA(Control(Ctl::StatusBar1), SB_SETPARTS, kStatusPanes,
                 reinterpret_cast<LPARAM>(edges));
  SetStatusText(0, "区域热键:");
  SetStatusText(1, "固定热键:");
  SetStatusText(2, "后台热键:");
  SetStatusText(3, "图片格式:" + state_.formatText);
  SetStatusText(4, CaptureCountText(state_.count, state_.total));
}

void MainWindow::OnMainWindowDestroying() {
  // Saturate rather than wrap a total that no longer fits.
  const double sum = static_cast<double>(state_.total) + state_.count;
  state_.total = sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
  WriteSetting(state_, "次数5", "总次数", std::to_string(state_.total));
  WriteSetting(state_, "区域7", "左边", ControlText(Ctl::Edit1));
  WriteSetting(state_, "区域7", "顶边", ControlText(Ctl::Edit2));
  WriteSetting(state_, "区域7", "右边", ControlText(Ctl::Edit3));
  WriteSetting(state_, "区域7", "底边", ControlText(Ctl::Edit4));
}

void MainWindow::OnCommand(int id) {
  switch (id) {
    case static_cast<int>(Ctl::Button5):
      ForegroundTypedRegionCapture(*this);
      break;
    case static_cast<int>(Ctl::Button6):
    case static_cast<int>(MenuId::FixedRegionCapture):
      ForegroundFixedRegionCapture(*this);
      break;
    case static_cast<int>(Ctl::Button1):
      BackgroundTypedRegionCapture(*this);
      break;
    case static_cast<int>(Ctl::Button4):
      BackgroundRegionCapture(*this);
      break;
    case static_cast<int>(MenuId::RegionCapture):
      ForegroundRegionCapture(*this);
      break;
    case static_cast<int>(MenuId::BackgroundCapture):
      BackgroundWindowCapture(*this);
      break;
    case static_cast<int>(Ctl::Button3):
      SaveFixedRegion();
      break;
    case static_cast<int>(Ctl::Radio2):
      ChooseFullImage();
      break;
    case static_cast<int>(Ctl::Radio1):
      ChooseThumbnail();
      break;
    case static_cast<int>(Ctl::Button2):
      RefreshWindowList(*this);
      break;
    case static_cast<int>(MenuId::Settings):
      OpenSettingsWindow(*this);
      break;
    case static_cast<int>(MenuId::Help):
      OpenHelpWindow(*this);
      break;
    case static_cast<int>(MenuId::About):  // the design gives it no handler
    default:
      break;
  }
}

void MainWindow::OnNotify(const NMHDR& header) {
  if (header.idFrom == static_cast<UINT_PTR>(Ctl::List1) && header.code == NM_CLICK) {
    SelectTargetFromList(*this);
  }
}

// The radio group has already moved the selection when these run.
void MainWindow::ChooseFullImage() { WriteSetting(state_, "原图6", "原图", "1"); }

void MainWindow::ChooseThumbnail() { WriteSetting(state_, "原图6", "原图", "0"); }

void MainWindow::SaveFixedRegion() {
  WriteSetting(state_, "区域7", "左边", ControlText(Ctl::Edit1));
  WriteSetting(state_, "区域7", "顶边", ControlText(Ctl::Edit2));
  WriteSetting(state_, "区域7", "右边", ControlText(Ctl::Edit3));
  WriteSetting(state_, "区域7", "底边", ControlText(Ctl::Edit4));
}

}  // namespace grabwell
