// A child window that shows one image stretched over its whole client area.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/window.h"

namespace grabwell {

class PictureBox : public Window {
 public:
  HWND Create(HWND parent, int id, int x, int y, int width, int height, DWORD extraStyle = 0);
  // Shows a BMP file image (anything else clears the box) and paints at once.
  void Show(const std::vector<uint8_t>& bmpFile);
  bool Empty() const { return image_.empty(); }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnPaint(HDC printDc);
  std::vector<uint8_t> image_;
};

}  // namespace grabwell
