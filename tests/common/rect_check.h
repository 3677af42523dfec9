// One check for the four edges, so a failure names the edge that is wrong.
#pragma once

#include <gtest/gtest.h>

#include "app/app_state.h"

namespace grabwell {

inline void ExpectRect(const RegionRect& got, const RegionRect& want) {
  EXPECT_EQ(got.left, want.left);
  EXPECT_EQ(got.top, want.top);
  EXPECT_EQ(got.right, want.right);
  EXPECT_EQ(got.bottom, want.bottom);
}

}  // namespace grabwell
