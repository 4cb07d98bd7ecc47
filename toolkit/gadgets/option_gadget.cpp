// Option gadgets: radio buttons, grouped with the options created just before them.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

namespace {

constexpr DWORD kOptionStyle = BS_AUTORADIOBUTTON;

bool IsOption(HWND window) {
  return window != nullptr && WindowClassNameGet(window) == WC_BUTTONA &&
         (GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) == kOptionStyle;
}

}  // namespace

HWND OptionGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags) {
  HWND option =
      GadgetControlCreate(id, WC_BUTTONA, text, kOptionStyle, 0, x, y, width, height, true);
  // A new child comes last among its siblings: the one before it was made just before it. An
  // option after anything else starts a group of its own.
  if (option != nullptr && !IsOption(GetWindow(option, GW_HWNDPREV))) {
    SetWindowLongPtrA(option, GWL_STYLE, GetWindowLongPtrA(option, GWL_STYLE) | WS_GROUP);
  }
  return option;
}
