#include "app/settings_text.h"
#include "fixture.h"

namespace grabwell::testing {
namespace {

using Startup = MainWindowTest;
using Shutdown = MainWindowTest;

TEST_F(Startup, FirstStartWritesDefaultFileAndFillsWindow) {
  MainWindow& main = Start();
  EXPECT_EQ(ReadFileBytes(state_.SettingsPath()), DefaultSettingsText());
  EXPECT_EQ(ReadFileBytes(state_.SettingsPath()).size(), 271u);
  EXPECT_NE(::GetFileAttributesA(state_.SaveFolder().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(::GetFileAttributesA(state_.SaveFolder().c_str()) == INVALID_FILE_ATTRIBUTES, false);

  EXPECT_EQ(main.StatusText(3), "图片格式:bmp");
  EXPECT_EQ(main.StatusText(4), "已截图次数:0/0");
  EXPECT_EQ(state_.formatCode, 1);
  EXPECT_EQ(state_.conversionOn, 0);
  EXPECT_EQ(state_.namingMode, NamingMode::ByNumber);
  EXPECT_TRUE(main.Checked(Ctl::Radio1));
  EXPECT_FALSE(main.Checked(Ctl::Radio2));
  EXPECT_TRUE(main.Checked(Ctl::Check1));
  EXPECT_FALSE(main.Checked(Ctl::Check2));
  const struct {
    Ctl box;
    const char* text;
  } boxes[] = {{Ctl::Edit1, ""},  {Ctl::Edit2, ""},     {Ctl::Edit3, ""},    {Ctl::Edit4, ""},
               {Ctl::Edit5, "0"}, {Ctl::Edit6, "1000"}, {Ctl::Edit7, "2000"}};
  for (const auto& b : boxes) EXPECT_EQ(main.ControlText(b.box), b.text);
  EXPECT_FLOAT_EQ(state_.displayScale, 1.0f);

  char title[128] = {};
  ::GetWindowTextA(main.hwnd(), title, sizeof title);
  EXPECT_STREQ(title, "Grabwell（Lanternboard）");
  EXPECT_NE(::GetWindowLongA(main.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(Startup, ExistingFileIsNeitherRewrittenNorCompleted) {
  const char* partial = "[定次8]\r\n次数=5\r\n";
  MainWindow& main = Start(partial);
  EXPECT_EQ(ReadFileBytes(state_.SettingsPath()), partial);
  EXPECT_EQ(main.ControlText(Ctl::Edit5), "5");
  EXPECT_EQ(main.ControlText(Ctl::Edit6), "");
  EXPECT_EQ(main.StatusText(3), "图片格式:");
  EXPECT_EQ(state_.formatCode, 5);
  EXPECT_EQ(state_.total, 0);
}

TEST_F(Startup, StoredValuesSelectControlsAndState) {
  const struct {
    const char* lines;
    bool fullImage;
    bool foreground;
    NamingMode naming;
    int32_t total;
    int formatCode;
    int32_t conversion;
  } cases[] = {
      {"[原图6]\r\n原图=1\r\n[定次8]\r\n前后台=0\r\n", true, true, NamingMode::ByNumber, 0, 5, 0},
      {"[原图6]\r\n原图=0\r\n[定次8]\r\n前后台=1\r\n", false, false, NamingMode::ByNumber, 0, 5, 0},
      {"[原图6]\r\n原图=2\r\n[定次8]\r\n前后台=7\r\n", false, false, NamingMode::ByNumber, 0, 5, 0},
      {"[格式4]\r\n名称格式=按时间\r\n图片格式=tiff\r\n", false, true, NamingMode::ByTime, 0, 4, 0},
      {"[格式4]\r\n名称格式=按数字\r\n图片格式=PNG\r\n开启转换=2\r\n", false, true,
       NamingMode::ByNumber, 0, 5, 2},
      {"[次数5]\r\n总次数=12abc\r\n", false, true, NamingMode::ByNumber, 12, 5, 0},
      {"[次数5]\r\n总次数=abc\r\n[定次8]\r\n前后台=-1\r\n", false, false, NamingMode::ByNumber, 0,
       5, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    state_ = AppState{};
    state_.runDirectory = dir_;
    MainWindow& main = Start(c.lines);
    EXPECT_EQ(main.Checked(Ctl::Radio2), c.fullImage);
    EXPECT_EQ(main.Checked(Ctl::Radio1), !c.fullImage);
    EXPECT_EQ(main.Checked(Ctl::Check1), c.foreground);
    EXPECT_EQ(main.Checked(Ctl::Check2), !c.foreground);
    EXPECT_EQ(state_.namingMode, c.naming);
    EXPECT_EQ(state_.total, c.total);
    EXPECT_EQ(state_.formatCode, c.formatCode);
    EXPECT_EQ(state_.conversionOn, c.conversion);
    Close();
  }
}

TEST_F(Startup, ProgramSetTextsAreNotNormalised) {
  MainWindow& main = Start("[定次8]\r\n延时=1000\r\n周期=abc\r\n[区域7]\r\n左边=12x\r\n");
  EXPECT_EQ(main.ControlText(Ctl::Edit6), "1000");
  EXPECT_EQ(main.ControlText(Ctl::Edit7), "abc");
  EXPECT_EQ(main.ControlText(Ctl::Edit1), "12x");
}

TEST_F(Shutdown, WritesTotalPlusCountAndTheFourEdges) {
  MainWindow& main = Start("[次数5]\r\n总次数=10\r\n[区域7]\r\n左边=1\r\n");
  state_.count = 3;
  main.SetControlText(Ctl::Edit1, "");
  main.SetControlText(Ctl::Edit2, "20");
  main.SetControlText(Ctl::Edit3, "abc");
  main.SetControlText(Ctl::Edit4, "-7");
  Close();
  EXPECT_EQ(Setting("次数5", "总次数"), "13");
  EXPECT_EQ(Setting("区域7", "左边"), "");
  EXPECT_NE(ReadFileBytes(state_.SettingsPath()).find("左边=\r\n"), std::string::npos);
  EXPECT_EQ(Setting("区域7", "顶边"), "20");
  EXPECT_EQ(Setting("区域7", "右边"), "abc");
  EXPECT_EQ(Setting("区域7", "底边"), "-7");
}

TEST_F(Shutdown, WithoutCapturesWritesTheSameTotal) {
  Start("[次数5]\r\n总次数=10\r\n");
  Close();
  EXPECT_EQ(Setting("次数5", "总次数"), "10");
}

}  // namespace
}  // namespace grabwell::testing
