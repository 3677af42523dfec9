#include "target/window_list.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "app/main_window.h"

namespace grabwell {

namespace {

struct Column {
  const char* header;
  int width;
};
constexpr Column kColumns[] = {{"ID", 45}, {"句柄", 90}, {"标题", 225}};

void SetCellText(HWND list, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void SetUpWindowList(HWND list) {
  const DWORD extra = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
  ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extra, extra);
  int index = 0;
  for (const Column& c : kColumns) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = c.width;
    column.pszText = const_cast<char*>(c.header);
    column.iSubItem = index;
    ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&column));
    ++index;
  }
}

void RefreshWindowList(MainWindow& main) {
  HWND list = main.Control(Ctl::List1);
  ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  ::EnumWindows(&AddWindowRow, reinterpret_cast<LPARAM>(list));
}

BOOL CALLBACK AddWindowRow(HWND window, LPARAM listParam) {
  if (!window) return FALSE;
  if (!::IsWindowVisible(window)) return TRUE;
  const std::string title = GetWindowTitle(window);
  if (title.empty() || title == "Program Manager") return TRUE;

  const auto list = reinterpret_cast<HWND>(listParam);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>("");
  const auto row =
      static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return TRUE;
  const auto count = ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  SetCellText(list, row, 0, std::to_string(count));
  SetCellText(list, row, 1, HandleText(window));
  SetCellText(list, row, 2, title);
  return TRUE;
}

void SelectTargetFromList(MainWindow& main) {
  HWND list = main.Control(Ctl::List1);
  const auto row = static_cast<int>(
      ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
  main.SetControlText(Ctl::Label1, ListCellText(list, row, 1));
  main.SetControlText(Ctl::Label7, ListCellText(list, row, 2));
}

std::string GetWindowTitle(HWND window) {
  // The buffer is blanks with a final zero; what GetWindowTextA leaves of it
  // up to the first zero is the title.
  const int size = ::GetWindowTextLengthA(window) + 1;
  std::string buffer(static_cast<size_t>(size - 1), ' ');
  ::GetWindowTextA(window, buffer.data(), size);
  buffer.resize(std::strlen(buffer.c_str()));
  return buffer;
}

std::string HandleText(HWND window) {
  // Handles have 32 significant bits on 64-bit Windows too, sign-extended.
  return std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(window)));
}

std::string ListCellText(HWND list, int row, int column) {
  if (row < 0) return std::string();
  std::vector<char> buffer(256);
  for (;;) {
    buffer[0] = '\0';
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const auto got = static_cast<size_t>(::SendMessageA(
        list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    // A text that filled the buffer may have been cut: try a bigger one.
    if (got + 1 < buffer.size() || buffer.size() >= (1u << 20)) {
      return std::string(buffer.data(), std::strlen(buffer.data()));
    }
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace grabwell
