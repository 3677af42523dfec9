#include "fixture.h"
#include "target/window_list.h"

namespace grabwell::testing {
namespace {

using WindowList = MainWindowTest;

struct Row {
  std::string id, handle, title;
};

std::vector<Row> Rows(HWND list) {
  std::vector<Row> rows;
  const auto count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    rows.push_back({ListCellText(list, i, 0), ListCellText(list, i, 1), ListCellText(list, i, 2)});
  }
  return rows;
}

int RowOf(const std::vector<Row>& rows, HWND window) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].handle == HandleText(window)) return static_cast<int>(i);
  }
  return -1;
}

void ClickAt(HWND list, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
  ::SendMessageA(list, WM_LBUTTONUP, 0, where);
  Settle(20);
}

RECT RowRect(HWND list, int row) {
  RECT r{};
  r.left = LVIR_BOUNDS;
  ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  return r;
}

TEST_F(WindowList, ListsVisibleTitledWindowsNumberedFromOneEachTime) {
  MainWindow& main = Start();
  HWND list = main.Control(Ctl::List1);
  ColourWindow untitled(1800, 900, 20, 20, RGB(1, 2, 3), false, "");
  ColourWindow manager(1830, 900, 20, 20, RGB(1, 2, 3), false, "Program Manager");
  ColourWindow lower(1860, 900, 20, 20, RGB(1, 2, 3), false, "program manager");
  ColourWindow blank(1890, 900, 20, 20, RGB(1, 2, 3), false, "Program Manager ");
  ColourWindow chinese(1800, 930, 20, 20, RGB(1, 2, 3), false, "Grabwell 测试窗口");
  ColourWindow hidden(1830, 930, 20, 20, RGB(1, 2, 3), false, "Grabwell 隐藏窗口");
  ::ShowWindow(hidden.hwnd(), SW_HIDE);

  Click(Ctl::Button2);
  const std::vector<Row> first = Rows(list);
  for (size_t i = 0; i < first.size(); ++i) {
    const Row& row = first[i];
    SCOPED_TRACE(row.title);
    EXPECT_EQ(row.id, std::to_string(i + 1));
    const auto window = reinterpret_cast<HWND>(static_cast<intptr_t>(std::stoi(row.handle)));
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(GetWindowTitle(window), row.title);
    EXPECT_NE(row.title, "");
    EXPECT_NE(row.title, "Program Manager");
  }
  for (HWND listed : {main.hwnd(), lower.hwnd(), blank.hwnd(), chinese.hwnd()}) {
    const int at = RowOf(first, listed);
    ASSERT_GE(at, 0) << GetWindowTitle(listed);
    EXPECT_EQ(first[static_cast<size_t>(at)].title, GetWindowTitle(listed));
  }
  for (HWND left : {untitled.hwnd(), manager.hwnd(), hidden.hwnd()}) {
    EXPECT_EQ(RowOf(first, left), -1) << GetWindowTitle(left);
  }

  Click(Ctl::Button2);
  const std::vector<Row> second = Rows(list);
  ASSERT_EQ(second.size(), first.size());
  for (size_t i = 0; i < second.size(); ++i) EXPECT_EQ(second[i].id, std::to_string(i + 1));
}

