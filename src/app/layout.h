// The main window's two layouts as data: one table per deliverable.
#pragma once

#include <cstddef>

namespace grabwell {

// Child-window ids of MainWindow's controls.
enum class Ctl : int {
  Combo1 = 1001,  // 组合框1
  FileDialog1,    // 通用对话框1 (non-visual)
  DropTarget1,    // 拖放对象1 (non-visual)
  Button13,
  Button12,
  Grid1,  // 高级表格1
  Button11,
  Picker,  // 图片框_捕获鼠标
  Button10,
  Timer1,  // 时钟1 (non-visual)
  Button9,
  Button8,
  Edit7,
  Label12,
  Button7,
  Edit6,
  Label11,
  Edit5,
  Label10,
  Check2,  // 选择框2
  Check1,  // 选择框1
  Button6,
  Button3,
  List1,       // 超级列表框1
  StatusBar1,  // 状态条1
  Label9,
  Label8,
  Label7,
  Label6,
  Label5,
  Label4,
  Label3,
  Label2,
  Button5,
  Button1,
  Edit4,
  Edit3,
  Edit2,
  Edit1,
  Button4,
  Button2,
  Label1,
  Radio2,    // 单选框2 "原图"
  Radio1,    // 单选框1 "缩略图"
  Picture1,  // 图片框1
  Timer2,    // 时钟2 (non-visual)
};

enum class Kind {
  NonVisual,  // has a place in the form but no window
  Button,
  Label,
  NumberBox,
  ComboList,
  CheckBox,
  Radio,
  ListView,
  Grid,
  StatusBar,
  Picture,
  Picker,
};

struct ControlRow {
  Ctl id;
  const char* name;
  Kind kind;
  const char* caption;
  int x, y, width, height;
};

struct Size {
  int width, height;
};

struct Layout {
  const char* name;
  Size main, settings, help, region;
  const ControlRow* rows;
  size_t rowCount;
  bool compactHelpText;

  const ControlRow* begin() const { return rows; }
  const ControlRow* end() const { return rows + rowCount; }
  const ControlRow& Row(Ctl id) const;
};

extern const Layout kFullLayout;
extern const Layout kCompactLayout;

}  // namespace grabwell
