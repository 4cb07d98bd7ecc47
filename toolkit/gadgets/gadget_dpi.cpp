// Gadgets at a window's new DPI (scaled mode): once the core has put them in their new places,
// their fonts, pictures, columns, status-bar fields, tab pages, spin up-downs and tooltips follow.
#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/core/startup.h"
#include "toolkit/gadgets/gadget_create.h"

namespace {

struct DpiChange {
  UINT old_dpi;
  UINT new_dpi;
  HFONT old_font;
  HFONT new_font;
};

BOOL CALLBACK GadgetRenew(HWND child, LPARAM change_address) {
  const auto& change = *reinterpret_cast<const DpiChange*>(change_address);
  // Only the toolkit's own font: a font the application gave a gadget stays its.
  if (reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)) == change.old_font) {
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(change.new_font), TRUE);
  }
  const std::string class_name = WindowClassNameGet(child);
  if (class_name == STATUSCLASSNAMEA) {
    StatusBarFieldsRescale(child, change.old_dpi, change.new_dpi);
  } else if (class_name == WC_LISTVIEWA && GadgetIdOf(child) != 0) {
    ListViewColumnsRescale(child, change.old_dpi, change.new_dpi);  // an explorer's has none
  } else if (class_name == WC_STATICA) {
    PictureImageRenew(child);
  } else if (class_name == WC_TABCONTROLA) {
    TabPagesPlace(child);  // its row of tabs follows its font
  }
  if (HWND up_down = SpinUpDownOf(child)) {
    SendMessageA(up_down, UDM_SETBUDDY, reinterpret_cast<WPARAM>(child), 0);
  }
  return TRUE;
}

void OnDpiChange(HWND window, UINT old_dpi, UINT new_dpi) {
  DpiChange change = {old_dpi, new_dpi, GadgetFontForDpi(old_dpi), GadgetFontForDpi(new_dpi)};
  EnumChildWindows(window, GadgetRenew, reinterpret_cast<LPARAM>(&change));
  if (HWND tip = GadgetToolTipWindowOf(window)) {
    SendMessageA(tip, WM_SETFONT, reinterpret_cast<WPARAM>(change.new_font), FALSE);
  }
}

}  // namespace

void GadgetDpiInit() {
  DpiChangeHandlerAdd(OnDpiChange);
}
