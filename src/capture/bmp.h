// The BMP file layout of captures, as plain bytes; no window system here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace grabwell {

using ImageBytes = std::vector<uint8_t>;

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

// Bytes of one pixel row padded to 4, or nothing when it cannot be stored.
std::optional<uint32_t> DibRowStride(int64_t width, uint32_t bitsPerPixel);

// Bytes of all pixel rows; nothing when the image, with its headers and a
// colour table, would not fit a file we can hold in memory. This is what keeps
// huge rectangles from wrapping into short buffers.
std::optional<uint32_t> DibImageSize(int64_t width, int64_t height, uint32_t bitsPerPixel);

// Entries of the colour table a bitmap of this depth needs (0 above 8 bits).
uint32_t PaletteEntries(uint32_t bitsPerPixel, uint32_t colorsUsed);

// File header + info header + colour table + pixel rows.
ImageBytes BuildBmpFile(const uint8_t (&infoHeader)[kInfoHeaderSize], const uint8_t* palette,
                        size_t paletteBytes, const uint8_t* pixels, size_t pixelBytes);

// A checked reading of a BMP file image (uncompressed rows).
struct BmpView {
  int32_t width = 0;
  int32_t height = 0;  // as stored: positive means bottom-up
  uint16_t bitsPerPixel = 0;
  uint32_t compression = 0;
  uint32_t fileSize = 0;
  uint32_t pixelOffset = 0;
  uint32_t imageSize = 0;
  uint32_t stride = 0;
  const uint8_t* file = nullptr;
};
std::optional<BmpView> ReadBmp(const ImageBytes& image);

// Pixel (x, y) from the top-left as 0xRRGGBB, for 24- and 32-bit images;
// nothing outside the image or for other depths.
std::optional<uint32_t> BmpPixel(const BmpView& bmp, int32_t x, int32_t y);

}  // namespace grabwell
