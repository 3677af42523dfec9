#include "capture/region_window.h"

#include <algorithm>

#include "capture/region_drag.h"
#include "capture/screen.h"

namespace grabwell {

const char kRegionWindowClass[] = "GrabwellRegion";
const char kRegionHint[] = "\r\n 1：按住鼠标左键拖取截屏范围。\r\n\r\n 2：按鼠标右键取消。";

namespace {

// Posted at creation so the hint comes up over the window, once it shows.
constexpr UINT kShowHint = WM_APP + 1;
// Half the pen's width and a pixel more: what an outline covers beyond its path.
constexpr int kPenReach = 2;

int16_t XOf(LPARAM lp) { return static_cast<int16_t>(LOWORD(lp)); }
int16_t YOf(LPARAM lp) { return static_cast<int16_t>(HIWORD(lp)); }

}  // namespace

bool RegionWindow::Create(HWND owner) {
  return CreateFor(kRegionWindowClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "", WS_POPUP, 0, 0,
                   ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), owner,
                   nullptr) != nullptr;
}

LRESULT RegionWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreated();
      return 0;
    case kShowHint:
      OnShown();
      return 0;
    case WM_LBUTTONDOWN:
      OnLeftDown(XOf(lp), YOf(lp));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(XOf(lp), YOf(lp));
      return 0;
    case WM_LBUTTONUP:
      OnLeftUp(XOf(lp), YOf(lp));
      return 0;
    case WM_RBUTTONDOWN:
      ::DestroyWindow(hwnd());
      return 0;
    case WM_PAINT:
      OnPaint(nullptr);
      return 0;
    case WM_PRINTCLIENT:
      OnPaint(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the frozen picture covers every pixel
    case WM_SETCURSOR:
      ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS)));
      return TRUE;
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

void RegionWindow::OnCreated() {
  // The window is not shown yet, so the picture is of the screen without it.
  const ImageBytes picture = SnapshotWindow(nullptr);
  WindowDc screen = WindowDc::Client(nullptr);
  frozen_.reset(::CreateCompatibleDC(screen.get()));
  frozenBitmap_.reset(CreateScreenBitmap(screen.get(), ::GetSystemMetrics(SM_CXSCREEN),
                                         ::GetSystemMetrics(SM_CYSCREEN)));
  if (frozen_ && frozenBitmap_) {
    frozenSelected_.emplace(frozen_.get(), frozenBitmap_.get());
    if (const auto bmp = ReadBmp(picture)) {
      const auto* info = reinterpret_cast<const BITMAPINFO*>(bmp->file + kFileHeaderSize);
      const auto rows = static_cast<DWORD>(bmp->height < 0 ? -bmp->height : bmp->height);
      ::SetDIBitsToDevice(frozen_.get(), 0, 0, static_cast<DWORD>(bmp->width), rows, 0, 0, 0, rows,
                          bmp->file + bmp->pixelOffset, info, DIB_RGB_COLORS);
    }
  }
  const LOGBRUSH red{BS_SOLID, RGB(255, 0, 0), 0};
  pen_.reset(::ExtCreatePen(PS_GEOMETRIC | PS_DOT | PS_ENDCAP_FLAT, 2, &red, 0, nullptr));
  if (++state_.regionWindowOpenings == 1) ::PostMessageA(hwnd(), kShowHint, 0, 0);
}

void RegionWindow::OnShown() { TimedMessage(hwnd(), kRegionHint, "Tips", 1000); }

void RegionWindow::OnLeftDown(int16_t x, int16_t y) {
  dragging_ = true;
  startX_ = endX_ = x;
  startY_ = endY_ = y;
}

void RegionWindow::OnMouseMove(int16_t x, int16_t y) {
  if (!dragging_) return;
  // Only the old and the new outline need painting: the rest is unchanged.
  RECT old = OutlineBounds();
  if (outlined_) ::InvalidateRect(hwnd(), &old, FALSE);
  endX_ = x;
  endY_ = y;
  outlined_ = true;
  RECT now = OutlineBounds();
  ::InvalidateRect(hwnd(), &now, FALSE);
  ::UpdateWindow(hwnd());
}

void RegionWindow::OnLeftUp(int16_t x, int16_t y) {
  // A release without a press here (the press went to another window) is no drag.
  if (!dragging_) return;
  dragging_ = false;
  const DragOutcome drag = CompleteDrag(startX_, startY_, x, y);
  state_.regionImage = CopyFromDc(frozen_.get(), drag.picture.left, drag.picture.top,
                                  drag.picture.Width(), drag.picture.Height());
  state_.keptRegion = drag.kept;
  ::DestroyWindow(hwnd());
}

RECT RegionWindow::OutlineBounds() const {
  // The outline runs one pixel beyond the press and one beyond the pointer.
  RECT r{std::min(startX_ - 1, endX_ + 1), std::min(startY_ - 1, endY_ + 1),
         std::max(startX_ - 1, endX_ + 1), std::max(startY_ - 1, endY_ + 1)};
  ::InflateRect(&r, kPenReach, kPenReach);
  return r;
}

void RegionWindow::OnPaint(HDC printDc) {
  PaintDc dc(hwnd(), printDc);
  RECT r;
  if (printDc) {
    ::GetClientRect(hwnd(), &r);
  } else {
    ::GetClipBox(dc.get(), &r);
  }
  ::BitBlt(dc.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, frozen_.get(), r.left,
           r.top, SRCCOPY);
  if (!outlined_ || !pen_) return;
  Selection pen(dc.get(), pen_.get());
  Selection brush(dc.get(), ::GetStockObject(HOLLOW_BRUSH));
  ::SetROP2(dc.get(), R2_COPYPEN);
  ::SetBkMode(dc.get(), TRANSPARENT);  // the gaps of the dots show the picture
  ::Rectangle(dc.get(), startX_ - 1, startY_ - 1, endX_ + 1, endY_ + 1);
}

void SelectRegion(AppState& state, HWND owner) {
  state.regionImage.clear();
  RegionWindow window(state);
  if (!window.Create(owner)) return;
  RunModal(window.hwnd(), owner);
}

}  // namespace grabwell