TEST_F(WindowList, HasThreeColumnsInReportStyle) {
  MainWindow& main = Start();
  HWND list = main.Control(Ctl::List1);
  const struct {
    const char* header;
    int width;
  } columns[] = {{"ID", 45}, {"句柄", 90}, {"标题", 225}};
  for (int i = 0; i < 3; ++i) {
    char header[32] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = header;
    column.cchTextMax = sizeof header;
    ASSERT_TRUE(::SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(header, columns[i].header);
    EXPECT_EQ(column.cx, columns[i].width);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  }
  LVCOLUMNA fourth{};
  fourth.mask = LVCF_WIDTH;
  EXPECT_FALSE(::SendMessageA(list, LVM_GETCOLUMNA, 3, reinterpret_cast<LPARAM>(&fourth)));
  const LONG style = ::GetWindowLongA(list, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_NE(style & LVS_SINGLESEL, 0);
  EXPECT_EQ(style & (LVS_EDITLABELS | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_NOCOLUMNHEADER),
            0);
  const auto extended = ::SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_NE(extended & LVS_EX_FULLROWSELECT, 0);
  EXPECT_NE(extended & LVS_EX_GRIDLINES, 0);
  EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);  // empty until asked
}

TEST_F(WindowList, AClickChoosesTheTargetAndOnlyAClick) {
  MainWindow& main = Start();
  HWND list = main.Control(Ctl::List1);
  ColourWindow chinese(1800, 930, 20, 20, RGB(1, 2, 3), false, "Grabwell 测试窗口");
  Click(Ctl::Button2);
  const std::vector<Row> rows = Rows(list);
  const int at = RowOf(rows, chinese.hwnd());
  ASSERT_GE(at, 0);
  ::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(at), FALSE);
  const RECT r = RowRect(list, at);
  ClickAt(list, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(main.ControlText(Ctl::Label1), rows[static_cast<size_t>(at)].handle);
  EXPECT_EQ(main.ControlText(Ctl::Label7), "Grabwell 测试窗口");

  // The keyboard moves the selection but not the target; a new list keeps it.
  ASSERT_GE(rows.size(), 2u);
  const WPARAM key = at > 0 ? VK_UP : VK_DOWN;
  ::SendMessageA(list, WM_KEYDOWN, key, 0);
  ::SendMessageA(list, WM_KEYUP, key, 0);
  EXPECT_NE(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), at);
  Click(Ctl::Button2);
  EXPECT_EQ(main.ControlText(Ctl::Label1), rows[static_cast<size_t>(at)].handle);
  EXPECT_EQ(main.ControlText(Ctl::Label7), "Grabwell 测试窗口");

  // Below the last row nothing is selected, and both captions empty.
  const auto count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  ::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(count - 1), FALSE);
  const RECT last = RowRect(list, count - 1);
  RECT client{};
  ::GetClientRect(list, &client);
  ASSERT_LT(last.bottom + 4, client.bottom) << "the list is full: no empty space to click";
  ClickAt(list, {20, last.bottom + 4});
  EXPECT_EQ(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
  EXPECT_EQ(main.ControlText(Ctl::Label1), "");
  EXPECT_EQ(main.ControlText(Ctl::Label7), "");
}

TEST_F(WindowList, RowCallbackAndTitleOfOddWindows) {
  MainWindow& main = Start();
  HWND list = main.Control(Ctl::List1);
  EXPECT_FALSE(AddWindowRow(nullptr, reinterpret_cast<LPARAM>(list)));
  ColourWindow untitled(1800, 900, 20, 20, RGB(1, 2, 3), false, "");
  ColourWindow hidden(1830, 900, 20, 20, RGB(1, 2, 3), false, "Grabwell 隐藏窗口");
  ::ShowWindow(hidden.hwnd(), SW_HIDE);
  EXPECT_TRUE(AddWindowRow(untitled.hwnd(), reinterpret_cast<LPARAM>(list)));
  EXPECT_TRUE(AddWindowRow(hidden.hwnd(), reinterpret_cast<LPARAM>(list)));
  EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_TRUE(AddWindowRow(main.hwnd(), reinterpret_cast<LPARAM>(list)));
  ASSERT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(ListCellText(list, 0, 0), "1");
  EXPECT_EQ(ListCellText(list, 0, 1), HandleText(main.hwnd()));
  EXPECT_EQ(ListCellText(list, 0, 2), "Grabwell（Lanternboard）");
  EXPECT_EQ(ListCellText(list, -1, 1), "");

  EXPECT_EQ(GetWindowTitle(untitled.hwnd()), "");
  EXPECT_EQ(GetWindowTitle(hidden.hwnd()), "Grabwell 隐藏窗口");
}

}  // namespace
}  // namespace grabwell::testing
