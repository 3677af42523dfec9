#include "app/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace grabwell {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (;;) {
    const size_t end = text.find("\r\n", from);
    lines.push_back(text.substr(from, end - from));
    if (end == std::string::npos) return lines;
    from = end + 2;
  }
}

// Blank lines right before the line `text`.
int BlanksBefore(const std::vector<std::string>& lines, const std::string& text) {
  int blanks = 0;
  for (const std::string& line : lines) {
    if (line == text) return blanks;
    blanks = line.empty() ? blanks + 1 : 0;
  }
  return -1;
}

int BlanksAfter(const std::vector<std::string>& lines, const std::string& text) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != text) continue;
    int blanks = 0;
    while (i + 1 + blanks < lines.size() && lines[i + 1 + blanks].empty()) ++blanks;
    return blanks;
  }
  return -1;
}

std::vector<std::string> Words(const std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    if (!line.empty()) words.push_back(line);
  }
  return words;
}

TEST(HelpText, HasItsThreeChaptersAndSixProceduresInOrder) {
  for (bool compact : {false, true}) {
    SCOPED_TRACE(compact ? "compact" : "full-size");
    const std::string text = HelpText(compact);
    EXPECT_EQ(text.rfind("Grabwell", 0), 0u);  // the first line names the product
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    size_t at = 0;
    for (const char* step :
         {"一、功能简介", "伪后台", "二、使用说明", "1.功能菜单", "自定义设置", "保存热键",
          "2.帮助菜单", "三、截图使用方法", "1.前台截图", "2.前台固定区域截图", "3.后台截图",
          "4.连续截图", "5.定时截图", "6.脚本后台截图", "鼠标截图"}) {
      const size_t found = text.find(step, at);
      ASSERT_NE(found, std::string::npos) << "after " << at << ": " << step;
      at = found;
    }
  }
}

TEST(HelpText, CompactVariantDiffersOnlyInBlankLinesAndOneLine) {
  const std::vector<std::string> full = Lines(HelpText(false));
  const std::vector<std::string> compact = Lines(HelpText(true));
  EXPECT_EQ(BlanksBefore(compact, "二、使用说明"), BlanksBefore(full, "二、使用说明") + 2);
  const std::string menuLine = full[static_cast<size_t>(
      std::find(full.begin(), full.end(), "1.功能菜单") - full.begin() + 1)];
  EXPECT_NE(menuLine.find("前三项"), std::string::npos);
  EXPECT_EQ(BlanksAfter(compact, menuLine), BlanksAfter(full, menuLine) + 1);
  EXPECT_EQ(BlanksAfter(full, "使用说明"), 1);
  EXPECT_EQ(BlanksAfter(compact, "使用说明"), 0);

  std::vector<std::string> expected = Words(full);
  expected.insert(std::find(expected.begin(), expected.end(), "使用说明") + 1, "使用方法详解");
  EXPECT_EQ(Words(compact), expected);
  EXPECT_EQ(compact.size(), full.size() + 3);
}

}  // namespace
}  // namespace grabwell
