// An image file's pixels as GDI+ decodes them, composited by hand over an opaque colour.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <objidl.h>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "toolkit/gadgets/image_load_seam.h"

// 0xAARRGGBB, not premultiplied, row by row; `width` receives the width.
inline std::vector<std::uint32_t> FilePixels(const std::string& name, UINT* width) {
  namespace gp = Gdiplus::DllExports;
  ImageLoaderStart();
  Gdiplus::GpBitmap* bitmap = nullptr;
  UINT height = 0;
  gp::GdipCreateBitmapFromFile(std::wstring(name.begin(), name.end()).c_str(), &bitmap);
  gp::GdipGetImageWidth(bitmap, width);
  gp::GdipGetImageHeight(bitmap, &height);
  std::vector<std::uint32_t> pixels;
  for (UINT y = 0; y < height; ++y) {
    for (UINT x = 0; x < *width; ++x) {
      Gdiplus::ARGB colour = 0;
      gp::GdipBitmapGetPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y), &colour);
      pixels.push_back(colour);
    }
  }
  gp::GdipDisposeImage(bitmap);
  return pixels;
}

// Whether `shown` (0x??RRGGBB) is the pixel blended over the background 0xRRGGBB, each channel
// within one level.
inline bool ShownOver(std::uint32_t shown, std::uint32_t pixel, std::uint32_t background) {
  const std::uint32_t alpha = pixel >> 24;
  for (int shift : {0, 8, 16}) {
    const auto blended = static_cast<int>(
        ((pixel >> shift & 0xFF) * alpha + (background >> shift & 0xFF) * (255 - alpha) + 127) /
        255);
    if (std::abs(static_cast<int>(shown >> shift & 0xFF) - blended) > 1) return false;
  }
  return true;
}
