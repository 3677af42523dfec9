#include "capture/region_drag.h"

#include <gtest/gtest.h>

#include "rect_check.h"

namespace grabwell {
namespace {

TEST(RegionDrag, KeepsInsetRectangleAndPictureShortOfTheFarCorner) {
  const struct {
    int16_t sx, sy, ex, ey;
    RegionRect picture, kept;
  } cases[] = {
      {100, 100, 110, 110, {100, 100, 109, 109}, {102, 105, 108, 108}},
      {110, 110, 100, 100, {100, 100, 109, 109}, {102, 105, 108, 108}},  // dragged back up
      {110, 100, 100, 110, {100, 100, 109, 109}, {102, 105, 108, 108}},  // across the diagonal
      {300, 300, 340, 330, {300, 300, 339, 329}, {302, 305, 338, 328}},
      {50, 60, 50, 60, {50, 60, 49, 59}, {52, 65, 48, 58}},  // press and release
      {50, 60, 51, 61, {50, 60, 50, 60}, {52, 65, 49, 59}},  // one pixel
      {0, 0, 4, 7, {0, 0, 3, 6}, {2, 5, 2, 5}},              // too small to keep
      {-8, -3, 1919, 1079, {-8, -3, 1918, 1078}, {-6, 2, 1917, 1077}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.sx << "," << c.sy << " -> " << c.ex << "," << c.ey);
    const DragOutcome got = CompleteDrag(c.sx, c.sy, c.ex, c.ey);
    ExpectRect(got.picture, c.picture);
    ExpectRect(got.kept, c.kept);
  }
}

}  // namespace
}  // namespace grabwell
