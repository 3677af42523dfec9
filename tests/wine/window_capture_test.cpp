#include <cstring>

#include "capture/screen.h"
#include "capture/window_capture.h"
#include "fixture.h"
#include "rect_check.h"
#include "image_check.h"
#include "message_watch.h"
#include "platform/handles.h"
#include "region_driver.h"

namespace grabwell::testing {
namespace {

constexpr COLORREF kGreen = RGB(20, 160, 60);
constexpr uint32_t kGreenPixel = 0x14A03C;
constexpr COLORREF kCover = RGB(200, 30, 40);

// A target of 300 x 200 at (1200, 300), covered completely by a topmost window.
struct CoveredTarget {
  ColourWindow target{1200, 300, 300, 200, kGreen, false};
  ColourWindow cover{1150, 250, 400, 300, kCover};
};

uint32_t Field(const ImageBytes& file, size_t offset, size_t size) {
  uint32_t value = 0;
  std::memcpy(&value, file.data() + offset, size);
  return value;
}

TEST(WindowPicture, CoveredWindowPaintsItsOwnPixelsAtTheChosenSize) {
  CoveredTarget windows;
  AppState state;
  state.keptRegion = {10, 20, 60, 45};
  const struct {
    const char* what;
    RectSource source;
    RegionRect given;
    int32_t width, height;
    bool beyondWindow;  // part of the picture lies outside the window
  } cases[] = {
      {"window rect", RectSource::WindowRect, {}, 300, 200, false},
      {"given rect", RectSource::GivenRect, {100, 100, 300, 250}, 200, 150, false},
      {"given larger than window", RectSource::GivenRect, {0, 0, 400, 300}, 400, 300, true},
      {"kept region", RectSource::KeptRegion, {}, 50, 25, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RegionRect rect = c.given;
    const ImageBytes image =
        CaptureWindowImage(state, nullptr, windows.target.hwnd(), rect, c.source, false);
    const auto bmp = ReadBmp(image);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, c.width);
    EXPECT_EQ(bmp->height, c.height);
    EXPECT_EQ(BmpPixel(*bmp, 0, 0), 0xFFFFFFu);  // the target's corner, not the cover
    EXPECT_EQ(BmpPixel(*bmp, std::min(c.width, 300) - 1, std::min(c.height, 200) - 1), kGreenPixel);
    if (c.beyondWindow) {
      EXPECT_NE(BmpPixel(*bmp, 350, 250), kGreenPixel);
    }
  }
  EXPECT_EQ(state.regionWindowOpenings, 0);  // a kept region is reused without asking

  RegionRect window;
  CaptureWindowImage(state, nullptr, windows.target.hwnd(), window, RectSource::WindowRect, false);
  ExpectRect(window, {1200, 300, 1500, 500});
  RegionRect shifted{100, 100, 300, 250}, origin{0, 0, 200, 150};
  EXPECT_EQ(CaptureWindowImage(state, nullptr, windows.target.hwnd(), shifted,
                               RectSource::GivenRect, false),
            CaptureWindowImage(state, nullptr, windows.target.hwnd(), origin, RectSource::GivenRect,
                               false));
}

TEST(WindowPicture, SmallCaptureHasTheBmpLayoutOfTheScreensDepth) {
  {
    WindowDc screen = WindowDc::Client(nullptr);
    ASSERT_EQ(::GetDeviceCaps(screen.get(), BITSPIXEL), 32) << "the layout below is for 32 bits";
  }
  ColourWindow target(1200, 300, 50, 50, kGreen);
  AppState state;
  RegionRect rect{0, 0, 3, 2};
  const ImageBytes image =
      CaptureWindowImage(state, nullptr, target.hwnd(), rect, RectSource::GivenRect, false);
  ASSERT_EQ(image.size(), 78u);
  const struct {
    size_t offset, size;
    uint32_t value;
  } fields[] = {{0, 2, 0x4D42}, {2, 4, 78}, {6, 2, 0},  {8, 2, 0},   {10, 4, 54}, {14, 4, 40},
                {18, 4, 3},     {22, 4, 2}, {26, 2, 1}, {28, 2, 32}, {30, 4, 0},  {34, 4, 24},
                {38, 4, 0},     {42, 4, 0}, {46, 4, 0}, {50, 4, 0}};
  for (const auto& f : fields) EXPECT_EQ(Field(image, f.offset, f.size), f.value) << f.offset;
}

TEST(WindowPicture, NoWindowOrNoRectangleGivesNothing) {
  HWND closed = nullptr;
  {
    ColourWindow gone(1200, 300, 50, 50, kGreen);
    closed = gone.hwnd();
  }
  ColourWindow target(1200, 300, 50, 50, kGreen);
  const struct {
    const char* what;
    HWND window;
    RectSource source;
    RegionRect rect;
    bool firstUse;
  } cases[] = {
      {"null handle", nullptr, RectSource::KeptRegion, {}, true},
      {"closed window", closed, RectSource::KeptRegion, {}, true},
      {"closed window, window rect", closed, RectSource::WindowRect, {}, false},
      {"zero width", target.hwnd(), RectSource::GivenRect, {10, 10, 10, 50}, false},
      {"reversed", target.hwnd(), RectSource::GivenRect, {50, 10, 10, 50}, false},
      {"edges 32 bits apart",
       target.hwnd(),
       RectSource::GivenRect,
       {INT32_MIN, 0, INT32_MAX, 5},
       false},
  };
  RegionDriver cancelAny;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AppState state;  // no kept region: asking for one would open the window
    RegionRect rect = c.rect;
    EXPECT_TRUE(CaptureWindowImage(state, nullptr, c.window, rect, c.source, c.firstUse).empty());
    EXPECT_EQ(state.regionWindowOpenings, 0);
  }
}

TEST(WindowPicture, ShallowBitmapsCarryTheirColourTable) {
  // An 8-bit screen cannot be had here, so bitmaps of that depth stand in for one.
  WindowDc screen = WindowDc::Client(nullptr);
  const uint16_t monoBits[2] = {0x00A0, 0x0000};  // row 0: pixels 0 and 2 set
  Bitmap mono(::CreateBitmap(5, 2, 1, 1, monoBits));

  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header = {sizeof(BITMAPINFOHEADER), 5, 2, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
  info.colours[1] = {30, 200, 10, 0};  // blue, green, red: 0x0AC81E
  void* bits = nullptr;
  Bitmap indexed(::CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&info),
                                    DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(indexed);
  static_cast<uint8_t*>(bits)[8 + 3] = 1;  // top row (stored second), pixel 3

  const struct {
    const char* what;
    HBITMAP bitmap;
    uint32_t entries, stride;
    unsigned x, y;
    uint32_t colour;
  } cases[] = {
      {"1 bit", mono.get(), 2, 4, 2, 0, 0xFFFFFF},
      {"8 bits", indexed.get(), 256, 8, 3, 0, 0x0AC81E},
  };
  MemoryDc memory(::CreateCompatibleDC(screen.get()));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ImageBytes file = BitmapToBmp(memory.get(), c.bitmap);
    ASSERT_GE(file.size(), 54u);
    const uint32_t offset = 54 + 4 * c.entries;
    EXPECT_EQ(Field(file, 10, 4), offset);
    EXPECT_EQ(Field(file, 2, 4), offset + 2 * c.stride);
    EXPECT_EQ(file.size(), offset + 2 * c.stride);
    const auto decoded = Decode(file);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->At(c.x, c.y), c.colour);
    EXPECT_EQ(decoded->At(1, 1), 0u);
  }
}

