#include "app/help_text.h"

#include <iterator>

namespace grabwell {

namespace {

enum class In { Both, Full, Compact };

struct Line {
  In in;
  const char* text;
};

constexpr Line kLines[] = {
    {In::Both,
     "Grabwell 是一款截图工具：前台、后台、区域、连续、定时和脚本截图，保存为多种图片格式。"},
    {In::Both, ""},
    {In::Both, "一、功能简介"},
    {In::Both, "1.前台截图和“伪后台”截图。“伪后台”截图时，窗口可以被其他窗口遮挡，但不能最小化。"},
    {In::Both, "2.截取选定的矩形区域：可以用鼠标画出，也可以输入坐标。"},
    {In::Both, "3.以多种格式保存图片：bmp、jpg、gif、tiff、png。"},
    {In::Both, "4.自定义热键。"},
    {In::Both, "5.连续截图和定时截图。"},
    {In::Both,
     "6.截图与键盘、鼠标操作相结合，类似脚本。此功能尚不完善，目前支持在某一点上单击左键。"},
    {In::Both, ""},
    {In::Compact, ""},
    {In::Compact, ""},
    {In::Both, "二、使用说明"},
    {In::Both, "1.功能菜单"},
    {In::Both, "前三项与状态栏中显示的三个热键相对应。"},
    {In::Compact, ""},
    {In::Both,
     "“自定义设置”打开设置窗口：在热键框中按下按键即可定义热键，点击“保存热键”后立即生效；"
     "在这里还可以开启格式转换、选择图片格式，以及选择按数字或按时间命名图片。"},
    {In::Both, "2.帮助菜单"},
    {In::Both, "使用说明"},
    {In::Full, ""},
    {In::Compact, "使用方法详解"},
    {In::Both, "三、截图使用方法"},
    {In::Both, "先设置参数：原图或缩略图、图片格式和名称格式。"},
    {In::Both, "1.前台截图：点击按钮或按热键，然后用鼠标画出要截取的区域。"},
    {In::Both, "2.前台固定区域截图：坐标默认为上一次的坐标，也可以按左边、顶边、右边、底边输入。"},
    {In::Both,
     "3.后台截图：点击“枚举窗口”，在列表中点击要截图的窗口；第一次使用“后台截图”或其热键"
     "选择一个区域，之后点击“后台固定区域截图”即可反复截图。"},
    {In::Both, "4.连续截图：勾选“前台”或“后台”，先进行一次该种截图，再设置次数和间隔（毫秒）。"},
    {In::Both, "5.定时截图：同上，设置周期（毫秒）。"},
    {In::Both,
     "6.脚本后台截图：把右上角的十字拖到每个要点击的点上；双击ID表头删除该行的点；"
     "“清空重置”删除所有的点；选择窗口；先进行一次后台截图；设置周期（毫秒）；"
     "点击“鼠标截图”开始周期性地点击和截图，再次点击则停止。"},
};

}  // namespace

std::string HelpText(bool compact) {
  const In skip = compact ? In::Full : In::Compact;
  std::string text;
  for (const Line& line : kLines) {
    if (line.in == skip) continue;
    if (&line != std::begin(kLines)) text += "\r\n";  // the first line is in both
    text += line.text;
  }
  return text;
}

}  // namespace grabwell
