// The list of visible titled top-level windows, and choosing the
// TargetWindow from it.
#pragma once

#include <string>

#include "platform/win.h"

namespace grabwell {

class MainWindow;

// The list's three columns and styles; called once when 超级列表框1 is made.
void SetUpWindowList(HWND list);

// 按钮2 "枚举窗口": the list afresh, numbered from 1 in Z order.
void RefreshWindowList(MainWindow& main);

// EnumWindows callback: appends `window` to the list view in `list` when it
// is visible and titled, and is not "Program Manager". FALSE only for null.
BOOL CALLBACK AddWindowRow(HWND window, LPARAM list);

// A click on 超级列表框1: the first selected row's 句柄 and 标题 become the
// captions of 标签1 and 标签7; empty texts when no row is selected.
void SelectTargetFromList(MainWindow& main);

// The title as ANSI text; empty when the window has none.
std::string GetWindowTitle(HWND window);

// A window handle as the signed decimal text that captions and cells carry.
std::string HandleText(HWND window);

// A cell's text; empty for row -1 or a row or column that is not there.
std::string ListCellText(HWND list, int row, int column);

}  // namespace grabwell