using BackgroundCommand = MainWindowTest;

void Command(MainWindow& main, int id) {
  ::SendMessageA(main.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}
constexpr int kWindowCapture = static_cast<int>(MenuId::BackgroundCapture);
constexpr int kTypedCapture = static_cast<int>(Ctl::Button1);
constexpr int kRegionCapture = static_cast<int>(Ctl::Button4);

TEST_F(BackgroundCommand, WithoutATargetTheGuardsSpeakOrStaySilent) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n");
  const struct {
    int command;
    const char* target;
    const char* text;  // null: no message
    const char* title;
    int32_t regionUses;
  } cases[] = {
      {kWindowCapture, "0", "请先枚举窗口选择要绑定的窗口句柄！", "Tips", 0},
      {kWindowCapture, "", "请先枚举窗口选择要绑定的窗口句柄！", "Tips", 0},
      {kRegionCapture, "0", "请枚举窗口取句柄才能后台截图！", "提示信息：", 0},
      {kRegionCapture, "", nullptr, nullptr, 1},  // passes the guard, finds no window
      {kTypedCapture, "0", nullptr, nullptr, 1},
  };
  RegionDriver cancelAny;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.command << " '" << c.target << "'");
    main.SetControlText(Ctl::Label1, c.target);
    MessageWatch watch;
    Command(main, c.command);
    if (c.text) {
      ASSERT_EQ(watch.seen().size(), 1u);
      EXPECT_EQ(watch.seen()[0].text, c.text);
      EXPECT_EQ(watch.seen()[0].title, c.title);
      EXPECT_EQ(watch.seen()[0].owner, main.hwnd());
    } else {
      EXPECT_TRUE(watch.seen().empty());
    }
    EXPECT_EQ(state_.backgroundRegionUses, c.regionUses);
  }
  EXPECT_TRUE(cancelAny.opened().empty());
  EXPECT_TRUE(FolderFiles(state_.SaveFolder()).empty());
  EXPECT_EQ(state_.count, 0);

  // The silent use above was the first: with a kept region no window opens now.
  ColourWindow target(1200, 300, 300, 200, kGreen, false);
  main.SetControlText(Ctl::Label1, std::to_string(reinterpret_cast<intptr_t>(target.hwnd())));
  state_.keptRegion = {40, 50, 100, 90};
  Command(main, kRegionCapture);
  EXPECT_TRUE(cancelAny.opened().empty());
  EXPECT_EQ(FolderFiles(state_.SaveFolder()), std::vector<std::string>{"1.bmp"});
}

