// Reading image files back in tests, by a decoder other than the code under test.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "capture/bmp.h"

namespace grabwell::testing {

struct Decoded {
  unsigned width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB, rows from the top
  uint32_t At(unsigned x, unsigned y) const { return pixels[y * width + x]; }
};

// Any image file through GDI+; nothing when it cannot be read.
std::optional<Decoded> Decode(const ImageBytes& file);

// "bmp", "jpg", "gif", "tiff" or "png" from the file's first bytes, else "?".
std::string Signature(const ImageBytes& file);

}  // namespace grabwell::testing
