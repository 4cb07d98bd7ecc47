// A gadget's colours by id: its colour entry made or changed, and the colours delivered as its
// class takes them.
#include <vantrel/toolkit.h>

#include "toolkit/core/module_seams.h"

int GadgetColoursSet(GadgetId id, std::int32_t background, std::int32_t text) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr) return 0;
  // A composite gadget (an explorer) is painted through its inner control.
  HWND inner = InnerControlOf(gadget);
  if (ColourEntryAdd(inner != nullptr ? inner : gadget, background, text) == 0) return 0;
  GadgetColourSet(id, background, text, COLOUR_BOTH);
  return 1;
}
