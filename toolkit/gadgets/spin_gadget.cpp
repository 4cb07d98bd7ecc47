// Spin gadgets: a numbers-only field and an up-down beside it, both under the gadget's id.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"
#include "toolkit/gadgets/gadget_constants.h"

HWND SpinGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t flags) {
  HWND field = GadgetControlCreate(id, WC_EDITA, "", ES_NUMBER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                   x, y, width, height, true);
  if (field == nullptr) return nullptr;
  // The up-down sits inside the field's right edge and reports under the same id; the field is
  // its companion, through which its steps become the gadget's events.
  HWND up_down = CreateWindowExA(
      0, UPDOWN_CLASSA, nullptr,
      WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0,
      0, 0, 0, GetParent(field), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
      nullptr);
  if (up_down == nullptr) {
    GadgetFree(id);
    return nullptr;
  }
  SendMessageA(up_down, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
  SetPropA(up_down, PROP_COMPANION, field);
  SetPropA(field, PROP_SPIN_UP_DOWN, up_down);
  GadgetRangeSet(id, minimum, maximum);
  GadgetStateSet(id, minimum);
  return field;
}
