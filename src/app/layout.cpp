#include "app/layout.h"

#include <iterator>

namespace grabwell {

namespace {

// Left, top, width, height in client pixels, in the order of the form.
constexpr ControlRow kFullRows[] = {
    {Ctl::Combo1, "组合框1", Kind::ComboList, "类型", 864, 38, 108, 30},
    {Ctl::FileDialog1, "通用对话框1", Kind::NonVisual, "", 1088, 296, 32, 32},
    {Ctl::DropTarget1, "拖放对象1", Kind::NonVisual, "", 1088, 240, 32, 40},
    {Ctl::Button13, "按钮13", Kind::Button, "导入脚本", 904, 192, 45, 40},
    {Ctl::Button12, "按钮12", Kind::Button, "导出脚本", 960, 192, 45, 40},
    {Ctl::Grid1, "高级表格1", Kind::Grid, "", 480, 32, 640, 152},
    {Ctl::Button11, "按钮11", Kind::Button, "清空重置", 848, 192, 45, 40},
    {Ctl::Picker, "图片框_捕获鼠标", Kind::Picker, "", 1080, 192, 40, 37},
    {Ctl::Button10, "按钮10", Kind::Button, "鼠标截图", 1016, 192, 45, 40},
    {Ctl::Timer1, "时钟1", Kind::NonVisual, "", 960, 488, 24, 24},
    {Ctl::Button9, "按钮9", Kind::Button, "保存配置", 864, 616, 56, 40},
    {Ctl::Button8, "按钮8", Kind::Button, "定时截图", 1072, 616, 48, 40},
    {Ctl::Edit7, "编辑框7", Kind::NumberBox, "", 992, 616, 64, 16},
    {Ctl::Label12, "标签12", Kind::Label, "周期", 944, 616, 40, 16},
    {Ctl::Button7, "按钮7", Kind::Button, "连续截图", 1072, 560, 48, 40},
    {Ctl::Edit6, "编辑框6", Kind::NumberBox, "", 992, 576, 64, 16},
    {Ctl::Label11, "标签11", Kind::Label, "延时", 944, 576, 40, 16},
    {Ctl::Edit5, "编辑框5", Kind::NumberBox, "", 896, 576, 40, 16},
    {Ctl::Label10, "标签10", Kind::Label, "次数", 848, 576, 40, 16},
    {Ctl::Check2, "选择框2", Kind::CheckBox, "后台", 848, 528, 72, 24},
    {Ctl::Check1, "选择框1", Kind::CheckBox, "前台", 952, 528, 72, 24},
    {Ctl::Button6, "按钮6", Kind::Button, "前台截图", 864, 424, 56, 40},
    {Ctl::Button3, "按钮3", Kind::Button, "保存区域", 952, 424, 56, 40},
    {Ctl::List1, "超级列表框1", Kind::ListView, "", 0, 32, 408, 152},
    {Ctl::StatusBar1, "状态条1", Kind::StatusBar, "", 0, 476, 674, 20},
    {Ctl::Label9, "标签9", Kind::Label, "句柄:", 8, 8, 45, 16},
    {Ctl::Label8, "标签8", Kind::Label, "标题:", 160, 8, 45, 16},
    {Ctl::Label7, "标签7", Kind::Label, "", 210, 8, 720, 16},
    {Ctl::Label6, "标签6", Kind::Label, "左边\r\n\r\n顶边\r\n\r\n右边\r\n\r\n底边", 952, 288, 45,
     136},
    {Ctl::Label5, "标签5", Kind::Label, "", 880, 392, 48, 16},
    {Ctl::Label4, "标签4", Kind::Label, "", 880, 360, 48, 16},
    {Ctl::Label3, "标签3", Kind::Label, "", 880, 320, 48, 16},
    {Ctl::Label2, "标签2", Kind::Label, "", 880, 288, 48, 16},
    {Ctl::Button5, "按钮5", Kind::Button, "前台固定区域截图", 1032, 424, 88, 40},
    {Ctl::Button1, "按钮1", Kind::Button, "后台固定区域截图", 1032, 480, 88, 40},
    {Ctl::Edit4, "编辑框4", Kind::NumberBox, "", 1008, 392, 48, 16},
    {Ctl::Edit3, "编辑框3", Kind::NumberBox, "", 1008, 360, 48, 16},
    {Ctl::Edit2, "编辑框2", Kind::NumberBox, "", 1008, 320, 48, 16},
    {Ctl::Edit1, "编辑框1", Kind::NumberBox, "", 1008, 288, 48, 16},
    {Ctl::Button4, "按钮4", Kind::Button, "后台截图", 864, 480, 56, 40},
    {Ctl::Button2, "按钮2", Kind::Button, "枚举窗口", 416, 120, 48, 40},
    {Ctl::Label1, "标签1", Kind::Label, "0", 55, 8, 96, 16},
    {Ctl::Radio2, "单选框2", Kind::Radio, "原图", 864, 240, 96, 32},
    {Ctl::Radio1, "单选框1", Kind::Radio, "缩略图", 968, 240, 80, 32},
    {Ctl::Picture1, "图片框1", Kind::Picture, "", 0, 192, 840, 584},
    {Ctl::Timer2, "时钟2", Kind::NonVisual, "", 408, 128, 32, 32},
};

constexpr ControlRow kCompactRows[] = {
    {Ctl::Combo1, "组合框1", Kind::ComboList, "类型", 544, 36, 72, 20},
    {Ctl::FileDialog1, "通用对话框1", Kind::NonVisual, "", 672, 272, 32, 32},
    {Ctl::DropTarget1, "拖放对象1", Kind::NonVisual, "", 672, 208, 32, 40},
    {Ctl::Button13, "按钮13", Kind::Button, "导入脚本", 584, 144, 32, 32},
    {Ctl::Button12, "按钮12", Kind::Button, "导出脚本", 544, 144, 32, 32},
    {Ctl::Grid1, "高级表格1", Kind::Grid, "", 288, 32, 424, 104},
    {Ctl::Button11, "按钮11", Kind::Button, "清空重置", 504, 144, 32, 32},
    {Ctl::Picker, "图片框_捕获鼠标", Kind::Picker, "", 664, 144, 40, 37},
    {Ctl::Button10, "按钮10", Kind::Button, "鼠标截图", 624, 144, 32, 32},
    {Ctl::Timer1, "时钟1", Kind::NonVisual, "", 568, 376, 24, 24},
    {Ctl::Button9, "按钮9", Kind::Button, "保存配置", 512, 456, 32, 32},
    {Ctl::Button8, "按钮8", Kind::Button, "定时截图", 640, 456, 32, 32},
    {Ctl::Edit7, "编辑框7", Kind::NumberBox, "", 584, 464, 48, 16},
    {Ctl::Label12, "标签12", Kind::Label, "周期", 560, 464, 24, 16},
    {Ctl::Button7, "按钮7", Kind::Button, "连续截图", 640, 416, 32, 32},
    {Ctl::Edit6, "编辑框6", Kind::NumberBox, "", 584, 432, 48, 16},
    {Ctl::Label11, "标签11", Kind::Label, "延时", 560, 432, 32, 16},
    {Ctl::Edit5, "编辑框5", Kind::NumberBox, "", 520, 432, 32, 16},
    {Ctl::Label10, "标签10", Kind::Label, "次数:", 496, 432, 24, 16},
    {Ctl::Check2, "选择框2", Kind::CheckBox, "后台", 568, 408, 56, 16},
    {Ctl::Check1, "选择框1", Kind::CheckBox, "前台", 496, 408, 56, 16},
    {Ctl::Button6, "按钮6", Kind::Button, "前台截图", 512, 320, 40, 32},
    {Ctl::Button3, "按钮3", Kind::Button, "保存区域", 560, 320, 40, 32},
    {Ctl::List1, "超级列表框1", Kind::ListView, "", 0, 32, 248, 104},
    {Ctl::StatusBar1, "状态条1", Kind::StatusBar, "", 0, 476, 674, 20},
    {Ctl::Label9, "标签9", Kind::Label, "句柄:", 8, 8, 28, 16},
    {Ctl::Label8, "标签8", Kind::Label, "标题:", 112, 8, 28, 16},
    {Ctl::Label7, "标签7", Kind::Label, "", 140, 8, 484, 16},
    {Ctl::Label6, "标签6", Kind::Label, "左边\r\n\r\n顶边\r\n\r\n右边\r\n\r\n底边", 568, 224, 32,
     88},
    {Ctl::Label5, "标签5", Kind::Label, "", 512, 296, 32, 16},
    {Ctl::Label4, "标签4", Kind::Label, "", 512, 272, 32, 16},
    {Ctl::Label3, "标签3", Kind::Label, "", 512, 248, 32, 16},
    {Ctl::Label2, "标签2", Kind::Label, "", 512, 224, 32, 16},
    {Ctl::Button5, "按钮5", Kind::Button, "前台固定区域截图", 608, 320, 56, 32},
    {Ctl::Button1, "按钮1", Kind::Button, "后台固定区域截图", 608, 360, 56, 32},
    {Ctl::Edit4, "编辑框4", Kind::NumberBox, "", 616, 296, 32, 16},
    {Ctl::Edit3, "编辑框3", Kind::NumberBox, "", 616, 272, 32, 16},
    {Ctl::Edit2, "编辑框2", Kind::NumberBox, "", 616, 248, 32, 16},
    {Ctl::Edit1, "编辑框1", Kind::NumberBox, "", 616, 224, 32, 16},
    {Ctl::Button4, "按钮4", Kind::Button, "后台截图", 512, 360, 40, 32},
    {Ctl::Button2, "按钮2", Kind::Button, "枚举窗口", 248, 104, 40, 32},
    {Ctl::Label1, "标签1", Kind::Label, "0", 40, 8, 64, 16},
    {Ctl::Radio2, "单选框2", Kind::Radio, "原图", 528, 184, 64, 32},
    {Ctl::Radio1, "单选框1", Kind::Radio, "缩略图", 592, 184, 72, 32},
    {Ctl::Picture1, "图片框1", Kind::Picture, "", 0, 144, 496, 344},
    {Ctl::Timer2, "时钟2", Kind::NonVisual, "", 408, 128, 32, 32},
};

}  // namespace

const Layout kFullLayout = {"full-size", {1133, 850}, {547, 365},           {486, 402},
                            {380, 250},  kFullRows,   std::size(kFullRows), false};
const Layout kCompactLayout = {"compact",
                               {719, 564},
                               {380, 250},
                               {485, 401},
                               {380, 250},
                               kCompactRows,
                               std::size(kCompactRows),
                               true};

const ControlRow& Layout::Row(Ctl id) const {
  for (const ControlRow& row : *this) {
    if (row.id == id) return row;
  }
  return rows[0];  // every Ctl has a row in both tables; see the layout tests
}

}  // namespace grabwell
