// Gadget fonts (the default font of new gadgets) and a gadget's companion value.
#include <vantrel/toolkit.h>

#include "toolkit/explorer/explorer_record.h"
#include "toolkit/gadgets/gadget_constants.h"

namespace {

constexpr GadgetId kDefaultFontTarget = -1;
constexpr std::int64_t kNoFont = -1;

HFONT default_font = nullptr;

}  // namespace

std::int64_t GadgetFontSet(GadgetId id, std::int64_t font) {
  if (id == kDefaultFontTarget) {
    default_font = font == kNoFont ? nullptr : reinterpret_cast<HFONT>(static_cast<INT_PTR>(font));
    return 0;
  }
  HWND window = GadgetWindowOf(id);
  if (window == nullptr) return 0;
  // An explorer's text is in its list view.
  if (WindowClassNameGet(window) == CLASS_EXPLORER_GADGET) {
    window = static_cast<HWND>(GetPropA(window, PROP_EXPLORER_LIST_WINDOW));
  }
  return SendMessageA(window, WM_SETFONT, static_cast<WPARAM>(font), 0);
}

HFONT GadgetFontDefaultGet() {
  return default_font;
}

HANDLE GadgetExtraGet(GadgetId id) {
  HWND window = GadgetWindowOf(id);
  return window != nullptr ? GetPropA(window, PROP_COMPANION) : nullptr;
}
