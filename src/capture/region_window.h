// The borderless full-screen window in which the user drags a rectangle over
// a frozen picture of the screen.
#pragma once

#include <optional>

#include "app/app_state.h"
#include "platform/handles.h"
#include "platform/window.h"

namespace grabwell {

extern const char kRegionWindowClass[];
extern const char kRegionHint[];

class RegionWindow : public Window {
 public:
  explicit RegionWindow(AppState& state) : state_(state) {}
  bool Create(HWND owner);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnCreated();
  void OnShown();
  void OnLeftDown(int16_t x, int16_t y);
  void OnMouseMove(int16_t x, int16_t y);
  void OnLeftUp(int16_t x, int16_t y);
  void OnPaint(HDC printDc);
  RECT OutlineBounds() const;

  AppState& state_;
  MemoryDc frozen_;
  Bitmap frozenBitmap_;
  std::optional<Selection> frozenSelected_;  // declared after both: deselects first
  Pen pen_;
  bool dragging_ = false;
  bool outlined_ = false;
  int16_t startX_ = 0, startY_ = 0, endX_ = 0, endY_ = 0;
};

// Opens the window modally over `owner` and returns once it has closed. A
// completed drag replaces state.keptRegion and fills state.regionImage; a
// cancelled one leaves the image empty and the kept rectangle as it was.
void SelectRegion(AppState& state, HWND owner);

}  // namespace grabwell
