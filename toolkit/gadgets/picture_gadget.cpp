// Picture gadgets: notifying static controls holding an image the application owns.
#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/gadget_create.h"
#include "toolkit/gadgets/gadget_registry.h"

HWND PictureGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, HANDLE image, std::int32_t border,
                         std::int32_t style) {
  const DWORD ex_style = border != 0 ? PICTURE_BORDER_EX_STYLE : 0;
  const DWORD window_style = static_cast<DWORD>(style) | PICTURE_BASE_STYLE;
  HWND control = DpiChildCreate(ex_style, PICTURE_CLASS, nullptr, window_style,
                                DpiRect{x, y, width, height}, CurrentWindowGet(), id);
  // No control, nothing registered: the gadget that holds the id, if any, stays.
  if (control == nullptr) return nullptr;
  // Only SS_BITMAP alone names a bitmap; SS_BITMAP with more bits is taken as an icon.
  const bool bitmap = style == PICTURE_STYLE_BITMAP;
  if (image != nullptr && DpiScalingOn()) {
    // At the window's DPI, in the place given: a static would take its image's size.
    PictureImageShow(control, image, bitmap, PICTURE_FIT_NONE);
  } else if (image != nullptr) {
    SendMessageA(control, STM_SETIMAGE, bitmap ? IMAGE_BITMAP : IMAGE_ICON,
                 reinterpret_cast<LPARAM>(image));
  }
  GadgetRegister(id, control);
  return control;
}
