// Move-only owners for every handle we take, each with its own release rule.
#pragma once

#include <utility>

#include "platform/win.h"

namespace grabwell {

template <class H, auto Close, H Null = H{}>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Null)) {}
  Owned& operator=(Owned&& o) noexcept {
    reset(std::exchange(o.h_, Null));
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != Null; }
  void reset(H h = Null) {
    if (h_ != Null) Close(h_);
    h_ = h;
  }
  H release() { return std::exchange(h_, Null); }

 private:
  H h_ = Null;
};

inline void DeleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void FreeGlobal(HGLOBAL h) { ::GlobalFree(h); }
inline void ReleaseUnknown(IUnknown* p) { p->Release(); }

using MemoryDc = Owned<HDC, &::DeleteDC>;
using Bitmap = Owned<HBITMAP, &DeleteGdiObject>;
using Font = Owned<HFONT, &DeleteGdiObject>;
using Pen = Owned<HPEN, &DeleteGdiObject>;
using GlobalBlock = Owned<HGLOBAL, &FreeGlobal>;

// A COM pointer: Release once, on every path.
template <class T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(ComRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p_) p_->Release();
  }
  T* get() const { return p_; }
  T** put() { return &p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// A DC from GetDC/GetWindowDC: released with the window it came from.
class WindowDc {
 public:
  static WindowDc Client(HWND hwnd) { return WindowDc(hwnd, ::GetDC(hwnd)); }
  static WindowDc Whole(HWND hwnd) { return WindowDc(hwnd, ::GetWindowDC(hwnd)); }
  WindowDc(WindowDc&& o) noexcept
      : hwnd_(std::exchange(o.hwnd_, nullptr)), dc_(std::exchange(o.dc_, nullptr)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  WindowDc(HWND hwnd, HDC dc) : hwnd_(hwnd), dc_(dc) {}
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a DC and puts the old one back when it goes.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() {
    if (old_) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint/EndPaint, or the DC handed in by WM_PRINTCLIENT.
class PaintDc {
 public:
  PaintDc(HWND hwnd, HDC printDc) : hwnd_(hwnd), dc_(printDc) {
    if (!dc_) dc_ = ::BeginPaint(hwnd_, &ps_);
    painting_ = !printDc;
  }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() {
    if (painting_) ::EndPaint(hwnd_, &ps_);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
  PAINTSTRUCT ps_{};
  bool painting_ = false;
};

}  // namespace grabwell
