// What a completed drag in the region window yields; no window system here.
#pragma once

#include <cstdint>

#include "app/app_state.h"

namespace grabwell {

struct DragOutcome {
  // The part of the frozen picture kept as the region image: one pixel short
  // of the far corner on each axis, so a drag of one pixel keeps nothing.
  RegionRect picture;
  // The rectangle later captures reuse: inset from the drawn corners.
  RegionRect kept;
};

// The drag from press to release, in either direction, in window pixels.
DragOutcome CompleteDrag(int16_t startX, int16_t startY, int16_t endX, int16_t endY);

}  // namespace grabwell
