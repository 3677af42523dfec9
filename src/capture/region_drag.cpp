#include "capture/region_drag.h"

#include <algorithm>

namespace grabwell {

DragOutcome CompleteDrag(int16_t startX, int16_t startY, int16_t endX, int16_t endY) {
  const int32_t x0 = std::min(startX, endX), x1 = std::max(startX, endX);
  const int32_t y0 = std::min(startY, endY), y1 = std::max(startY, endY);
  return {{x0, y0, x1 - 1, y1 - 1}, {x0 + 2, y0 + 5, x1 - 2, y1 - 2}};
}

}  // namespace grabwell
