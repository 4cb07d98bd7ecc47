// Picture gadgets: notifying static controls holding an image the application owns.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/gadget_registry.h"

HWND PictureGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, HANDLE image, std::int32_t border,
                         std::int32_t style) {
  const DWORD ex_style = border != 0 ? PICTURE_BORDER_EX_STYLE : 0;
  const DWORD window_style = static_cast<DWORD>(style) | PICTURE_BASE_STYLE;
  HWND control = CreateWindowExA(
      ex_style, PICTURE_CLASS, nullptr, window_style, x, y, width, height, CurrentWindowGet(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  // No control, nothing registered: the gadget that holds the id, if any, stays.
  if (control == nullptr) return nullptr;
  if (image != nullptr) {
    // Only SS_BITMAP alone names a bitmap; SS_BITMAP with more bits is taken as an icon.
    const WPARAM kind = style == PICTURE_STYLE_BITMAP ? IMAGE_BITMAP : IMAGE_ICON;
    SendMessageA(control, STM_SETIMAGE, kind, reinterpret_cast<LPARAM>(image));
  }
  GadgetRegister(id, control);
  return control;
}
