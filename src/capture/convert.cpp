#include "capture/convert.h"

#include <cstring>
#include <string>

#include "platform/handles.h"
// GDI+'s headers need these names from <windows.h> before them.
#include <objidl.h>
#include <gdiplus.h>

namespace grabwell {

namespace {

namespace gp = Gdiplus;

class GdiplusSession {
 public:
  GdiplusSession() {
    gp::GdiplusStartupInput input;  // version 1, no callback, own thread, codecs allowed
    ok_ = gp::GdiplusStartup(&token_, &input, nullptr) == gp::Ok;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() {
    if (ok_) gp::GdiplusShutdown(token_);
  }
  bool ok() const { return ok_; }

 private:
  ULONG_PTR token_ = 0;
  bool ok_ = false;
};

class GdipImage {
 public:
  GdipImage() = default;
  GdipImage(const GdipImage&) = delete;
  GdipImage& operator=(const GdipImage&) = delete;
  ~GdipImage() {
    if (image_) gp::DllExports::GdipDisposeImage(image_);
  }
  gp::GpBitmap** put() { return &image_; }
  gp::GpImage* get() const { return image_; }
  gp::GpBitmap* bitmap() const { return image_; }

 private:
  gp::GpBitmap* image_ = nullptr;
};

class GlobalLock {
 public:
  explicit GlobalLock(HGLOBAL block)
      : block_(block), data_(block ? ::GlobalLock(block) : nullptr) {}
  GlobalLock(const GlobalLock&) = delete;
  GlobalLock& operator=(const GlobalLock&) = delete;
  ~GlobalLock() {
    if (data_) ::GlobalUnlock(block_);
  }
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

CLSID ClassIdFromText(const char* text) {
  wchar_t wide[64] = {};
  ::MultiByteToWideChar(936, 0, text, -1, wide, 64);
  CLSID id{};
  ::CLSIDFromString(wide, &id);
  return id;
}

// An 8-bit palette copy of a deeper picture; `reduced` stays empty otherwise.
void ReduceToPalette(const GdipImage& image, GdipImage& reduced) {
  gp::PixelFormat format = 0;
  UINT width = 0, height = 0;
  gp::DllExports::GdipGetImagePixelFormat(image.get(), &format);
  if (format & PixelFormatIndexed) return;
  gp::DllExports::GdipGetImageWidth(image.get(), &width);
  gp::DllExports::GdipGetImageHeight(image.get(), &height);
  gp::DllExports::GdipCloneBitmapAreaI(0, 0, static_cast<INT>(width), static_cast<INT>(height),
                                       PixelFormat8bppIndexed, image.bitmap(), reduced.put());
}

}  // namespace

const char* EncoderClassId(int formatCode) {
  switch (formatCode) {
    case 1:
      return "{557CF400-1A04-11D3-9A73-0000F81EF32E}";
    case 2:
      return "{557CF401-1A04-11D3-9A73-0000F81EF32E}";
    case 3:
      return "{557CF402-1A04-11D3-9A73-0000F81EF32E}";
    case 4:
      return "{557CF405-1A04-11D3-9A73-0000F81EF32E}";
    default:
      return "{557CF406-1A04-11D3-9A73-0000F81EF32E}";
  }
}

ImageBytes ConvertImage(const ImageBytes& input, int formatCode) {
  if (input.size() < 3) return {};
  GdiplusSession session;
  if (!session.ok()) return {};
  const CLSID encoder = ClassIdFromText(EncoderClassId(formatCode));

  GlobalBlock inputBlock(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, input.size()));
  if (!inputBlock) return {};
  {
    GlobalLock lock(inputBlock.get());
    if (!lock.data()) return {};
    std::memcpy(lock.data(), input.data(), input.size());
  }
  ComRef<IStream> inputStream;
  if (FAILED(::CreateStreamOnHGlobal(inputBlock.get(), FALSE, inputStream.put()))) return {};
  GdipImage image;
  if (gp::DllExports::GdipCreateBitmapFromStream(inputStream.get(), image.put()) != gp::Ok) {
    return {};
  }

  // GIF holds at most 256 colours. Windows' encoder reduces deeper pictures
  // itself; Wine's writes an empty frame instead, so reduce them here.
  GdipImage reduced;
  if (formatCode == 3) ReduceToPalette(image, reduced);
  gp::GpImage* source = reduced.get() ? reduced.get() : image.get();

  GlobalBlock outputBlock;  // outlives the stream on it
  ComRef<IStream> outputStream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, FALSE, outputStream.put()))) return {};
  HGLOBAL raw = nullptr;
  const bool saved = gp::DllExports::GdipSaveImageToStream(source, outputStream.get(), &encoder,
                                                           nullptr) == gp::Ok;
  ::GetHGlobalFromStream(outputStream.get(), &raw);
  outputBlock.reset(raw);  // the stream does not free it (delete-on-release is off)
  if (!saved) return {};
  // The stream's own length: its block may be larger than what was written.
  STATSTG stat{};
  if (FAILED(outputStream->Stat(&stat, STATFLAG_NONAME))) return {};
  GlobalLock lock(outputBlock.get());
  if (!lock.data() || stat.cbSize.QuadPart > ::GlobalSize(outputBlock.get())) return {};
  const auto* bytes = static_cast<const uint8_t*>(lock.data());
  return ImageBytes(bytes, bytes + stat.cbSize.QuadPart);
}

}  // namespace grabwell
