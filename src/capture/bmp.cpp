#include "capture/bmp.h"

#include <cstring>

namespace grabwell {

namespace {

// Leaves room for headers and a full colour table inside a signed 32-bit size.
constexpr uint64_t kLargestImage = 0x7FFFFFFFull - kFileHeaderSize - kInfoHeaderSize - 256 * 4;

void Put32(uint8_t* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t Get16(const uint8_t* at) { return at[0] | (at[1] << 8); }
uint32_t Get32(const uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

}  // namespace

std::optional<uint32_t> DibRowStride(int64_t width, uint32_t bitsPerPixel) {
  if (width < 0 || bitsPerPixel == 0 || bitsPerPixel > 32) return std::nullopt;
  const uint64_t bits = static_cast<uint64_t>(width) * bitsPerPixel;
  const uint64_t stride = ((bits + 31) / 32) * 4;
  if (stride > kLargestImage) return std::nullopt;
  return static_cast<uint32_t>(stride);
}

std::optional<uint32_t> DibImageSize(int64_t width, int64_t height, uint32_t bitsPerPixel) {
  const auto stride = DibRowStride(width, bitsPerPixel);
  if (!stride || height < 0 || height > static_cast<int64_t>(kLargestImage)) return std::nullopt;
  const uint64_t size = uint64_t{*stride} * static_cast<uint64_t>(height);
  if (size > kLargestImage) return std::nullopt;
  return static_cast<uint32_t>(size);
}

uint32_t PaletteEntries(uint32_t bitsPerPixel, uint32_t colorsUsed) {
  if (bitsPerPixel > 8) return 0;
  const uint32_t full = 1u << bitsPerPixel;
  return colorsUsed != 0 && colorsUsed < full ? colorsUsed : full;
}

ImageBytes BuildBmpFile(const uint8_t (&infoHeader)[kInfoHeaderSize], const uint8_t* palette,
                        size_t paletteBytes, const uint8_t* pixels, size_t pixelBytes) {
  const size_t offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
  ImageBytes file(offset + pixelBytes);
  file[0] = 'B';
  file[1] = 'M';
  // The file size field follows the header's own image size, as readers expect.
  Put32(&file[2], static_cast<uint32_t>(offset + Get32(infoHeader + 20)));
  Put32(&file[10], static_cast<uint32_t>(offset));
  std::memcpy(&file[kFileHeaderSize], infoHeader, kInfoHeaderSize);
  if (paletteBytes) std::memcpy(&file[kFileHeaderSize + kInfoHeaderSize], palette, paletteBytes);
  if (pixelBytes) std::memcpy(&file[offset], pixels, pixelBytes);
  return file;
}

std::optional<BmpView> ReadBmp(const ImageBytes& image) {
  if (image.size() < kFileHeaderSize + kInfoHeaderSize || image[0] != 'B' || image[1] != 'M') {
    return std::nullopt;
  }
  const uint8_t* info = image.data() + kFileHeaderSize;
  if (Get32(info) < kInfoHeaderSize) return std::nullopt;
  BmpView view;
  view.file = image.data();
  view.fileSize = Get32(image.data() + 2);
  view.pixelOffset = Get32(image.data() + 10);
  view.width = static_cast<int32_t>(Get32(info + 4));
  view.height = static_cast<int32_t>(Get32(info + 8));
  view.bitsPerPixel = static_cast<uint16_t>(Get16(info + 14));
  view.compression = Get32(info + 16);
  view.imageSize = Get32(info + 20);
  const int64_t rows = view.height < 0 ? -int64_t{view.height} : view.height;
  const auto stride = DibRowStride(view.width, view.bitsPerPixel);
  const auto size = DibImageSize(view.width, rows, view.bitsPerPixel);
  if (!stride || !size || view.compression != 0) return std::nullopt;
  if (view.pixelOffset > image.size() || image.size() - view.pixelOffset < *size) {
    return std::nullopt;
  }
  view.stride = *stride;
  return view;
}

std::optional<uint32_t> BmpPixel(const BmpView& bmp, int32_t x, int32_t y) {
  const int32_t rows = bmp.height < 0 ? -bmp.height : bmp.height;
  if (x < 0 || y < 0 || x >= bmp.width || y >= rows) return std::nullopt;
  if (bmp.bitsPerPixel != 24 && bmp.bitsPerPixel != 32) return std::nullopt;
  const int32_t row = bmp.height < 0 ? y : rows - 1 - y;
  const uint8_t* p = bmp.file + bmp.pixelOffset + static_cast<size_t>(row) * bmp.stride +
                     static_cast<size_t>(x) * (bmp.bitsPerPixel / 8);
  return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

}  // namespace grabwell
