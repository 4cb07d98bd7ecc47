// The common part of every gadget creator, and the gadget font.
#include "toolkit/gadgets/gadget_create.h"

#include <commctrl.h>

#include <map>
#include <new>

#include "toolkit/core/display_scale.h"
#include "toolkit/gadgets/tab_stop.h"

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

// Made once and kept for the process, as the brush cache is; in scaled mode one per DPI.
HFONT message_font = nullptr;
std::map<UINT, HFONT> message_fonts;

}  // namespace

HFONT GadgetFontStandard() {
  if (HFONT font = GadgetFontDefaultGet()) return font;
  if (message_font == nullptr) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      message_font = CreateFontIndirectA(&metrics.lfMessageFont);
    }
  }
  return message_font != nullptr ? message_font
                                 : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT GadgetFontForDpi(UINT dpi) {
  if (HFONT font = GadgetFontDefaultGet()) return font;
  if (!DpiScalingOn()) return GadgetFontStandard();
  const auto found = message_fonts.find(dpi);
  if (found != message_fonts.end()) return found->second;
  const LOGFONTA metrics = DpiMessageFont(dpi);
  HFONT font = CreateFontIndirectA(&metrics);
  if (font == nullptr) return GadgetFontStandard();
  try {
    message_fonts.emplace(dpi, font);
  } catch (const std::bad_alloc&) {
    DeleteObject(font);
    return GadgetFontStandard();
  }
  return font;
}

HFONT GadgetFontOf(HWND window) {
  return GadgetFontForDpi(DpiOfWindow(window));
}

HWND GadgetControlCreate(GadgetId id, const char* class_name, const char* text, DWORD style,
                         DWORD ex_style, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, bool tab_stop) {
  static const bool classes = [] {
    const INITCOMMONCONTROLSEX controls = {
        sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != 0;
  }();
  (void)classes;
  HWND parent = CurrentWindowGet();
  HWND control = DpiChildCreate(ex_style, class_name, text != nullptr ? text : "",
                                style | kChildStyle, DpiRect{x, y, width, height}, parent, id);
  // No control, nothing registered: the gadget that holds the id, if any, stays.
  if (control == nullptr) return nullptr;
  GadgetRegister(id, control);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GadgetFontOf(parent)), FALSE);
  if (tab_stop) TabStopEnrolGadget(id);
  return control;
}
