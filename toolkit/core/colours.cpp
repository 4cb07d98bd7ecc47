// Gadget colours: the per-control entries, the combo drop-down pair, and per-class delivery.
#include "toolkit/core/colours.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/core_constants.h"
#include "toolkit/core/module_seams.h"
#include "toolkit/core/registries.h"

namespace {

ComboListColourPair combo_list_colours = {};
std::int32_t no_colour_flag = 0;
// One record for every rich edit: only the fields below are ever written.
CHARFORMATA rich_edit_format = {};
// Class backgrounds that WindowBackgroundSet made: only these are ours to delete.
std::vector<HBRUSH> background_brushes;

constexpr UINT kRichEditFormatSize = 60;
constexpr int kEntryControl = 0;  // an entry is (control, background, front)

// Only a record's first member is its key: a colour that equals a handle is never taken for one.
HandleNode* EntryFind(HWND control) {
  const HandleList* registry = ColourRegistryGet();
  if (registry == nullptr || control == nullptr) return nullptr;
  return HandleListFindMember(registry, RegistryKeyOfWindow(control), REGISTRY_TRIPLE,
                              kEntryControl);
}

std::uint64_t Stored(std::int32_t colour) {
  return static_cast<std::uint64_t>(static_cast<std::int64_t>(colour));
}

bool StartsWith(const std::string& name, const char* prefix) {
  return name.compare(0, std::strlen(prefix), prefix) == 0 && name.size() >= std::strlen(prefix);
}

// The background part, the front part, or both in the row's order; other selectors: nothing.
template <typename Back, typename Front>
void BySelector(std::int32_t selector, Back back, Front front, bool front_first) {
  if (selector == COLOUR_BACKGROUND) back();
  if (selector == COLOUR_FRONT) front();
  if (selector == COLOUR_BOTH && front_first) front();
  if (selector == COLOUR_BOTH) back();
  if (selector == COLOUR_BOTH && !front_first) front();
}

void Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  SendMessageA(window, message, wparam, lparam);
}

void ListViewColours(HWND list_view, COLORREF back, COLORREF front, std::int32_t selector) {
  BySelector(
      selector,
      [&] {
        Send(list_view, LVM_SETBKCOLOR, 0, back);
        Send(list_view, LVM_SETTEXTBKCOLOR, 0, back);
      },
      [&] { Send(list_view, LVM_SETTEXTCOLOR, 0, front); }, false);
}

void RichEditColours(HWND edit, COLORREF back, COLORREF front, std::int32_t selector) {
  BySelector(
      selector, [&] { Send(edit, EM_SETBKGNDCOLOR, 0, back); },
      [&] {
        rich_edit_format.cbSize = kRichEditFormatSize;
        rich_edit_format.dwMask = CFM_COLOR;
        rich_edit_format.crTextColor = front;
        Send(edit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&rich_edit_format));
      },
      true);
}

// Classes whose colours travel in a pair of messages (wParam or lParam carries the colour).
void MessagePairColours(HWND control, UINT back_message, UINT front_message, bool in_wparam,
                        COLORREF back, COLORREF front, std::int32_t selector) {
  auto send = [&](UINT message, COLORREF colour) {
    if (in_wparam) Send(control, message, colour, 0);
    if (!in_wparam) Send(control, message, 0, colour);
  };
  BySelector(
      selector, [&] { send(back_message, back); }, [&] { send(front_message, front); }, false);
}

// Toolkit windows (and containers) take the background as their class brush.
void WindowRule(HWND window, const std::string& name, COLORREF back) {
  if (StartsWith(name, WINDOW_CLASS_PREFIX) || StartsWith(name, "Container")) {
    WindowBackgroundSet(window, static_cast<std::int32_t>(back));
  }
}

}  // namespace

ComboListColourPair ComboListColoursGet() {
  return combo_list_colours;
}

int ComboListColourSet(std::int32_t background, std::int32_t text) {
  combo_list_colours = {static_cast<COLORREF>(background), static_cast<COLORREF>(text), true};
  return 1;
}

int NoColourFlagSet(std::int32_t value) {
  no_colour_flag = value;
  return 1;
}

bool NoColourFlagTake() {
  const bool raised = no_colour_flag != 0;
  no_colour_flag = 0;
  return raised;
}

std::int64_t ControlColourGet(HWND control, bool front) {
  const HandleNode* entry = EntryFind(control);
  // Before the first window there is no registry, and so no colour for any control: a window
  // of the application's own class then paints its controls as the system does.
  if (entry == nullptr) {
    NoColourFlagSet(1);
    return 0;
  }
  const HandleNode* colour = front ? entry->next->next : entry->next;
  return static_cast<std::int64_t>(colour->key);
}

