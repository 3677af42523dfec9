#include <cstring>

#include "app/help_text.h"
#include "app/help_window.h"
#include "app/settings.h"
#include "fixture.h"
#include "hotkeys/settings_window.h"

namespace grabwell::testing {
namespace {

using MainLayout = MainWindowTest;
using NumberBoxes = MainWindowTest;
using ShellHandlers = MainWindowTest;
using ModalWindows = MainWindowTest;

struct Expected {
  Ctl id;
  const char* caption;
  int x, y, width, height;
};

// The design's rectangles, left, top, width, height in client pixels.
constexpr Expected kFullExpected[] = {
    {Ctl::Combo1, "类型", 864, 38, 108, 30},
    {Ctl::Button13, "导入脚本", 904, 192, 45, 40},
    {Ctl::Button12, "导出脚本", 960, 192, 45, 40},
    {Ctl::Grid1, "", 480, 32, 640, 152},
    {Ctl::Button11, "清空重置", 848, 192, 45, 40},
    {Ctl::Picker, "", 1080, 192, 40, 37},
    {Ctl::Button10, "鼠标截图", 1016, 192, 45, 40},
    {Ctl::Button9, "保存配置", 864, 616, 56, 40},
    {Ctl::Button8, "定时截图", 1072, 616, 48, 40},
    {Ctl::Edit7, "", 992, 616, 64, 16},
    {Ctl::Label12, "周期", 944, 616, 40, 16},
    {Ctl::Button7, "连续截图", 1072, 560, 48, 40},
    {Ctl::Edit6, "", 992, 576, 64, 16},
    {Ctl::Label11, "延时", 944, 576, 40, 16},
    {Ctl::Edit5, "", 896, 576, 40, 16},
    {Ctl::Label10, "次数", 848, 576, 40, 16},
    {Ctl::Check2, "后台", 848, 528, 72, 24},
    {Ctl::Check1, "前台", 952, 528, 72, 24},
    {Ctl::Button6, "前台截图", 864, 424, 56, 40},
    {Ctl::Button3, "保存区域", 952, 424, 56, 40},
    {Ctl::List1, "", 0, 32, 408, 152},
    {Ctl::StatusBar1, "", 0, 476, 674, 20},
    {Ctl::Label9, "句柄:", 8, 8, 45, 16},
    {Ctl::Label8, "标题:", 160, 8, 45, 16},
    {Ctl::Label7, "", 210, 8, 720, 16},
    {Ctl::Label6, "左边\r\n\r\n顶边\r\n\r\n右边\r\n\r\n底边", 952, 288, 45, 136},
    {Ctl::Label5, "", 880, 392, 48, 16},
    {Ctl::Label4, "", 880, 360, 48, 16},
    {Ctl::Label3, "", 880, 320, 48, 16},
    {Ctl::Label2, "", 880, 288, 48, 16},
    {Ctl::Button5, "前台固定区域截图", 1032, 424, 88, 40},
    {Ctl::Button1, "后台固定区域截图", 1032, 480, 88, 40},
    {Ctl::Edit4, "", 1008, 392, 48, 16},
    {Ctl::Edit3, "", 1008, 360, 48, 16},
    {Ctl::Edit2, "", 1008, 320, 48, 16},
    {Ctl::Edit1, "", 1008, 288, 48, 16},
    {Ctl::Button4, "后台截图", 864, 480, 56, 40},
    {Ctl::Button2, "枚举窗口", 416, 120, 48, 40},
    {Ctl::Label1, "0", 55, 8, 96, 16},
    {Ctl::Radio2, "原图", 864, 240, 96, 32},
    {Ctl::Radio1, "缩略图", 968, 240, 80, 32},
    {Ctl::Picture1, "", 0, 192, 840, 584},
};

constexpr Expected kCompactExpected[] = {
    {Ctl::Combo1, "类型", 544, 36, 72, 20},
    {Ctl::Button13, "导入脚本", 584, 144, 32, 32},
    {Ctl::Button12, "导出脚本", 544, 144, 32, 32},
    {Ctl::Grid1, "", 288, 32, 424, 104},
    {Ctl::Button11, "清空重置", 504, 144, 32, 32},
    {Ctl::Picker, "", 664, 144, 40, 37},
    {Ctl::Button10, "鼠标截图", 624, 144, 32, 32},
    {Ctl::Button9, "保存配置", 512, 456, 32, 32},
    {Ctl::Button8, "定时截图", 640, 456, 32, 32},
    {Ctl::Edit7, "", 584, 464, 48, 16},
    {Ctl::Label12, "周期", 560, 464, 24, 16},
    {Ctl::Button7, "连续截图", 640, 416, 32, 32},
    {Ctl::Edit6, "", 584, 432, 48, 16},
    {Ctl::Label11, "延时", 560, 432, 32, 16},
    {Ctl::Edit5, "", 520, 432, 32, 16},
    {Ctl::Label10, "次数:", 496, 432, 24, 16},
    {Ctl::Check2, "后台", 568, 408, 56, 16},
    {Ctl::Check1, "前台", 496, 408, 56, 16},
    {Ctl::Button6, "前台截图", 512, 320, 40, 32},
    {Ctl::Button3, "保存区域", 560, 320, 40, 32},
    {Ctl::List1, "", 0, 32, 248, 104},
    {Ctl::StatusBar1, "", 0, 476, 674, 20},
    {Ctl::Label9, "句柄:", 8, 8, 28, 16},
    {Ctl::Label8, "标题:", 112, 8, 28, 16},
    {Ctl::Label7, "", 140, 8, 484, 16},
    {Ctl::Label6, "左边\r\n\r\n顶边\r\n\r\n右边\r\n\r\n底边", 568, 224, 32, 88},
    {Ctl::Label5, "", 512, 296, 32, 16},
    {Ctl::Label4, "", 512, 272, 32, 16},
    {Ctl::Label3, "", 512, 248, 32, 16},
    {Ctl::Label2, "", 512, 224, 32, 16},
    {Ctl::Button5, "前台固定区域截图", 608, 320, 56, 32},
    {Ctl::Button1, "后台固定区域截图", 608, 360, 56, 32},
    {Ctl::Edit4, "", 616, 296, 32, 16},
    {Ctl::Edit3, "", 616, 272, 32, 16},
    {Ctl::Edit2, "", 616, 248, 32, 16},
    {Ctl::Edit1, "", 616, 224, 32, 16},
    {Ctl::Button4, "后台截图", 512, 360, 40, 32},
    {Ctl::Button2, "枚举窗口", 248, 104, 40, 32},
    {Ctl::Label1, "0", 40, 8, 64, 16},
    {Ctl::Radio2, "原图", 528, 184, 64, 32},
    {Ctl::Radio1, "缩略图", 592, 184, 72, 32},
    {Ctl::Picture1, "", 0, 144, 496, 344},
};

struct LayoutCase {
  const Layout& layout;
  const Expected* begin;
  const Expected* end;
  SIZE window;
};

const LayoutCase kLayouts[] = {
    {kFullLayout, std::begin(kFullExpected), std::end(kFullExpected), {1133, 850}},
    {kCompactLayout, std::begin(kCompactExpected), std::end(kCompactExpected), {719, 564}},
};

RECT RectIn(HWND window, HWND client) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

SIZE OuterSize(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

std::string MenuText(HMENU menu, UINT position) {
  char text[64] = {};
  ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST_F(MainLayout, EveryControlStandsWhereTheDesignPutsItWithItsCaption) {
  for (const LayoutCase& c : kLayouts) {
    SCOPED_TRACE(c.layout.name);
    // An empty settings file leaves every box with the caption it was made with.
    MainWindow& main = Start("", c.layout);
    const SIZE outer = OuterSize(main.hwnd());
    EXPECT_EQ(outer.cx, c.window.cx);
    EXPECT_EQ(outer.cy, c.window.cy);
    RECT client{};
    ::GetClientRect(main.hwnd(), &client);

    for (const Expected* e = c.begin; e != c.end; ++e) {
      const char* name = c.layout.Row(e->id).name;
      SCOPED_TRACE(name);
      HWND control = main.Control(e->id);
      ASSERT_NE(control, nullptr);
      const RECT r = RectIn(control, main.hwnd());
      if (e->id == Ctl::StatusBar1) {
        // Docked instead: the form's rectangle would lie over the preview.
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.right, client.right);
        EXPECT_EQ(r.bottom, client.bottom);
        EXPECT_GT(r.bottom - r.top, 10);
        EXPECT_GE(r.top, RectIn(main.Control(Ctl::Picture1), main.hwnd()).bottom);
        continue;
      }
      EXPECT_EQ(r.left, e->x);
      EXPECT_EQ(r.top, e->y);
      EXPECT_EQ(r.right - r.left, e->width);
      // A combo box is as high as its edit field, whatever the design says.
      if (e->id != Ctl::Combo1) {
        EXPECT_EQ(r.bottom - r.top, e->height);
      }
      EXPECT_EQ(GetText(control), e->caption);
    }
    for (Ctl none : {Ctl::FileDialog1, Ctl::DropTarget1, Ctl::Timer1, Ctl::Timer2}) {
      EXPECT_EQ(main.Control(none), nullptr) << c.layout.Row(none).name;
    }

    HWND bar = main.Control(Ctl::StatusBar1);
    int edges[8] = {};
    ASSERT_EQ(::SendMessageA(bar, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(edges[i], 225 * (i + 1)) << "pane " << i;
    Close();
  }
}

TEST_F(MainLayout, MenuBarHasTheSixItems) {
  MainWindow& main = Start();
  HMENU bar = ::GetMenu(main.hwnd());
  ASSERT_EQ(::GetMenuItemCount(bar), 2);
  const struct {
    const char* title;
    std::vector<std::pair<const char*, MenuId>> items;
  } menus[] = {
      {"功能",
       {{"前台区域截图热键", MenuId::RegionCapture},
        {"前台固定区域截图热键", MenuId::FixedRegionCapture},
        {"后台区域截图热键", MenuId::BackgroundCapture},
        {"自定义设置", MenuId::Settings}}},
      {"帮助", {{"使用说明", MenuId::Help}, {"关于", MenuId::About}}},
  };
  for (UINT m = 0; m < 2; ++m) {
    EXPECT_EQ(MenuText(bar, m), menus[m].title);
    HMENU popup = ::GetSubMenu(bar, static_cast<int>(m));
    ASSERT_EQ(::GetMenuItemCount(popup), static_cast<int>(menus[m].items.size()));
    for (UINT i = 0; i < menus[m].items.size(); ++i) {
      EXPECT_EQ(MenuText(popup, i), menus[m].items[i].first);
      EXPECT_EQ(::GetMenuItemID(popup, static_cast<int>(i)),
                static_cast<UINT>(menus[m].items[i].second));
    }
  }
}

void Type(HWND box, const std::string& keys) {
  for (unsigned char c : keys) ::SendMessageA(box, WM_CHAR, c, 1);
}

DWORD CaretOf(HWND box) {
  DWORD start = 0;
  ::SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return start;
}

TEST_F(NumberBoxes, TypingIsFilteredAndLeavingNormalises) {
  MainWindow& main = Start("");
  HWND elsewhere = main.Control(Ctl::Button3);
  const struct {
    const char* keys;
    const char* shown;  // while typing
    const char* left;   // after the box lost the focus
  } cases[] = {
      {"12a3", "123", "123"},
      {"-", "-", ""},
      {"0", "0", ""},
      {"007", "007", "7"},
      {"40000", "40000", "32767"},
      {"-40000", "-40000", "-32768"},
      {"32767", "32767", "32767"},
      {"-32768", "-32768", "-32768"},
      {"1-2", "1-2", "1"},
      {"12\b", "1", "1"},
      {"x 5.", "5", "5"},
  };
  const Ctl boxes[] = {Ctl::Edit1, Ctl::Edit2, Ctl::Edit3, Ctl::Edit4,
                       Ctl::Edit5, Ctl::Edit6, Ctl::Edit7};
  for (Ctl id : boxes) {
    HWND box = main.Control(id);
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << main.layout().Row(id).name << " keys " << c.keys);
      SetText(box, "");
      ::SetFocus(box);
      Type(box, c.keys);
      EXPECT_EQ(GetText(box), c.shown);
      ::SetFocus(elsewhere);
      EXPECT_EQ(GetText(box), c.left);
      // The caret stays where the selection began, within the new text.
      EXPECT_EQ(CaretOf(box), std::min(std::strlen(c.shown), std::strlen(c.left)));
    }
  }
}

TEST_F(NumberBoxes, ProgramSetTextsWaitUntilTheUserLeavesTheBox) {
  MainWindow& main = Start("[定次8]\r\n延时=1000\r\n周期=abc\r\n");
  HWND delay = main.Control(Ctl::Edit6);
  HWND period = main.Control(Ctl::Edit7);
  HWND elsewhere = main.Control(Ctl::Button3);
  main.SetControlText(Ctl::Edit1, "99999");

  // Focus moving among other controls leaves them as they are.
  ::SetFocus(main.Control(Ctl::Edit2));
  ::SetFocus(elsewhere);
  EXPECT_EQ(GetText(delay), "1000");
  EXPECT_EQ(GetText(period), "abc");
  EXPECT_EQ(main.ControlText(Ctl::Edit1), "99999");

  ::SetFocus(period);
  EXPECT_EQ(GetText(period), "abc");
  ::SetFocus(elsewhere);
  EXPECT_EQ(GetText(period), "");
  ::SetFocus(delay);
  ::SetFocus(elsewhere);
  EXPECT_EQ(GetText(delay), "1000");
  ::SetFocus(main.Control(Ctl::Edit1));
  ::SetFocus(elsewhere);
  EXPECT_EQ(main.ControlText(Ctl::Edit1), "32767");
}

TEST_F(ShellHandlers, RadioPairWritesTheImageChoiceAtOnce) {
  MainWindow& main = Start();
  Click(Ctl::Radio2);
  EXPECT_EQ(Setting("原图6", "原图"), "1");
  EXPECT_TRUE(main.Checked(Ctl::Radio2));
  EXPECT_FALSE(main.Checked(Ctl::Radio1));
  Click(Ctl::Radio1);
  EXPECT_EQ(Setting("原图6", "原图"), "0");
  EXPECT_TRUE(main.Checked(Ctl::Radio1));
  EXPECT_FALSE(main.Checked(Ctl::Radio2));
  // The selected one clicked again writes again.
  WriteSetting(state_, "原图6", "原图", "7");
  Click(Ctl::Radio1);
  EXPECT_EQ(Setting("原图6", "原图"), "0");
  EXPECT_TRUE(main.Checked(Ctl::Radio1));
}

TEST_F(ShellHandlers, SaveRegionWritesTheFourTextsAsTheyStand) {
  MainWindow& main = Start("[区域7]\r\n左边=1\r\n顶边=2\r\n右边=3\r\n底边=4\r\n");
  main.SetControlText(Ctl::Edit1, "");
  main.SetControlText(Ctl::Edit2, "20");
  main.SetControlText(Ctl::Edit3, "abc");
  main.SetControlText(Ctl::Edit4, "-7");
  Click(Ctl::Button3);
  // Read before closing, which writes the four edges too.
  EXPECT_EQ(Setting("区域7", "左边"), "");
  EXPECT_NE(ReadFileBytes(state_.SettingsPath()).find("左边=\r\n"), std::string::npos);
  EXPECT_EQ(Setting("区域7", "顶边"), "20");
  EXPECT_EQ(Setting("区域7", "右边"), "abc");
  EXPECT_EQ(Setting("区域7", "底边"), "-7");
}

HWND OwnedWindowOf(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND w, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (::GetWindow(w, GW_OWNER) != s->owner || !::IsWindowVisible(w)) return TRUE;
        s->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Topmost(HWND window) { return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TEST_F(ShellHandlers, AboutDoesNothing) {
  MainWindow& main = Start();
  const std::string before = ReadFileBytes(state_.SettingsPath());
  ::SendMessageA(main.hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::About), 0);
  Settle();
  EXPECT_EQ(OwnedWindowOf(main.hwnd()), nullptr);
  EXPECT_TRUE(Topmost(main.hwnd()));
  EXPECT_TRUE(::IsWindowEnabled(main.hwnd()));
  EXPECT_EQ(ReadFileBytes(state_.SettingsPath()), before);
}

enum class CloseWay { CloseBox, AltF4, CloseMessage, Destroyed };

const char* NameOf(CloseWay way) {
  switch (way) {
    case CloseWay::CloseBox:
      return "close box";
    case CloseWay::AltF4:
      return "Alt+F4";
    case CloseWay::CloseMessage:
      return "WM_CLOSE";
    case CloseWay::Destroyed:
      return "destroyed";
  }
  return "";
}

void PressAltF4() {
  INPUT keys[4] = {};
  const WORD codes[4] = {VK_MENU, VK_F4, VK_F4, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  ::SendInput(4, keys, sizeof(INPUT));
}

// What a timer tick saw inside the modal window's message loop, before it
// closed the window the chosen way.
struct ModalProbe {
  HWND main = nullptr;
  CloseWay way = CloseWay::CloseMessage;
  HWND modal = nullptr;
  bool mainTopmost = true;
  bool mainEnabled = true;
  std::string title;
  SIZE size{};
  std::string text;
  RECT textRect{};
  LONG textStyle = 0;
  int ticksAfterClose = 0;
  bool stuck = false;
};
ModalProbe* probe = nullptr;

void CALLBACK ProbeTick(HWND, UINT, UINT_PTR, DWORD) {
  ModalProbe& p = *probe;
  if (!p.modal) {
    p.modal = OwnedWindowOf(p.main);
    if (!p.modal) return;
    p.mainTopmost = Topmost(p.main);
    p.mainEnabled = ::IsWindowEnabled(p.main) != FALSE;
    p.title = GetText(p.modal);
    p.size = OuterSize(p.modal);
    if (HWND text = ::GetDlgItem(p.modal, kHelpTextId)) {
      p.text = GetText(text);
      p.textRect = RectIn(text, p.modal);
      p.textStyle = ::GetWindowLongA(text, GWL_STYLE);
    }
    switch (p.way) {
      case CloseWay::CloseBox:
        ::PostMessageA(p.modal, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the box sends
        break;
      case CloseWay::AltF4:
        ::SetForegroundWindow(p.modal);
        PressAltF4();
        break;
      case CloseWay::CloseMessage:
        ::PostMessageA(p.modal, WM_CLOSE, 0, 0);
        break;
      case CloseWay::Destroyed:
        ::DestroyWindow(p.modal);
        break;
    }
    return;
  }
  // A way that failed to close it must not hang the test.
  if (::IsWindow(p.modal) && ++p.ticksAfterClose > 40) {
    p.stuck = true;
    ::DestroyWindow(p.modal);
  }
}

// Chooses the menu item and returns what was seen while its window was open.
ModalProbe OpenAndClose(MainWindow& main, MenuId item, CloseWay way) {
  ModalProbe seen;
  seen.main = main.hwnd();
  seen.way = way;
  probe = &seen;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &ProbeTick);
  ::SendMessageA(main.hwnd(), WM_COMMAND, static_cast<WPARAM>(item), 0);
  ::KillTimer(nullptr, timer);
  probe = nullptr;
  return seen;
}

TEST_F(ModalWindows, MainWindowLeavesTheTopmostBandWhileOneIsOpen) {
  MainWindow& main = Start();
  ASSERT_TRUE(Topmost(main.hwnd()));
  const struct {
    MenuId item;
    const char* title;
  } windows[] = {{MenuId::Help, "使用说明:"}, {MenuId::Settings, "设置"}};
  for (const auto& w : windows) {
    for (CloseWay way :
         {CloseWay::CloseBox, CloseWay::AltF4, CloseWay::CloseMessage, CloseWay::Destroyed}) {
      SCOPED_TRACE(::testing::Message() << w.title << ", " << NameOf(way));
      const ModalProbe seen = OpenAndClose(main, w.item, way);
      ASSERT_NE(seen.modal, nullptr);
      EXPECT_EQ(seen.title, w.title);
      EXPECT_FALSE(seen.mainTopmost);
      EXPECT_FALSE(seen.mainEnabled);
      EXPECT_FALSE(seen.stuck);
      EXPECT_FALSE(::IsWindow(seen.modal));
      EXPECT_TRUE(Topmost(main.hwnd()));
      EXPECT_TRUE(::IsWindowEnabled(main.hwnd()));
    }
  }
}

TEST_F(ModalWindows, SizesAndInstructionsFollowTheLayout) {
  const struct {
    const Layout* layout;
    SIZE help, settings;
    bool compactText;
  } cases[] = {{&kFullLayout, {486, 402}, {547, 365}, false},
               {&kCompactLayout, {485, 401}, {380, 250}, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout->name);
    MainWindow& main = Start(nullptr, *c.layout);
    const ModalProbe help = OpenAndClose(main, MenuId::Help, CloseWay::CloseMessage);
    ASSERT_NE(help.modal, nullptr);
    EXPECT_EQ(help.size.cx, c.help.cx);
    EXPECT_EQ(help.size.cy, c.help.cy);
    EXPECT_EQ(help.text, HelpText(c.compactText));
    EXPECT_EQ(help.textRect.left, 8);
    EXPECT_EQ(help.textRect.top, 8);
    EXPECT_EQ(help.textRect.right - help.textRect.left, 464);
    EXPECT_EQ(help.textRect.bottom - help.textRect.top, 360);
    EXPECT_NE(help.textStyle & ES_MULTILINE, 0);
    EXPECT_NE(help.textStyle & WS_VSCROLL, 0);

    const ModalProbe settings = OpenAndClose(main, MenuId::Settings, CloseWay::CloseMessage);
    ASSERT_NE(settings.modal, nullptr);
    EXPECT_EQ(settings.size.cx, c.settings.cx);
    EXPECT_EQ(settings.size.cy, c.settings.cy);
    Close();
  }
}

}  // namespace
}  // namespace grabwell::testing
