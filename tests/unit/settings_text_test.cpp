#include "app/settings_text.h"

#include <gtest/gtest.h>

namespace grabwell {
namespace {

TEST(SettingsText, TextBecomesIntegerAsTheSettingsFileReadsIt) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"", 0},
      {"abc", 0},
      {"12abc", 12},
      {" -5", -5},
      {"\t+7", 7},
      {"1.9", 1},
      {"-", 0},
      {"- 5", 0},
      {"117", 117},
      {"\xA3\xB1\xA3\xB2", 12},  // full-width 1 2
      {"\xA3\xAD\xA3\xB3", -3},  // full-width minus 3
      {"\xA1\xA1\xA3\xB4", 4},   // full-width space before 4
      {"\xA3\xAB"
       "8",
       8},  // full-width plus
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},  // beyond the range: saturates
      {"-2147483649", -2147483647 - 1},
      {"99999999999999999999999", 2147483647},
      {"\xB9\xA6"
       "5",
       0},                  // a CJK character is not a blank
      {"\xB0\xA3\xB1", 0},  // trail byte A3 must not start a full-width pair
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << "text: " << c.text;
}

TEST(SettingsText, TextBecomesDecimalNumberForHandles) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},          {"123", 123},
      {" -4.5x", -4.5}, {"1e3", 1000},
      {"0x10", 0},      {"inf", 0},
      {"nan", 0},       {".5", 0.5},
      {"1e", 1},        {"\xA3\xB9\xA3\xAE\xA3\xB5", 9.5},
      {"1e999", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.value) << "text: " << c.text;
}

TEST(SettingsText, FormatCodeComparesWholeTextCaseSensitively) {
  const struct {
    const char* text;
    int code;
  } cases[] = {{"bmp", 1},  {"jpg", 2}, {"gif", 3},  {"tiff", 4}, {"png", 5}, {"BMP", 5},
               {"jpeg", 5}, {"tif", 5}, {"TIFF", 5}, {"", 5},     {"bmp ", 5}};
  for (const auto& c : cases) EXPECT_EQ(FormatCodeOf(c.text), c.code) << "text: " << c.text;
}

TEST(SettingsText, DefaultFileIsTheFixed271ByteText) {
  const std::string text = DefaultSettingsText();
  EXPECT_EQ(text.size(), 271u);
  EXPECT_EQ(text.substr(0, 9), "[热键1]\r\n");
  EXPECT_EQ(text.substr(text.size() - 11), "\r\n周期=2000");
  size_t lines = 1;
  for (size_t i = 0; i + 1 < text.size(); ++i) lines += text[i] == '\r' && text[i + 1] == '\n';
  EXPECT_EQ(lines, 27u);
}

TEST(SettingsText, NumberBoxNormalisesOnLeaving) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"123", "123"},
      {"-", ""},
      {"0", ""},
      {"", ""},
      {"abc", ""},
      {"40000", "32767"},
      {"-40000", "-32768"},
      {"12-3", "12"},
      {"007", "7"},
      {"-0", ""},
      {"\xA3\xB1", ""},  // no full-width folding here
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseNumberBox(c.text), c.shown) << "text: " << c.text;
}

TEST(SettingsText, NumberBoxTakesDigitsMinusAndControlKeys) {
  std::string typed;
  for (unsigned char c : std::string("12a3-x\b. ")) {
    if (NumberBoxAccepts(c)) typed += static_cast<char>(c);
  }
  EXPECT_EQ(typed, "123-\b");
  EXPECT_FALSE(NumberBoxAccepts(0xA3));
}

}  // namespace
}  // namespace grabwell
