#include "image_check.h"

#include <algorithm>
#include <cstring>

#include "platform/handles.h"
// GDI+'s headers need these names from <windows.h> before them.
#include <objidl.h>
#include <gdiplus.h>

namespace grabwell::testing {

namespace gp = Gdiplus;

std::optional<Decoded> Decode(const ImageBytes& file) {
  ULONG_PTR token = 0;
  gp::GdiplusStartupInput input;
  if (file.empty() || gp::GdiplusStartup(&token, &input, nullptr) != gp::Ok) return std::nullopt;
  std::optional<Decoded> result;
  {
    GlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE, file.size()));
    std::memcpy(::GlobalLock(block.get()), file.data(), file.size());
    ::GlobalUnlock(block.get());
    ComRef<IStream> stream;
    gp::GpBitmap* image = nullptr;
    if (SUCCEEDED(::CreateStreamOnHGlobal(block.get(), FALSE, stream.put())) &&
        gp::DllExports::GdipCreateBitmapFromStream(stream.get(), &image) == gp::Ok) {
      Decoded d;
      gp::DllExports::GdipGetImageWidth(image, &d.width);
      gp::DllExports::GdipGetImageHeight(image, &d.height);
      for (UINT y = 0; y < d.height; ++y) {
        for (UINT x = 0; x < d.width; ++x) {
          gp::ARGB argb = 0;
          gp::DllExports::GdipBitmapGetPixel(image, static_cast<INT>(x), static_cast<INT>(y),
                                             &argb);
          d.pixels.push_back(argb & 0xFFFFFF);
        }
      }
      gp::DllExports::GdipDisposeImage(image);
      result = std::move(d);
    }
  }
  gp::GdiplusShutdown(token);
  return result;
}

std::string Signature(const ImageBytes& file) {
  const std::string head(file.begin(), file.begin() + std::min<size_t>(file.size(), 4));
  if (head.rfind("BM", 0) == 0) return "bmp";
  if (head.rfind("\xFF\xD8\xFF", 0) == 0) return "jpg";
  if (head.rfind("GIF8", 0) == 0) return "gif";
  if (head == std::string("II*\0", 4) || head == std::string("MM\0*", 4)) return "tiff";
  if (head == "\x89PNG") return "png";
  return "?";
}

}  // namespace grabwell::testing
