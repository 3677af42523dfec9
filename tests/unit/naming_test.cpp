#include "capture/naming.h"

#include <gtest/gtest.h>

#include <set>

namespace grabwell {
namespace {

TEST(CaptureNames, ByNumberAndByTime) {
  const struct {
    NamingMode mode;
    int32_t count, total;
    int h, m, s;
    const char* name;
  } cases[] = {
      {NamingMode::ByNumber, 1, 0, 9, 5, 7, "1"},
      {NamingMode::ByNumber, 1, 12, 9, 5, 7, "13"},
      {NamingMode::ByNumber, 1, 2147483647, 0, 0, 0, "2147483648"},  // no wrap to negative
      {NamingMode::ByTime, 1, 12, 9, 5, 7, "9时5分7秒"},
      {NamingMode::ByTime, 3, 0, 0, 0, 5, "0时0分5秒"},
      {NamingMode::ByTime, 3, 0, 23, 59, 59, "23时59分59秒"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CaptureName(c.mode, c.count, c.total, c.h, c.m, c.s), c.name) << c.name;
  }
}

TEST(CaptureNames, TakenNamesGetExplorerStyleCopies) {
  std::set<std::string> taken;
  auto isTaken = [&](const std::string& f) { return taken.count(f) > 0; };
  EXPECT_EQ(FreeFileName("13", "bmp", isTaken), "13.bmp");
  taken = {"13.bmp"};
  EXPECT_EQ(FreeFileName("13", "bmp", isTaken), "13 (2).bmp");
  taken = {"13.bmp", "13 (2).bmp"};
  EXPECT_EQ(FreeFileName("13", "bmp", isTaken), "13 (3).bmp");
  taken = {"9时5分7秒.jpg"};
  EXPECT_EQ(FreeFileName("9时5分7秒", "jpg", isTaken), "9时5分7秒 (2).jpg");
  EXPECT_EQ(FreeFileName("1", "", isTaken), "1.");  // extension is the format text as stored
  EXPECT_EQ(FreeFileName("1", "bmp", [](const std::string&) { return true; }), "");
}

TEST(CaptureNames, CountTextShowsCountAndRunningTotal) {
  EXPECT_EQ(CaptureCountText(0, 0), "已截图次数:0/0");
  EXPECT_EQ(CaptureCountText(3, 12), "已截图次数:3/15");
  EXPECT_EQ(CaptureCountText(1, 2147483647), "已截图次数:1/2147483648");
}

}  // namespace
}  // namespace grabwell
