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

#include "toolkit/core/display_scale.h"
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
std::int32_t lastLoadError = IMAGE_LOAD_OK;

// Every failed load says so on standard output and keeps its reason for ImageLoadErrorGet.
HBITMAP Failed(std::int32_t reason) {
  lastLoadError = reason;
  std::fputs(IMAGE_LOAD_FAILURE_LINE, stdout);
  std::fflush(stdout);
  return nullptr;
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
  if (gp::GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height), 0,
                                    PixelFormat32bppARGB, nullptr,
                                    &canvas) == Gdiplus::OutOfMemory) {
    lastLoadError = IMAGE_LOAD_NO_MEMORY;
  }
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
// False when memory ran out.
bool AlphaMakeOpaque(HBITMAP bitmap) {
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof info, &info) == 0) return true;
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
    return false;
  }
  const UINT rows = static_cast<UINT>(info.bmHeight);
  HDC screen = GetDC(nullptr);
  if (GetDIBits(screen, bitmap, 0, rows, pixels.data(), &layout, DIB_RGB_COLORS) ==
      static_cast<int>(rows)) {
    for (std::uint32_t& pixel : pixels) pixel |= IMAGE_PIXEL_OPAQUE;
    SetDIBits(screen, bitmap, 0, rows, pixels.data(), &layout, DIB_RGB_COLORS);
  }
  ReleaseDC(nullptr, screen);
  return true;
}

// Whether the decoded image fits the documented limits; an empty one (a metafile whose frame
// is empty) has nothing to show either.
bool SizeAllowed(Gdiplus::GpImage* image) {
  UINT width = 0;
  UINT height = 0;
  gp::GdipGetImageWidth(image, &width);
  gp::GdipGetImageHeight(image, &height);
  return width > 0 && height > 0 && width <= IMAGE_LOAD_SIDE_MAX && height <= IMAGE_LOAD_SIDE_MAX &&
         std::uint64_t{width} * std::uint64_t{height} <= IMAGE_LOAD_PIXELS_MAX;
}

// Why GDI+ could not load the file: it is missing, or it is no image GDI+ knows.
std::int32_t LoadFailureOf(const wchar_t* name) {
  const DWORD attributes = GetFileAttributesW(name);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return IMAGE_LOAD_MISSING;
  }
  return IMAGE_LOAD_NOT_AN_IMAGE;
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
  // Without GDI+ every load fails, and says so itself.
  if (!gdiplusStarted) return false;
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
  lastLoadError = IMAGE_LOAD_OK;
  if (!ImageLoaderStart()) return Failed(IMAGE_LOAD_FAILED);
  if (fileName == nullptr || fileName[0] == '\0') return Failed(IMAGE_LOAD_MISSING);
  std::vector<wchar_t> wideName;
  try {
    wideName.assign(std::strlen(fileName) + 1, L'\0');
  } catch (const std::bad_alloc&) {
    return Failed(IMAGE_LOAD_NO_MEMORY);
  }
  // An ANSI byte never gives more than one UTF-16 unit, so n + 1 units always suffice.
  MultiByteToWideChar(CP_ACP, 0, fileName, -1, wideName.data(), static_cast<int>(wideName.size()));

  Gdiplus::GpImage* image = nullptr;
  if (gp::GdipLoadImageFromFile(wideName.data(), &image) != Gdiplus::Ok) {
    if (image != nullptr) gp::GdipDisposeImage(image);
    return Failed(LoadFailureOf(wideName.data()));
  }
  // Checked before any pixel is made: a tiny metafile can ask for a canvas of gigabytes.
  if (!SizeAllowed(image)) {
    gp::GdipDisposeImage(image);
    return Failed(IMAGE_LOAD_TOO_LARGE);
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
  } else if (gp::GdipCreateHBITMAPFromBitmap(static_cast<Gdiplus::GpBitmap*>(image), &bitmap,
                                             argb) == Gdiplus::OutOfMemory) {
    // Vista's GDI+ and later fill transparent pixels with the background themselves.
    lastLoadError = IMAGE_LOAD_NO_MEMORY;
  }
  gp::GdipDisposeImage(image);
  if (bitmap == nullptr) {
    return Failed(lastLoadError != IMAGE_LOAD_OK ? lastLoadError : IMAGE_LOAD_FAILED);
  }
  if (!AlphaMakeOpaque(bitmap)) {
    DeleteObject(bitmap);
    return Failed(IMAGE_LOAD_NO_MEMORY);
  }
  return bitmap;
}

std::int32_t ImageLoadErrorGet() {
  return lastLoadError;
}

int ImageFree(HANDLE image) {
  if (image == nullptr) return 0;
  if (GetObjectType(image) == OBJ_BITMAP) return DeleteObject(image) != 0 ? 1 : 0;
  return DestroyIcon(static_cast<HICON>(image)) != 0 ? 1 : 0;
}

HICON IconLoadFile(const char* fileName) {
  if (fileName == nullptr) return nullptr;
  // In scaled mode at the icon size of the DPI the current window has (the image of the file
  // nearest that size); else the system's.
  if (DpiScalingOn()) {
    const UINT dpi = DpiOfWindow(CurrentWindowGet());
    return static_cast<HICON>(LoadImageA(nullptr, fileName, IMAGE_ICON, DpiMetric(SM_CXICON, dpi),
                                         DpiMetric(SM_CYICON, dpi), LR_LOADFROMFILE));
  }
  return static_cast<HICON>(
      LoadImageA(nullptr, fileName, IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
}
