// Settings text rules that need no window system: the default file, text to
// number, the format code and the number-box rule.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace grabwell {

// The whole content of a fresh settings file, GBK, CR LF between lines and
// none after the last.
std::string DefaultSettingsText();

// Full-width GBK forms (row A3 and the full-width space) become ASCII, so
// that "１２" reads like "12". Other double-byte characters pass unchanged.
std::string FoldFullWidth(std::string_view text);

// Leading decimal integer after folding and blanks; 0 when there is none.
// Values beyond the 32-bit range saturate at its ends.
int32_t TextToInt(std::string_view text);

// Folding, then a decimal floating-point reading ("1.5e3"); 0 when there is
// no number. Hexadecimal and "inf"/"nan" are not numbers here.
double TextToNumber(std::string_view text);

// "bmp" 1, "jpg" 2, "gif" 3, "tiff" 4, anything else 5; case-sensitive.
int FormatCodeOf(std::string_view formatText);

// What a number box shows after it loses the focus: the leading integer
// (no full-width folding) clamped to 16 bits, empty for 0.
std::string NormaliseNumberBox(std::string_view text);

// Whether a typed character reaches a number box.
bool NumberBoxAccepts(unsigned char c);

}  // namespace grabwell
