#include "capture/screen.h"

#include <cstring>
#include <vector>

#include "platform/handles.h"

namespace grabwell {

namespace {

struct DibHeader {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

}  // namespace

ImageBytes CopyFromDc(HDC source, int x, int y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return {};
  MemoryDc memory(::CreateCompatibleDC(source));
  Bitmap bitmap(CreateScreenBitmap(source, width, height));
  if (!memory || !bitmap) return {};
  {
    Selection selected(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, source, x, y, SRCCOPY);
  }
  return BitmapToBmp(memory.get(), bitmap.get());
}

HBITMAP CreateScreenBitmap(HDC screen, int32_t width, int32_t height) {
  const int bits = ::GetDeviceCaps(screen, BITSPIXEL) * ::GetDeviceCaps(screen, PLANES);
  if (width <= 0 || height <= 0 || !DibImageSize(width, height, static_cast<uint32_t>(bits))) {
    return nullptr;
  }
  return ::CreateCompatibleBitmap(screen, width, height);
}

ImageBytes BitmapToBmp(HDC dc, HBITMAP bitmap) {
  DibHeader info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  auto* bi = reinterpret_cast<BITMAPINFO*>(&info);
  // GetDIBits wants the bitmap selected into no DC; `dc` only supplies the format.
  ::GetDIBits(dc, bitmap, 0, 0, nullptr, bi, DIB_RGB_COLORS);
  BITMAPINFOHEADER& h = info.header;
  h.biCompression = BI_RGB;
  const auto rows = h.biHeight < 0 ? -int64_t{h.biHeight} : int64_t{h.biHeight};
  const auto size = DibImageSize(h.biWidth, rows, h.biBitCount);
  if (!size) return {};
  h.biSizeImage = *size;
  h.biXPelsPerMeter = h.biYPelsPerMeter = 0;
  const uint32_t entries = PaletteEntries(h.biBitCount, h.biClrUsed);
  if (entries == 0) h.biClrUsed = 0;
  h.biClrImportant = 0;

  std::vector<uint8_t> pixels(*size);
  ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(rows), pixels.data(), bi, DIB_RGB_COLORS);
  // GetDIBits may rewrite the header; keep the layout we promised.
  h.biCompression = BI_RGB;
  h.biSizeImage = *size;

  uint8_t header[kInfoHeaderSize];
  std::memcpy(header, &h, kInfoHeaderSize);
  return BuildBmpFile(header, reinterpret_cast<const uint8_t*>(info.colors), entries * 4u,
                      pixels.data(), pixels.size());
}

ImageBytes CaptureScreenRect(const RegionRect& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return {};
  WindowDc screen = WindowDc::Client(nullptr);
  if (!screen) return {};
  const int32_t left = rect.left < 0 ? 0 : rect.left;
  const int32_t top = rect.top < 0 ? 0 : rect.top;
  const int32_t right = rect.right > ::GetDeviceCaps(screen.get(), HORZRES)
                            ? ::GetDeviceCaps(screen.get(), HORZRES)
                            : rect.right;
  const int32_t bottom = rect.bottom > ::GetDeviceCaps(screen.get(), VERTRES)
                             ? ::GetDeviceCaps(screen.get(), VERTRES)
                             : rect.bottom;
  return CopyFromDc(screen.get(), left, top, right - left, bottom - top);
}

ImageBytes SnapshotWindow(HWND window) {
  if (!window) {
    WindowDc screen = WindowDc::Client(nullptr);
    if (!screen) return {};
    return CopyFromDc(screen.get(), 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                      ::GetSystemMetrics(SM_CYSCREEN));
  }
  RECT r;
  if (!::IsWindow(window) || !::GetWindowRect(window, &r)) return {};
  WindowDc whole = WindowDc::Whole(window);
  if (!whole) return {};
  return CopyFromDc(whole.get(), 0, 0, r.right - r.left, r.bottom - r.top);
}

}  // namespace grabwell
