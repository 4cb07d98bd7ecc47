// Image loading: image files decoded by GDI+ and flattened onto a colour, and icon files.
#include <vantrel/toolkit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include <objidl.h>
// The GDI+ headers of some SDKs use unqualified min and max, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "toolkit/core/startup.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/image_load_seam.h"

namespace {

namespace gp = Gdiplus::DllExports;

// Written once, by the first image operation, and never read again: GDI+ stays started until
// the process ends.
ULONG_PTR gdiplusToken = 0;
bool gdiplusTried = false;
bool gdiplusStarted = false;
int majorVersionOverride = 0;
bool lastLoadComposited = false;

void PrintFailure() {
  std::fputs(IMAGE_LOAD_FAILURE_LINE, stdout);
  std::fflush(stdout);
}

int WindowsMajorVersion() {
  if (majorVersionOverride > 0) return majorVersionOverride;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)  // GetVersion is deprecated, but only its major version is used
#endif
  const DWORD version = GetVersion();
  return LOBYTE(LOWORD(version));
}

// Older GDI+ ignores the background colour of GdipCreateHBITMAPFromBitmap for transparent
// pixels, and no GDI+ converts a metafile directly: such images are drawn over an opaque canvas
// of that colour first.
HBITMAP FlattenByCompositing(Gdiplus::GpImage* image, Gdiplus::ARGB argb) {
  UINT width = 0;
  UINT height = 0;
  gp::GdipGetImageWidth(image, &width);
  gp::GdipGetImageHeight(image, &height);

  Gdiplus::GpBitmap* canvas = nullptr;
  Gdiplus::GpGraphics* graphics = nullptr;
  HBITMAP bitmap = nullptr;
  gp::GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height), 0,
                                PixelFormat32bppARGB, nullptr, &canvas);
  gp::GdipGetImageGraphicsContext(canvas, &graphics);
  gp::GdipGraphicsClear(graphics, argb);
  if (gp::GdipDrawImageRectI(graphics, image, 0, 0, static_cast<INT>(width),
                             static_cast<INT>(height)) == Gdiplus::Ok) {
    gp::GdipCreateHBITMAPFromBitmap(canvas, &bitmap, argb);
  }
  if (graphics != nullptr) gp::GdipDeleteGraphics(graphics);
  if (canvas != nullptr) gp::GdipDisposeImage(canvas);
  return bitmap;
}

// GDI+ fills transparent pixels with the background but keeps their alpha (0 where the image was
// transparent), and a common-controls static blends a 32-bit bitmap by its alpha: the window
// face would show through and half-transparent pixels would be blended twice. The flattened
// image is opaque, so every pixel says so.
void AlphaMakeOpaque(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return;
  BITMAPINFO layout{};
  layout.bmiHeader.biSize = sizeof layout.bmiHeader;
  layout.bmiHeader.biWidth = info.bmWidth;
  layout.bmiHeader.biHeight = -info.bmHeight;  // top-down
  layout.bmiHeader.biPlanes = 1;
  layout.bmiHeader.biBitCount = IMAGE_PIXEL_BITS;
  layout.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels;
  try {
    pixels.resize(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
  } catch (const std::bad_alloc&) {
    return;
  }
  const UINT rows = static_cast<UINT>(info.bmHeight);
  HDC screen = GetDC(nullptr);
  if (GetDIBits(screen, bitmap, 0, rows, pixels.data(), &layout, DIB_RGB_COLORS) ==
      static_cast<int>(rows)) {
    for (std::uint32_t& pixel : pixels) pixel |= IMAGE_PIXEL_OPAQUE;
    SetDIBits(screen, bitmap, 0, rows, pixels.data(), &layout, DIB_RGB_COLORS);
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace

// Brings the start-up runner into every program that loads an image.
const char* const ImageLoadStartupLink = &ToolkitStartupLink;

bool ImageLoaderStart() {
  // Started here, by the first image operation, rather than before main: a DLL that links the
  // toolkit runs its static initialisers under the loader lock, where GdiplusStartup must not
  // be called.
  if (gdiplusTried) return gdiplusStarted;
  gdiplusTried = true;
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = IMAGE_GDIPLUS_VERSION;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;  // GDI+ runs its own thread: no hook tokens to manage
  input.SuppressExternalCodecs = FALSE;
  gdiplusStarted = Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr) == Gdiplus::Ok;
  if (!gdiplusStarted) {
    PrintFailure();
    return false;
  }
  // GDI+ is never shut down, so its DLL must outlive a DLL of ours that started it and is
  // unloaded: GDI+'s own thread would run on in unloaded code.
  HMODULE gdiplus = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, IMAGE_GDIPLUS_DLL, &gdiplus);
  return true;
}

bool ImageLoaderStarted() {
  return gdiplusStarted;
}

void ImageLoaderMajorVersionOverride(int majorVersion) {
  majorVersionOverride = majorVersion;
}

bool ImageLoaderLastLoadComposited() {
  return lastLoadComposited;
}

HBITMAP ImageLoadFile(const char* fileName, std::int64_t background) {
  // Without GDI+ the load below fails as any other does.
  ImageLoaderStart();
  if (fileName == nullptr) fileName = "";  // no name is a failed load like an empty one
  std::vector<wchar_t> wideName;
  try {
    wideName.assign(std::strlen(fileName) + 1, L'\0');
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  // An ANSI byte never gives more than one UTF-16 unit, so n + 1 units always suffice.
  MultiByteToWideChar(CP_ACP, 0, fileName, -1, wideName.data(), static_cast<int>(wideName.size()));

  Gdiplus::GpImage* image = nullptr;
  if (gp::GdipLoadImageFromFile(wideName.data(), &image) != Gdiplus::Ok) {
    if (image != nullptr) gp::GdipDisposeImage(image);
    PrintFailure();
    return nullptr;
  }

  // Only the colour's low 24 bits count; the alpha byte is always opaque.
  const auto argb = static_cast<Gdiplus::ARGB>(
      (static_cast<std::uint64_t>(background) & IMAGE_BACKGROUND_RGB_MASK) |
      IMAGE_BACKGROUND_OPAQUE);

  // Only bitmaps convert directly; a decoded metafile would fail there, so it is drawn instead.
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  gp::GdipGetImageType(image, &type);

  HBITMAP bitmap = nullptr;
  lastLoadComposited = WindowsMajorVersion() <= IMAGE_LAST_COMPOSITING_MAJOR_VERSION ||
                       type != Gdiplus::ImageTypeBitmap;
  if (lastLoadComposited) {
    bitmap = FlattenByCompositing(image, argb);
  } else {
    // Vista's GDI+ and later fill transparent pixels with the background themselves.
    gp::GdipCreateHBITMAPFromBitmap(static_cast<Gdiplus::GpBitmap*>(image), &bitmap, argb);
  }
  gp::GdipDisposeImage(image);
  AlphaMakeOpaque(bitmap);
  return bitmap;
}

HICON IconLoadFile(const char* fileName) {
  if (fileName == nullptr) return nullptr;
  return static_cast<HICON>(
      LoadImageA(nullptr, fileName, IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
}
