// ExplorerCurrent: the explorer gadget that scanning and presentation are serving now.
#include "toolkit/explorer/explorer_gadget_data.h"

namespace {

ExplorerGadgetData* current = nullptr;

}  // namespace

ExplorerGadgetData* ExplorerCurrentGet() {
  return current;
}

void ExplorerCurrentSet(ExplorerGadgetData* gadget) {
  current = gadget;
}
