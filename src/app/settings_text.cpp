#include "app/settings_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace grabwell {

namespace {

const char* const kDefaultLines[] = {
    "[热键1]",         "功能键1=0", "键代码1=117", "[热键2]", "功能键2=0",  "键代码2=121",
    "[热键3]",         "功能键3=0", "键代码3=122", "[格式4]", "开启转换=0", "图片格式=bmp",
    "名称格式=按数字", "[次数5]",   "总次数=0",    "[原图6]", "原图=0",     "[区域7]",
    "左边=",           "顶边=",     "右边=",       "底边=",   "[定次8]",    "前后台=0",
    "次数=0",          "延时=1000", "周期=2000",
};

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Leading signed integer as a wide value, saturated far beyond any range we clamp to.
int64_t LeadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kCap = int64_t{1} << 40;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (value < kCap) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

}  // namespace

std::string DefaultSettingsText() {
  std::string text;
  for (const char* line : kDefaultLines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

std::string FoldFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x81 || lead == 0xFF || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    // A GBK pair: look at it whole so a trail byte is never taken for a lead.
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else {
      out += text[i];
      out += text[i + 1];
    }
    ++i;
  }
  return out;
}

int32_t TextToInt(std::string_view text) {
  const int64_t value = LeadingInteger(FoldFullWidth(text));
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

double TextToNumber(std::string_view text) {
  const std::string folded = FoldFullWidth(text);
  size_t i = 0;
  while (i < folded.size() && IsBlank(folded[i])) ++i;
  const size_t start = i;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) ++i;
  size_t digits = 0;
  while (i < folded.size() && IsDigit(folded[i])) ++i, ++digits;
  if (i < folded.size() && folded[i] == '.') {
    ++i;
    while (i < folded.size() && IsDigit(folded[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < folded.size() && (folded[i] == 'e' || folded[i] == 'E')) {
    size_t j = i + 1;
    if (j < folded.size() && (folded[j] == '+' || folded[j] == '-')) ++j;
    if (j < folded.size() && IsDigit(folded[j])) {
      while (j < folded.size() && IsDigit(folded[j])) ++j;
      i = j;
    }
  }
  const std::string number = folded.substr(start, i - start);
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0;
}

int FormatCodeOf(std::string_view formatText) {
  if (formatText == "bmp") return 1;
  if (formatText == "jpg") return 2;
  if (formatText == "gif") return 3;
  if (formatText == "tiff") return 4;
  return 5;
}

std::string NormaliseNumberBox(std::string_view text) {
  int64_t value = LeadingInteger(text);
  if (value > 32767) value = 32767;
  if (value < -32768) value = -32768;
  return value == 0 ? std::string() : std::to_string(value);
}

bool NumberBoxAccepts(unsigned char c) {
  return c < 32 || IsDigit(static_cast<char>(c)) || c == '-';
}

}  // namespace grabwell
