#include "app/settings_text.h"
#include "capture/save_capture.h"
#include "capture/screen.h"
#include "fixture.h"
#include "platform/handles.h"

namespace grabwell::testing {
namespace {

using Capture = MainWindowTest;

constexpr COLORREF kRed = RGB(200, 30, 40);
constexpr uint32_t kRedPixel = 0xC81E28;

std::optional<BmpView> ReadSaved(const std::string& path, ImageBytes& keep) {
  const std::string bytes = ReadFileBytes(path);
  keep.assign(bytes.begin(), bytes.end());
  return ReadBmp(keep);
}

void TypeRectangle(MainWindow& main, const char* l, const char* t, const char* r, const char* b) {
  main.SetControlText(Ctl::Edit1, l);
  main.SetControlText(Ctl::Edit2, t);
  main.SetControlText(Ctl::Edit3, r);
  main.SetControlText(Ctl::Edit4, b);
}

TEST_F(Capture, ScreenRectangleHoldsTheScreensPixelsClippedToTheScreen) {
  ColourWindow red(1400, 200, 300, 200, kRed);
  const struct {
    RegionRect rect;
    int32_t width, height;
    int32_t probeX, probeY;  // a pixel of the copy
    uint32_t expected;
  } cases[] = {
      {{1400, 200, 1500, 260}, 100, 60, 0, 0, 0xFFFFFF},  // the white corner
      {{1400, 200, 1500, 260}, 100, 60, 10, 10, kRedPixel},
      {{1450, 250, 1460, 255}, 10, 5, 9, 4, kRedPixel},
      {{1900, 1000, 2100, 1200}, 20, 80, -1, -1, 0},  // beyond right and bottom
      {{-50, -20, 30, 10}, 30, 10, -1, -1, 0},        // negative left and top
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.rect.left << "," << c.rect.top);
    const ImageBytes image = CaptureScreenRect(c.rect);
    const auto bmp = ReadBmp(image);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, c.width);
    EXPECT_EQ(bmp->height, c.height);
    if (c.probeX >= 0) {
      EXPECT_EQ(BmpPixel(*bmp, c.probeX, c.probeY), c.expected);
    }
  }
}

TEST_F(Capture, EmptyOrOffscreenRectanglesGiveNoImage) {
  const RegionRect cases[] = {{0, 0, 0, 0},         {10, 10, 10, 50},
                              {50, 10, 10, 50},     {10, 50, 50, 50},
                              {5000, 10, 5100, 50}, {0, 0, 70000, 70000} /* clipped, fine */};
  for (size_t i = 0; i + 1 < std::size(cases); ++i) {
    EXPECT_TRUE(CaptureScreenRect(cases[i]).empty()) << i;
  }
  EXPECT_FALSE(CaptureScreenRect(cases[std::size(cases) - 1]).empty());
}

TEST_F(Capture, TooLargeBitmapsAreRefusedBeforeAllocation) {
  WindowDc screen = WindowDc::Client(nullptr);
  EXPECT_EQ(CreateScreenBitmap(screen.get(), 70000, 70000), nullptr);
  EXPECT_EQ(CreateScreenBitmap(screen.get(), 0, 10), nullptr);
}

TEST_F(Capture, TypedRectangleSavesNumberedFullImages) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n");
  ColourWindow red(1300, 100, 400, 300, kRed);
  TypeRectangle(main, "1310", "110", "1510", "210");
  for (int i = 0; i < 3; ++i) Click(Ctl::Button5);
  EXPECT_EQ(FolderFiles(state_.SaveFolder()),
            (std::vector<std::string>{"1.bmp", "2.bmp", "3.bmp"}));
  for (const char* name : {"1.bmp", "2.bmp", "3.bmp"}) {
    ImageBytes keep;
    const auto bmp = ReadSaved(state_.SaveFolder() + "\\" + name, keep);
    ASSERT_TRUE(bmp) << name;
    EXPECT_EQ(bmp->width, 200);
    EXPECT_EQ(bmp->height, 100);
    EXPECT_EQ(BmpPixel(*bmp, 100, 50), kRedPixel);
  }
  EXPECT_EQ(main.StatusText(4), "已截图次数:3/3");
  EXPECT_EQ(main.ControlText(Ctl::Label2), "");  // a typed capture shows no rectangle
  Close();
  EXPECT_EQ(Setting("次数5", "总次数"), "3");
}

