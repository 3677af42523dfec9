#include "app/settings_text.h"
#include "capture/convert.h"
#include "capture/save_capture.h"
#include "capture/screen.h"
#include "fixture.h"
#include "image_check.h"
#include "message_watch.h"
#include "platform/handles.h"

namespace grabwell::testing {
namespace {

// Colours every encoder's palette holds exactly, so GIF keeps them too.
constexpr COLORREF kQuarters[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 0, 0)};
constexpr int kWidth = 7, kHeight = 5;

// A screen-deep capture-like BMP: four coloured quarters of 7 x 5 pixels.
ImageBytes QuartersBmp() {
  WindowDc screen = WindowDc::Client(nullptr);
  MemoryDc memory(::CreateCompatibleDC(screen.get()));
  Bitmap bitmap(CreateScreenBitmap(screen.get(), kWidth, kHeight));
  {
    Selection selected(memory.get(), bitmap.get());
    for (int i = 0; i < 4; ++i) {
      const RECT r{i % 2 ? 3 : 0, i / 2 ? 2 : 0, i % 2 ? kWidth : 3, i / 2 ? kHeight : 2};
      Owned<HBRUSH, &DeleteGdiObject> brush(::CreateSolidBrush(kQuarters[i]));
      ::FillRect(memory.get(), &r, brush.get());
    }
  }
  return BitmapToBmp(memory.get(), bitmap.get());
}

TEST(Conversion, EachCodeGivesItsFormatAndTheSamePicture) {
  const ImageBytes bmp = QuartersBmp();
  const auto original = Decode(bmp);
  ASSERT_TRUE(original);
  ASSERT_EQ(original->width, UINT{kWidth});
  ASSERT_EQ(original->pixels[0], 0xFF0000u);  // the test picture itself is right
  const struct {
    int code;
    const char* format;
    bool lossless;
  } cases[] = {{1, "bmp", true}, {2, "jpg", false}, {3, "gif", true}, {4, "tiff", true},
               {5, "png", true}, {0, "png", true},  {6, "png", true}, {-1, "png", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const ImageBytes out = ConvertImage(bmp, c.code);
    EXPECT_EQ(Signature(out), c.format);
    const auto back = Decode(out);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, original->width);
    EXPECT_EQ(back->height, original->height);
    if (c.lossless) {
      EXPECT_EQ(back->pixels, original->pixels);
    }
    if (c.code == 1) {
      EXPECT_NE(out, bmp);  // re-encoded, not handed back
    }
  }
}

TEST(Conversion, WhatIsNoImageGivesNothing) {
  const ImageBytes inputs[] = {{}, {'B'}, {'B', 'M'}, ImageBytes(100, 0)};
  for (const ImageBytes& input : inputs) {
    EXPECT_TRUE(ConvertImage(input, 5).empty()) << input.size() << " bytes";
  }
  // A failed call leaves nothing behind that spoils the next one.
  EXPECT_EQ(Signature(ConvertImage(QuartersBmp(), 5)), "png");
}

using ConversionSave = MainWindowTest;

TEST_F(ConversionSave, CapturesAreSavedConvertedAndPreviewed) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n开启转换=1\r\n图片格式=jpg\r\n");
  ColourWindow red(1300, 100, 200, 200, RGB(255, 0, 0));
  main.SetControlText(Ctl::Edit1, "1320");
  main.SetControlText(Ctl::Edit2, "120");
  main.SetControlText(Ctl::Edit3, "1360");
  main.SetControlText(Ctl::Edit4, "150");
  int number = 0;
  for (const char* format : {"jpg", "gif", "tiff", "png", "bmp"}) {
    SCOPED_TRACE(format);
    state_.formatText = format;
    state_.formatCode = FormatCodeOf(format);
    main.ShowPreview({});
    Click(Ctl::Button5);
    const std::string name = std::to_string(++number) + "." + format;
    const std::string bytes = ReadFileBytes(state_.SaveFolder() + "\\" + name);
    const ImageBytes file(bytes.begin(), bytes.end());
    EXPECT_EQ(Signature(file), format);
    const auto decoded = Decode(file);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 40u);
    EXPECT_EQ(decoded->height, 30u);
    // The preview shows the capture whatever its format.
    const auto preview = SnapshotWindow(main.Control(Ctl::Picture1));
    const auto shown = ReadBmp(preview);
    ASSERT_TRUE(shown);
    const uint32_t middle = BmpPixel(*shown, shown->width / 2, shown->height / 2).value_or(0);
    EXPECT_GE(middle >> 16, 0xF0u);
    EXPECT_LE(middle & 0xFFFF, 0x1010u);
  }
}

TEST_F(ConversionSave, FailedConversionSavesTheCaptureAsTakenAndSaysSo) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n开启转换=1\r\n图片格式=png\r\n");
  // Bytes GDI+ cannot read stand for a capture whose conversion fails.
  const ImageBytes undecodable(100, 0x5A);
  MessageWatch watch;
  SaveCapture(main, undecodable, nullptr, false);
  const std::string path = state_.SaveFolder() + "\\1.png";
  EXPECT_EQ(ReadFileBytes(path), std::string(100, 0x5A));
  EXPECT_EQ(main.StatusText(4), "已截图次数:1/1");
  ASSERT_EQ(watch.seen().size(), 1u);
  EXPECT_NE(watch.seen()[0].text.find(path), std::string::npos) << watch.seen()[0].text;
  EXPECT_EQ(watch.seen()[0].owner, main.hwnd());
}

}  // namespace
}  // namespace grabwell::testing