TEST_F(BackgroundCommand, EachTakesTheTargetsOwnPictureAtItsSize) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n");
  CoveredTarget windows;
  main.SetControlText(Ctl::Label1,
                      std::to_string(reinterpret_cast<intptr_t>(windows.target.hwnd())));
  main.SetControlText(Ctl::Edit1, "5");
  main.SetControlText(Ctl::Edit2, "5");
  main.SetControlText(Ctl::Edit3, "125");
  main.SetControlText(Ctl::Edit4, "85");
  state_.keptRegion = {100, 100, 150, 140};
  const struct {
    int command;
    int32_t width, height;
    const char* shownLeft;  // 标签2 afterwards; "-" when the command shows nothing
    size_t regionWindows;   // opened so far
  } cases[] = {
      {kWindowCapture, 300, 200, "-", 0},
      {kTypedCapture, 120, 80, "-", 0},
      // The first use asks for a region; cancelled, the kept one is used.
      {kRegionCapture, 50, 40, "100", 1},
      {kRegionCapture, 50, 40, "100", 1},
  };
  RegionDriver cancelAny;
  int number = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    main.SetControlText(Ctl::Label2, "-");
    Command(main, c.command);
    ImageBytes file;
    const std::string bytes =
        ReadFileBytes(state_.SaveFolder() + "\\" + std::to_string(++number) + ".bmp");
    file.assign(bytes.begin(), bytes.end());
    const auto bmp = ReadBmp(file);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, c.width);
    EXPECT_EQ(bmp->height, c.height);
    EXPECT_EQ(BmpPixel(*bmp, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(BmpPixel(*bmp, c.width - 1, c.height - 1), kGreenPixel);
    EXPECT_EQ(main.ControlText(Ctl::Label2), c.shownLeft);
    EXPECT_EQ(cancelAny.opened().size(), c.regionWindows);
  }
  EXPECT_EQ(main.ControlText(Ctl::Label5), "140");
  EXPECT_EQ(main.StatusText(4), "已截图次数:4/4");
}

}  // namespace
}  // namespace grabwell::testing