TEST_F(Capture, NumbersContinueFromStoredTotal) {
  MainWindow& main =
      Start("[次数5]\r\n总次数=12\r\n[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n");
  TypeRectangle(main, "0", "0", "10", "10");
  Click(Ctl::Button5);
  EXPECT_EQ(FolderFiles(state_.SaveFolder()), std::vector<std::string>{"13.bmp"});
  EXPECT_EQ(main.StatusText(4), "已截图次数:1/13");
}

TEST_F(Capture, EmptyRectangleSavesAndCountsNothing) {
  MainWindow& main = Start();
  const char* rects[][4] = {{"", "", "", ""}, {"50", "0", "10", "10"}, {"0", "10", "10", "10"}};
  for (const auto& r : rects) {
    TypeRectangle(main, r[0], r[1], r[2], r[3]);
    Click(Ctl::Button5);
  }
  EXPECT_TRUE(FolderFiles(state_.SaveFolder()).empty());
  EXPECT_EQ(state_.count, 0);
  EXPECT_EQ(main.StatusText(4), "已截图次数:0/0");
}

TEST_F(Capture, ThumbnailModeSavesThePreviewAtItsSize) {
  const struct {
    const Layout* layout;
    const char* right;
    const char* bottom;
    int32_t width, height;
  } cases[] = {
      {&kFullLayout, "100", "50", 840, 584},
      {&kFullLayout, "1920", "1080", 840, 584},
      {&kCompactLayout, "100", "50", 496, 344},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout->name);
    state_ = AppState{};
    state_.runDirectory = dir_;
    MainWindow& main =
        Start("[原图6]\r\n原图=0\r\n[格式4]\r\n图片格式=bmp\r\n[次数5]\r\n总次数=0\r\n", *c.layout);
    ::DeleteFileA((state_.SaveFolder() + "\\1.bmp").c_str());
    TypeRectangle(main, "0", "0", c.right, c.bottom);
    Click(Ctl::Button5);
    ImageBytes keep;
    const auto bmp = ReadSaved(state_.SaveFolder() + "\\1.bmp", keep);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, c.width);
    EXPECT_EQ(bmp->height, c.height);
    Close();
  }
}

TEST_F(Capture, ThumbnailIsTheStretchedPreview) {
  MainWindow& main = Start("[原图6]\r\n原图=0\r\n[格式4]\r\n图片格式=bmp\r\n");
  ColourWindow red(1300, 100, 100, 100, kRed);
  TypeRectangle(main, "1320", "120", "1340", "140");
  Click(Ctl::Button5);
  ImageBytes keep;
  const auto bmp = ReadSaved(state_.SaveFolder() + "\\1.bmp", keep);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(BmpPixel(*bmp, 420, 292), kRedPixel);
  EXPECT_EQ(BmpPixel(*bmp, 5, 5), kRedPixel);
}

TEST_F(Capture, ExistingFilesAreNotReplaced) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n");
  WriteFileBytes(state_.SaveFolder() + "\\1.bmp", "keep me");
  WriteFileBytes(state_.SaveFolder() + "\\1 (2).bmp", "and me");
  TypeRectangle(main, "0", "0", "8", "8");
  Click(Ctl::Button5);
  EXPECT_EQ(ReadFileBytes(state_.SaveFolder() + "\\1.bmp"), "keep me");
  EXPECT_EQ(ReadFileBytes(state_.SaveFolder() + "\\1 (2).bmp"), "and me");
  ImageBytes keep;
  EXPECT_TRUE(ReadSaved(state_.SaveFolder() + "\\1 (3).bmp", keep));
}

TEST_F(Capture, MissingSaveFolderIsMadeAgain) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n");
  ASSERT_TRUE(::RemoveDirectoryA(state_.SaveFolder().c_str()));
  TypeRectangle(main, "0", "0", "8", "8");
  Click(Ctl::Button5);
  ImageBytes keep;
  EXPECT_TRUE(ReadSaved(state_.SaveFolder() + "\\1.bmp", keep));
}

}  // namespace
}  // namespace grabwell::testing
