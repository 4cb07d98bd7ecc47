// Tooltips for any gadget: one tooltip control per top-level window, whose texts the window
// procedure gives from the window's properties (cut as every tooltip text is).
#include <vantrel/toolkit.h>

#include <map>
#include <new>
#include <string>

#include "toolkit/core/display_scale.h"
#include "toolkit/gadgets/gadget_create.h"

namespace {

constexpr char kTooltipProp[] = "vantreltooltip";

// The texts, kept while their gadgets live: the properties point into them.
std::map<HWND, std::string> texts;

HWND TooltipOf(HWND window) {
  if (auto tip = static_cast<HWND>(GetPropA(window, kTooltipProp)); IsWindow(tip)) return tip;
  // Owned by the window, so it goes with it.
  HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                             0, 0, 0, window, nullptr, nullptr, nullptr);
  SetPropA(window, kTooltipProp, tip);
  if (tip != nullptr && DpiScalingOn()) {
    SendMessageA(tip, WM_SETFONT, reinterpret_cast<WPARAM>(GadgetFontOf(window)), FALSE);
  }
  return tip;
}

std::string PropName(HWND gadget) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(gadget));
}

}  // namespace

int GadgetToolTipSet(GadgetId id, const char* text) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr || text == nullptr) return 0;
  HWND window = GetAncestor(gadget, GA_ROOT);
  HWND tip = TooltipOf(window);
  if (tip == nullptr) return 0;
  try {
    texts[gadget] = text;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  // The tool is the gadget, whose notifications go to the top-level window.
  TTTOOLINFOA info = {};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = window;
  info.uId = reinterpret_cast<UINT_PTR>(gadget);
  info.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  SetPropA(window, PropName(gadget).c_str(), texts[gadget].data());
  return 1;
}

HWND GadgetToolTipWindowOf(HWND window) {
  auto tip = static_cast<HWND>(GetPropA(window, kTooltipProp));
  return IsWindow(tip) ? tip : nullptr;
}

void GadgetToolTipForget(HWND gadget) {
  const auto found = texts.find(gadget);
  if (found == texts.end()) return;
  HWND window = GetAncestor(gadget, GA_ROOT);
  RemovePropA(window, PropName(gadget).c_str());
  TTTOOLINFOA info = {};
  info.cbSize = sizeof(info);
  info.hwnd = window;
  info.uId = reinterpret_cast<UINT_PTR>(gadget);
  SendMessageA(static_cast<HWND>(GetPropA(window, kTooltipProp)), TTM_DELTOOLA, 0,
               reinterpret_cast<LPARAM>(&info));
  texts.erase(found);
}
