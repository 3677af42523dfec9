#include <optional>

#include "capture/region_window.h"
#include "fixture.h"
#include "rect_check.h"
#include "image_check.h"
#include "message_watch.h"
#include "region_driver.h"

namespace grabwell::testing {
namespace {

using RegionSelection = MainWindowTest;
using RegionCommand = MainWindowTest;

constexpr char kFullImages[] = "[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n";
constexpr COLORREF kBlue = RGB(30, 60, 200);
constexpr uint32_t kBluePixel = 0x1E3CC8;
constexpr COLORREF kYellow = RGB(230, 200, 20);
constexpr uint32_t kYellowPixel = 0xE6C814;
constexpr uint32_t kWhitePixel = 0xFFFFFF;

void Command(MainWindow& main, int id) {
  ::SendMessageA(main.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}
constexpr int kRegionMenu = static_cast<int>(MenuId::RegionCapture);
constexpr int kFixedRegionMenu = static_cast<int>(MenuId::FixedRegionCapture);

std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y) + " "; }

// Press at one point, pass half way, release at another: the user's drag.
RegionDriver::Action Drag(int x0, int y0, int x1, int y1) {
  return [=](HWND) {
    EXPECT_TRUE(XInput("mousemove " + At(x0, y0) + "mousedown 1 mousemove " +
                       At((x0 + x1) / 2, (y0 + y1) / 2) + "mousemove " + At(x1, y1) + "mouseup 1"));
  };
}

RegionDriver::Action RightClick() {
  return [](HWND) { EXPECT_TRUE(XInput("mousemove 500 500 click 3")); };
}

// Closing a modal window activates its owner, which can rise above a test window.
void Raise(HWND window) {
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Settle(100);
}

void Recolour(HWND window, COLORREF colour) {
  ::SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
  ::InvalidateRect(window, nullptr, FALSE);
  ::UpdateWindow(window);
  Settle(100);
}

std::optional<Decoded> Saved(const AppState& state, const std::string& name) {
  const std::string bytes = ReadFileBytes(state.SaveFolder() + "\\" + name);
  return Decode(ImageBytes(bytes.begin(), bytes.end()));
}

void ExpectShown(MainWindow& main, const char* l, const char* t, const char* r, const char* b) {
  EXPECT_EQ(main.ControlText(Ctl::Label2), l);
  EXPECT_EQ(main.ControlText(Ctl::Label3), t);
  EXPECT_EQ(main.ControlText(Ctl::Label4), r);
  EXPECT_EQ(main.ControlText(Ctl::Label5), b);
}

TEST_F(RegionSelection, DragEitherWaySavesTheFrozenPixelsAndKeepsTheInsetRectangle) {
  MainWindow& main = Start(kFullImages);
  // Its white 4 x 4 corner at (100, 100) shows whether the copy starts there.
  ColourWindow blue(100, 100, 40, 40, kBlue);
  RegionDriver driver({Drag(100, 100, 110, 110), Drag(110, 110, 100, 100)});
  for (const char* file : {"1.bmp", "2.bmp"}) {
    SCOPED_TRACE(file);
    Raise(blue.hwnd());
    Command(main, kRegionMenu);
    ExpectRect(state_.keptRegion, {102, 105, 108, 108});
    ExpectShown(main, "102", "105", "108", "108");
    const auto image = Saved(state_, file);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 9u);
    EXPECT_EQ(image->height, 9u);
    const struct {
      unsigned x, y;
      uint32_t colour;
    } probes[] = {{0, 0, kWhitePixel}, {3, 3, kWhitePixel}, {4, 4, kBluePixel},
                  {8, 0, kBluePixel},  {0, 8, kBluePixel},  {8, 8, kBluePixel}};
    for (const auto& p : probes) {
      EXPECT_EQ(image->At(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
  }
  EXPECT_EQ(driver.opened().size(), 2u);
  EXPECT_EQ(FolderFiles(state_.SaveFolder()), (std::vector<std::string>{"1.bmp", "2.bmp"}));
  EXPECT_EQ(main.StatusText(4), "已截图次数:2/2");
}

TEST_F(RegionSelection, ContentChangedWhileOpenStaysOutOfTheImage) {
  MainWindow& main = Start(kFullImages);
  ColourWindow blue(300, 300, 60, 60, kBlue);
  Raise(blue.hwnd());
  // Lives until the window has closed, so a copy of the live screen would show it.
  std::optional<ColourWindow> cover;
  RegionDriver driver({[&](HWND region) {
    cover.emplace(315, 315, 20, 20, kYellow);  // above the region window, off the drag's ends
    Recolour(blue.hwnd(), kYellow);
    Drag(300, 300, 350, 350)(region);
  }});
  Command(main, kRegionMenu);
  ASSERT_TRUE(cover);
  const auto image = Saved(state_, "1.bmp");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 49u);
  for (const unsigned at : {8u, 25u, 45u}) EXPECT_EQ(image->At(at, at), kBluePixel) << at;
}

TEST_F(RegionSelection, RightClickCancelsAndKeepsTheEarlierRegion) {
  MainWindow& main = Start(kFullImages);
  RegionDriver driver({Drag(100, 100, 110, 110), RightClick()});
  Command(main, kRegionMenu);
  ASSERT_EQ(FolderFiles(state_.SaveFolder()), std::vector<std::string>{"1.bmp"});
  Command(main, kRegionMenu);
  EXPECT_EQ(driver.opened().size(), 2u);
  EXPECT_TRUE(state_.regionImage.empty());
  ExpectRect(state_.keptRegion, {102, 105, 108, 108});
  ExpectShown(main, "102", "105", "108", "108");
  EXPECT_EQ(FolderFiles(state_.SaveFolder()), std::vector<std::string>{"1.bmp"});
  EXPECT_EQ(state_.count, 1);
}

TEST_F(RegionSelection, HintShowsOverTheFirstOpeningOnlyAndClosesItself) {
  DWORD openedAt = 0, usableAt = 0;
  RegionDriver driver({[&](HWND region) {
                         usableAt = ::GetTickCount();
                         RightClick()(region);
                       },
                       RightClick()});
  MessageWatch watch;
  openedAt = ::GetTickCount();
  SelectRegion(state_, nullptr);
  ASSERT_EQ(watch.seen().size(), 1u);
  EXPECT_EQ(watch.seen()[0].title, "Tips");
  EXPECT_EQ(watch.seen()[0].text, "\r\n 1：按住鼠标左键拖取截屏范围。\r\n\r\n 2：按鼠标右键取消。");
  ASSERT_EQ(driver.opened().size(), 1u);
  EXPECT_EQ(watch.seen()[0].owner, driver.opened()[0]);
  // The box holds the window disabled until it closes itself after a second.
  EXPECT_GE(usableAt - openedAt, 900u);
  EXPECT_LT(usableAt - openedAt, 5000u);

  SelectRegion(state_, nullptr);
  EXPECT_EQ(driver.opened().size(), 2u);
  EXPECT_EQ(watch.seen().size(), 1u);
}

TEST_F(RegionSelection, DragsTooSmallForAPictureSaveNothing) {
  MainWindow& main = Start(kFullImages);
  const struct {
    const char* what;
    int x0, y0, x1, y1;
    RegionRect kept;
  } cases[] = {
      {"press and release at one point", 200, 200, 200, 200, {202, 205, 198, 198}},
      {"one pixel", 300, 300, 301, 301, {302, 305, 299, 299}},
      {"flat", 400, 400, 450, 400, {402, 405, 448, 398}},
      {"one pixel wide", 500, 400, 501, 450, {502, 405, 499, 448}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RegionDriver driver({Drag(c.x0, c.y0, c.x1, c.y1)});
    Command(main, kRegionMenu);
    EXPECT_EQ(driver.opened().size(), 1u);
    EXPECT_TRUE(state_.regionImage.empty());
    ExpectRect(state_.keptRegion, c.kept);  // still a completed drag
  }
  EXPECT_TRUE(FolderFiles(state_.SaveFolder()).empty());
  EXPECT_EQ(state_.count, 0);
  EXPECT_EQ(main.ControlText(Ctl::Label2), "");
}

TEST_F(RegionCommand, FixedRegionAsksOnceThenCapturesTheLiveScreen) {
  MainWindow& main = Start(kFullImages);
  ColourWindow blue(200, 200, 100, 100, kBlue);
  Raise(blue.hwnd());
  RegionDriver driver({Drag(200, 200, 260, 240)});  // kept (202, 205, 258, 238)
  const struct {
    bool fromMenu;  // else 按钮6
    COLORREF colour;
    uint32_t pixel;
  } presses[] = {{false, kBlue, kBluePixel},
                 {false, kYellow, kYellowPixel},
                 {false, kBlue, kBluePixel},
                 {true, kYellow, kYellowPixel}};
  int saved = 0;
  for (const auto& p : presses) {
    const std::string number = std::to_string(++saved);
    SCOPED_TRACE(number);
    Recolour(blue.hwnd(), p.colour);
    Raise(blue.hwnd());
    if (p.fromMenu) {
      Command(main, kFixedRegionMenu);
    } else {
      Click(Ctl::Button6);
    }
    const auto image = Saved(state_, number + ".bmp");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 56u);
    EXPECT_EQ(image->height, 33u);
    EXPECT_EQ(image->At(0, 0), p.pixel);  // (202, 205): past the white corner
    EXPECT_EQ(image->At(55, 32), p.pixel);
    ExpectShown(main, "202", "205", "258", "238");
    EXPECT_EQ(main.StatusText(4), "已截图次数:" + number + "/" + number);
  }
  EXPECT_EQ(driver.opened().size(), 1u);
  EXPECT_EQ(state_.fixedRegionUses, 4);
  EXPECT_EQ(FolderFiles(state_.SaveFolder()),
            (std::vector<std::string>{"1.bmp", "2.bmp", "3.bmp", "4.bmp"}));
}

TEST_F(RegionCommand, FixedRegionCancelledOnFirstUseDoesNotAskAgain) {
  MainWindow& main = Start(kFullImages);
  RegionDriver driver({RightClick()});
  Click(Ctl::Button6);
  Click(Ctl::Button6);
  EXPECT_EQ(driver.opened().size(), 1u);
  EXPECT_EQ(state_.fixedRegionUses, 2);
  EXPECT_TRUE(FolderFiles(state_.SaveFolder()).empty());
  EXPECT_EQ(main.StatusText(4), "已截图次数:0/0");
}

}  // namespace
}  // namespace grabwell::testing
