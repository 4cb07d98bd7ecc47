// Explorer records are kept in their window's companion property and found from there.
#include "toolkit/explorer/explorer_record.h"

#include "toolkit/core/module_seams.h"
#include "toolkit/core/startup.h"
#include "toolkit/gadgets/gadget_constants.h"

namespace {

// Colours and Tab reach an explorer gadget through its list view.
HWND ExplorerInnerControl(HWND window) {
  if (WindowClassNameGet(window) != CLASS_EXPLORER_GADGET) return nullptr;
  return ExplorerListViewOfWindow(window);
}

}  // namespace

ExplorerGadgetData* ExplorerRecordOfWindow(HWND window) {
  if (window == nullptr) return nullptr;
  return static_cast<ExplorerGadgetData*>(GetPropA(window, PROP_COMPANION));
}

HWND ExplorerListViewOfWindow(HWND window) {
  const ExplorerGadgetData* record = ExplorerRecordOfWindow(window);
  return record != nullptr ? record->listView : nullptr;
}

ExplorerGadgetData* ExplorerRecordOf(GadgetId id) {
  HWND window = GadgetWindowOf(id);
  // Other gadgets keep other things under the same property.
  if (window == nullptr || WindowClassNameGet(window) != CLASS_EXPLORER_GADGET) return nullptr;
  return ExplorerRecordOfWindow(window);
}

void ExplorerWindowsInit() {
  InnerControlResolverSet(&ExplorerInnerControl);
}
