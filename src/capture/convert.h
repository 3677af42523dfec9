// Re-encoding of capture images in memory with GDI+.
#pragma once

#include "capture/bmp.h"

namespace grabwell {

// Encoder class id text for a format code: 1 BMP, 2 JPEG, 3 GIF, 4 TIFF,
// anything else PNG.
const char* EncoderClassId(int formatCode);

// `input` (any image file GDI+ reads) re-encoded for `formatCode`; empty on
// any failure. GDI+ runs only for the length of the call.
ImageBytes ConvertImage(const ImageBytes& input, int formatCode);

}  // namespace grabwell
