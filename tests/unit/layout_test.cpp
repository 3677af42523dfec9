#include "app/layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace grabwell {
namespace {

TEST(Layouts, BothTablesNameEveryControlOnceInTheSameOrder) {
  ASSERT_EQ(kFullLayout.rowCount, kCompactLayout.rowCount);
  std::set<int> seen;
  for (size_t i = 0; i < kFullLayout.rowCount; ++i) {
    const ControlRow& full = kFullLayout.rows[i];
    const ControlRow& compact = kCompactLayout.rows[i];
    EXPECT_EQ(full.id, compact.id) << full.name;
    EXPECT_STREQ(full.name, compact.name);
    EXPECT_EQ(full.kind, compact.kind) << full.name;
    EXPECT_TRUE(seen.insert(static_cast<int>(full.id)).second) << full.name;
    EXPECT_EQ(&kFullLayout.Row(full.id), &full);
    // The layouts differ in captions only for 标签10.
    if (full.id == Ctl::Label10) {
      EXPECT_STREQ(full.caption, "次数");
      EXPECT_STREQ(compact.caption, "次数:");
    } else {
      EXPECT_STREQ(full.caption, compact.caption) << full.name;
    }
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(Ctl::Timer2) - static_cast<size_t>(Ctl::Combo1) + 1);
}

}  // namespace
}  // namespace grabwell
