// A gadget's state by id: a check, a chosen item, a position within a range.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

namespace {

enum class StateKind { None, Check, ListChoice, ComboChoice, Track, Progress, Scroll, Spin };

StateKind KindOf(HWND gadget) {
  switch (GadgetKindOf(gadget)) {
    case GADGET_KIND_LISTBOX:
      return StateKind::ListChoice;
    case GADGET_KIND_COMBOBOX:
      return StateKind::ComboChoice;
    case GADGET_KIND_TRACKBAR:
      return StateKind::Track;
    case GADGET_KIND_PROGRESS:
      return StateKind::Progress;
    case GADGET_KIND_SCROLLBAR:
      return StateKind::Scroll;
    default:
      break;
  }
  if (GetPropA(gadget, PROP_SPIN_UP_DOWN) != nullptr) return StateKind::Spin;
  const LONG_PTR type = GetWindowLongPtrA(gadget, GWL_STYLE) & BS_TYPEMASK;
  const bool checkable = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ||
                         type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
  return WindowClassNameGet(gadget) == WC_BUTTONA && checkable ? StateKind::Check : StateKind::None;
}

// A range's ends: [minimum, maximum] of the bar.
void RangeOf(HWND gadget, StateKind kind, std::int64_t* low, std::int64_t* high) {
  int minimum = 0, maximum = 0;
  switch (kind) {
    case StateKind::Track:
      minimum = static_cast<int>(SendMessageA(gadget, TBM_GETRANGEMIN, 0, 0));
      maximum = static_cast<int>(SendMessageA(gadget, TBM_GETRANGEMAX, 0, 0));
      break;
    case StateKind::Progress:
      minimum = static_cast<int>(SendMessageA(gadget, PBM_GETRANGE, TRUE, 0));
      maximum = static_cast<int>(SendMessageA(gadget, PBM_GETRANGE, FALSE, 0));
      break;
    case StateKind::Scroll:
      GetScrollRange(gadget, SB_CTL, &minimum, &maximum);
      break;
    case StateKind::Spin:
      SendMessageA(SpinUpDownOf(gadget), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum),
                   reinterpret_cast<LPARAM>(&maximum));
      break;
    default:
      break;
  }
  *low = minimum;
  *high = maximum;
}

}  // namespace

int GadgetStateSet(GadgetId id, std::int64_t state) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr) return 0;
  const StateKind kind = KindOf(gadget);
  std::int64_t low = 0, high = 0;
  RangeOf(gadget, kind, &low, &high);
  const auto position = static_cast<int>(state < low ? low : state > high ? high : state);
  switch (kind) {
    case StateKind::Check:
      if (state != 0 && state != 1) return 0;
      SendMessageA(gadget, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
      return 1;
    case StateKind::ListChoice:
    case StateKind::ComboChoice: {
      const bool list = kind == StateKind::ListChoice;
      const LRESULT count = SendMessageA(gadget, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
      if (state < -1 || state >= count) return 0;
      SendMessageA(gadget, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(state), 0);
      return 1;
    }
    case StateKind::Track:
      SendMessageA(gadget, TBM_SETPOS, TRUE, position);
      return 1;
    case StateKind::Progress:
      SendMessageA(gadget, PBM_SETPOS, static_cast<WPARAM>(position), 0);
      return 1;
    case StateKind::Scroll:
      SetScrollPos(gadget, SB_CTL, position, TRUE);
      return 1;
    case StateKind::Spin:
      SendMessageA(SpinUpDownOf(gadget), UDM_SETPOS32, 0, position);
      return 1;
    default:
      return 0;
  }
}

std::int64_t GadgetStateGet(GadgetId id) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr) return -1;
  switch (KindOf(gadget)) {
    case StateKind::Check:
      return SendMessageA(gadget, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case StateKind::ListChoice:
      return SendMessageA(gadget, LB_GETCURSEL, 0, 0);
    case StateKind::ComboChoice:
      return SendMessageA(gadget, CB_GETCURSEL, 0, 0);
    case StateKind::Track:
      return SendMessageA(gadget, TBM_GETPOS, 0, 0);
    case StateKind::Progress:
      return SendMessageA(gadget, PBM_GETPOS, 0, 0);
    case StateKind::Scroll:
      return GetScrollPos(gadget, SB_CTL);
    case StateKind::Spin:
      return static_cast<int>(SendMessageA(SpinUpDownOf(gadget), UDM_GETPOS32, 0, 0));
    default:
      return -1;
  }
}

int GadgetRangeSet(GadgetId id, std::int32_t minimum, std::int32_t maximum) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr || maximum < minimum) return 0;
  switch (KindOf(gadget)) {
    case StateKind::Track:
      SendMessageA(gadget, TBM_SETRANGEMIN, FALSE, minimum);
      SendMessageA(gadget, TBM_SETRANGEMAX, TRUE, maximum);
      return 1;
    case StateKind::Progress:
      SendMessageA(gadget, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
      return 1;
    case StateKind::Scroll:
      SetScrollRange(gadget, SB_CTL, minimum, maximum, TRUE);
      return 1;
    case StateKind::Spin:
      SendMessageA(SpinUpDownOf(gadget), UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
      return 1;
    default:
      return 0;
  }
}
