// A picture gadget's image changed by id: as it is, centred, or scaled to the gadget keeping its
// proportions; the gadget keeps the size the application gave it. In scaled mode a bitmap shown
// as it is or centred is shown as a smooth copy scaled by the DPI, made again when it changes.
#include <vantrel/toolkit.h>

#include <algorithm>
#include <cmath>

#include "toolkit/core/display_scale.h"
#include "toolkit/gadgets/gadget_create.h"

namespace {

// The scaled copy a picture shows belongs to the toolkit: replaced or released, it goes.
constexpr char kCopyProp[] = "vantrelpicturecopy";
// In scaled mode: the application's image and how it fits (plus one), to show it again at a new
// DPI. The image stays the application's.
constexpr char kImageProp[] = "vantrelpictureimage";
constexpr char kFitProp[] = "vantrelpicturefit";
constexpr int kHalfUnits = 2;

void CopyForget(HWND picture) {
  if (auto copy = static_cast<HBITMAP>(GetPropA(picture, kCopyProp))) DeleteObject(copy);
  RemovePropA(picture, kCopyProp);
}

void ImageForget(HWND picture) {
  RemovePropA(picture, kImageProp);
  RemovePropA(picture, kFitProp);
}

SIZE ImageSize(HANDLE image, bool bitmap) {
  if (bitmap) {
    BITMAP info = {};
    GetObjectA(image, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
  }
  ICONINFO info = {};
  GetIconInfo(static_cast<HICON>(image), &info);
  BITMAP mask = {};
  GetObjectA(info.hbmMask, sizeof(mask), &mask);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  // A monochrome icon's mask holds the AND and the XOR halves one above the other.
  return SIZE{mask.bmWidth, info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / kHalfUnits};
}

// The image drawn smoothly at the largest size that fits `room` with its proportions, centred
// on the dialog face.
HBITMAP ScaledCopy(HANDLE image, bool bitmap, SIZE room) {
  const SIZE size = ImageSize(image, bitmap);
  if (size.cx <= 0 || size.cy <= 0 || room.cx <= 0 || room.cy <= 0) return nullptr;
  const double scale =
      std::min(static_cast<double>(room.cx) / size.cx, static_cast<double>(room.cy) / size.cy);
  // Rounded: an image scaled to exactly its room fills it, whatever the floating point says.
  const int width = std::clamp(static_cast<int>(std::lround(size.cx * scale)), 1, int{room.cx});
  const int height = std::clamp(static_cast<int>(std::lround(size.cy * scale)), 1, int{room.cy});
  const int x = (room.cx - width) / kHalfUnits, y = (room.cy - height) / kHalfUnits;
  HDC screen = GetDC(nullptr);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP copy = CreateCompatibleBitmap(screen, room.cx, room.cy);
  HGDIOBJ old_target = SelectObject(target, copy);
  const RECT all = {0, 0, room.cx, room.cy};
  FillRect(target, &all, GetSysColorBrush(COLOR_BTNFACE));
  SetStretchBltMode(target, HALFTONE);
  SetBrushOrgEx(target, 0, 0, nullptr);
  if (bitmap) {
    HDC source = CreateCompatibleDC(screen);
    HGDIOBJ old_source = SelectObject(source, image);
    StretchBlt(target, x, y, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(source, old_source);
    DeleteDC(source);
  } else {
    DrawIconEx(target, x, y, static_cast<HICON>(image), width, height, 0, nullptr, DI_NORMAL);
  }
  SelectObject(target, old_target);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
  return copy;
}

}  // namespace

int PictureImageShow(HWND picture, HANDLE image, bool bitmap, std::int32_t fit) {
  RECT place;
  GetWindowRect(picture, &place);
  RECT client;
  GetClientRect(picture, &client);
  HANDLE shown = image;
  const UINT dpi = DpiOfWindow(picture);
  if (fit == PICTURE_FIT_SCALE) {
    shown = ScaledCopy(image, bitmap, SIZE{client.right, client.bottom});
    if (shown == nullptr) return 0;
    bitmap = true;
  } else if (bitmap && dpi != DPI_UNITS) {
    const SIZE size = ImageSize(image, true);
    shown = ScaledCopy(image, true, SIZE{DpiScale(size.cx, dpi), DpiScale(size.cy, dpi)});
    if (shown == nullptr) shown = image;  // unscaled rather than none
  }
  // The static's kind follows the image's; centring is its own style.
  LONG_PTR style =
      GetWindowLongPtrA(picture, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK | SS_CENTERIMAGE);
  style |= (bitmap ? SS_BITMAP : SS_ICON) | (fit == PICTURE_FIT_CENTRE ? SS_CENTERIMAGE : 0);
  SetWindowLongPtrA(picture, GWL_STYLE, style);
  SendMessageA(picture, STM_SETIMAGE, bitmap ? IMAGE_BITMAP : IMAGE_ICON,
               reinterpret_cast<LPARAM>(shown));
  CopyForget(picture);
  if (shown != image) SetPropA(picture, kCopyProp, shown);
  if (DpiScalingOn()) {
    SetPropA(picture, kImageProp, image);
    SetPropA(picture, kFitProp, reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fit) + 1));
  }
  // A static shrinks or grows to its image: the gadget keeps the size it was given.
  SetWindowPos(picture, nullptr, 0, 0, place.right - place.left, place.bottom - place.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(picture, nullptr, TRUE);
  return 1;
}

int PictureGadgetImageSet(GadgetId id, HANDLE image, std::int32_t fit) {
  HWND picture = GadgetWindowOf(id);
  if (picture == nullptr || GadgetKindOf(picture) != GADGET_KIND_STATIC || image == nullptr ||
      fit < PICTURE_FIT_NONE || fit > PICTURE_FIT_SCALE) {
    return 0;
  }
  return PictureImageShow(picture, image, GetObjectType(image) == OBJ_BITMAP, fit);
}

void PictureImageRenew(HWND picture) {
  HANDLE image = GetPropA(picture, kImageProp);
  const auto fit = reinterpret_cast<std::intptr_t>(GetPropA(picture, kFitProp)) - 1;
  if (image == nullptr || fit < PICTURE_FIT_NONE) return;
  PictureImageShow(picture, image, GetObjectType(image) == OBJ_BITMAP,
                   static_cast<std::int32_t>(fit));
}

void PictureCopyForget(HWND picture) {
  CopyForget(picture);
  ImageForget(picture);
}