std::int64_t GadgetColourGet(std::int32_t identifier, std::int32_t selector) {
  if (ColourRegistryGet() == nullptr) return 0;
  if (selector == COLOUR_GET_CONTROL_BACKGROUND || selector == COLOUR_GET_CONTROL_FRONT) {
    // Window handles travel here in 32 bits, sign-extended.
    HWND control = reinterpret_cast<HWND>(static_cast<std::intptr_t>(identifier));
    return ControlColourGet(control, selector == COLOUR_GET_CONTROL_FRONT);
  }
  if (selector != COLOUR_GET_GADGET_BACKGROUND && selector != COLOUR_GET_GADGET_FRONT) return 0;
  HWND gadget = GadgetWindowOf(identifier);
  // A composite gadget's colours are its inner control's.
  if (HWND inner = InnerControlOf(gadget)) gadget = inner;
  const HandleNode* entry = EntryFind(gadget);
  if (entry == nullptr) return 0;
  const HandleNode* colour = selector == COLOUR_GET_GADGET_FRONT ? entry->next->next : entry->next;
  return static_cast<std::int64_t>(colour->key);
}

std::int32_t ControlColourApply(HWND control, std::int32_t background, std::int32_t front,
                                std::int32_t selector) {
  const std::int32_t row_selector = selector & 0xFF;
  const auto back = static_cast<COLORREF>(background);
  const auto fore = static_cast<COLORREF>(front);
  const std::string name = WindowClassNameGet(control);
  if (name == "RichEdit20A" || name == "RichEdit20W") {
    RichEditColours(control, back, fore, row_selector);
    return COLOUR_CLASS_BY_MESSAGE;
  }
  if (name == TOOLTIPS_CLASSA) {
    MessagePairColours(control, TTM_SETTIPBKCOLOR, TTM_SETTIPTEXTCOLOR, true, back, fore,
                       row_selector);
    return COLOUR_CLASS_BY_MESSAGE;
  }
  if (name == "ComboBox") {
    ComboListColourSet(background, front);
    return COLOUR_CLASS_COMBOBOX;
  }
  if (name == WC_TREEVIEWA) {
    MessagePairColours(control, TVM_SETBKCOLOR, TVM_SETTEXTCOLOR, false, back, fore, row_selector);
    return COLOUR_CLASS_BY_MESSAGE;
  }
  if (name == WC_LISTVIEWA) {
    ListViewColours(control, back, fore, row_selector);
    return COLOUR_CLASS_BY_MESSAGE;
  }
  if (name == "ScrollBar") {
    ComboListColourSet(background, front);
    return COLOUR_CLASS_SCROLLBAR;
  }
  if (HWND inner = InnerControlOf(control)) {
    ListViewColours(inner, back, fore, row_selector);
    return COLOUR_CLASS_EXPLORER;
  }
  if (name == PROGRESS_CLASSA) {
    MessagePairColours(control, PBM_SETBKCOLOR, PBM_SETBARCOLOR, false, back, fore, row_selector);
  } else if (name == STATUSCLASSNAMEA) {
    Send(control, SB_SETBKCOLOR, 0, back);
  } else if (name == "Static" || name == "Button") {
    InvalidateRect(control, nullptr, TRUE);
  }
  WindowRule(control, name, back);
  return COLOUR_CLASS_OTHER;
}

void GadgetColourSet(GadgetId id, std::int32_t background, std::int32_t front,
                     std::int32_t selector) {
  if (ColourRegistryGet() == nullptr) return;
  HWND gadget = GadgetWindowOf(id);
  const std::int32_t code = ControlColourApply(gadget, background, front, selector);
  HWND keyed = code == COLOUR_CLASS_EXPLORER ? InnerControlOf(gadget) : gadget;
  if (HandleNode* entry = EntryFind(keyed)) {
    if (selector == COLOUR_BACKGROUND || selector == COLOUR_BOTH)
      entry->next->key = Stored(background);
    if (selector == COLOUR_FRONT || selector == COLOUR_BOTH) entry->next->next->key = Stored(front);
    // Controls that ask their parent for colours show the new ones at their next paint: now.
    InvalidateRect(keyed, nullptr, TRUE);
  }
  // The parent's brush cache follows a scroll bar's new colour at once.
  if (code == COLOUR_CLASS_SCROLLBAR) {
    SendMessageA(GetParent(keyed), WM_CTLCOLORSCROLLBAR, 0, reinterpret_cast<LPARAM>(keyed));
  }
}

void WindowBackgroundForget(HWND window) {
  const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
  background_brushes.erase(std::remove(background_brushes.begin(), background_brushes.end(), brush),
                           background_brushes.end());
}

int WindowBackgroundSet(HWND window, std::int32_t colour) {
  if (!IsWindow(window)) return 0;
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
  if (brush == nullptr) return 0;
  SetLastError(0);
  auto old = reinterpret_cast<HBRUSH>(
      SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush)));
  if (old == nullptr && GetLastError() != 0) {  // another process's class, say
    DeleteObject(brush);
    return 0;
  }
  background_brushes.push_back(brush);
  // The system colour index installed at creation is not a brush of ours and is kept.
  auto ours = std::find(background_brushes.begin(), background_brushes.end(), old);
  if (old != nullptr && ours != background_brushes.end()) {
    background_brushes.erase(ours);
    DeleteObject(old);
  }
  InvalidateRect(window, nullptr, TRUE);
  return 1;
}
