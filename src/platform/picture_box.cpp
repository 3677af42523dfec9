#include "platform/picture_box.h"

#include "capture/bmp.h"
#include "platform/handles.h"

namespace grabwell {

HWND PictureBox::Create(HWND parent, int id, int x, int y, int width, int height,
                        DWORD extraStyle) {
  return CreateFor("GrabwellPicture", 0, "", WS_CHILD | WS_VISIBLE | extraStyle, x, y, width,
                   height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void PictureBox::Show(const std::vector<uint8_t>& bmpFile) {
  image_ = ReadBmp(bmpFile) ? bmpFile : std::vector<uint8_t>();
  ::InvalidateRect(hwnd(), nullptr, TRUE);
  ::UpdateWindow(hwnd());
}

LRESULT PictureBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint(nullptr);
      return 0;
    case WM_PRINTCLIENT:
      OnPaint(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // OnPaint covers every pixel
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

void PictureBox::OnPaint(HDC printDc) {
  PaintDc dc(hwnd(), printDc);
  RECT r;
  ::GetClientRect(hwnd(), &r);
  const auto bmp = ReadBmp(image_);
  if (!bmp) {
    ::FillRect(dc.get(), &r, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return;
  }
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bmp->file + kFileHeaderSize);
  const int rows = bmp->height < 0 ? -bmp->height : bmp->height;
  ::SetStretchBltMode(dc.get(), COLORONCOLOR);
  ::StretchDIBits(dc.get(), 0, 0, r.right, r.bottom, 0, 0, bmp->width, rows,
                  bmp->file + bmp->pixelOffset, info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace grabwell
