#include "capture/bmp.h"

#include <gtest/gtest.h>

#include <cstring>

namespace grabwell {
namespace {

uint32_t Le32(const ImageBytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

TEST(BmpLayout, RowsArePaddedAndHugeImagesRefused) {
  const struct {
    int64_t width, height;
    uint32_t bits;
    bool fits;
    uint32_t size;
  } cases[] = {
      {3, 2, 32, true, 24},         {3, 2, 24, true, 24},  // 9 bytes a row stored as 12
      {1, 1, 1, true, 4},           {9, 1, 8, true, 12},          {0, 5, 32, true, 0},
      {70000, 70000, 32, false, 0},                                // 19.6 GB: would wrap 32 bits
      {70000, 70000, 24, false, 0}, {30000, 20000, 32, false, 0},  // 2.4 GB: above the signed limit
      {-1, 5, 32, false, 0},        {5, -1, 32, false, 0},        {5, 5, 0, false, 0},
  };
  for (const auto& c : cases) {
    const auto size = DibImageSize(c.width, c.height, c.bits);
    EXPECT_EQ(size.has_value(), c.fits) << c.width << "x" << c.height << "@" << c.bits;
    if (size && c.fits) {
      EXPECT_EQ(*size, c.size) << c.width << "x" << c.height << "@" << c.bits;
    }
  }
}

TEST(BmpLayout, FileHeaderPointsPastHeadersAndColourTable) {
  uint8_t info[kInfoHeaderSize] = {};
  info[0] = 40;
  info[4] = 3;    // width
  info[8] = 2;    // height
  info[12] = 1;   // planes
  info[14] = 32;  // bits
  info[20] = 24;  // image size
  const uint8_t pixels[24] = {1, 2, 3, 0};
  const ImageBytes file = BuildBmpFile(info, nullptr, 0, pixels, sizeof pixels);
  ASSERT_EQ(file.size(), 78u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(Le32(file, 2), 78u);
  EXPECT_EQ(Le32(file, 6), 0u);
  EXPECT_EQ(Le32(file, 10), 54u);
  auto view = ReadBmp(file);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->width, 3);
  EXPECT_EQ(BmpPixel(*view, 0, 1), 0x030201u);  // bottom-up: first stored row is y = 1
  EXPECT_FALSE(BmpPixel(*view, 3, 0));

  uint8_t palette[8] = {0, 0, 0, 0, 255, 255, 255, 0};
  info[14] = 1;
  info[20] = 8;
  const ImageBytes mono = BuildBmpFile(info, palette, sizeof palette, pixels, 8);
  EXPECT_EQ(Le32(mono, 10), 62u);
  EXPECT_EQ(Le32(mono, 2), 70u);
  EXPECT_EQ(mono.size(), 70u);
  EXPECT_EQ(PaletteEntries(1, 0), 2u);
  EXPECT_EQ(PaletteEntries(8, 16), 16u);
  EXPECT_EQ(PaletteEntries(32, 0), 0u);
}

TEST(BmpLayout, TruncatedOrForeignFilesAreNotRead) {
  uint8_t info[kInfoHeaderSize] = {40, 0, 0, 0, 4, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32};
  ImageBytes file = BuildBmpFile(info, nullptr, 0, nullptr, 0);
  EXPECT_FALSE(ReadBmp(file));  // 4 x 4 promised, no pixels
  EXPECT_FALSE(ReadBmp(ImageBytes(100, 0)));
  EXPECT_FALSE(ReadBmp(ImageBytes{'B', 'M'}));
}

}  // namespace
}  // namespace grabwell
