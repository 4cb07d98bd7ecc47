// Tree gadgets: nodes under parents, with lines and buttons; clicks and keyboard choices are
// events.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

namespace {

HWND TreeOf(GadgetId id) {
  HWND tree = GadgetWindowOf(id);
  return tree != nullptr && GadgetKindOf(tree) == GADGET_KIND_TREEVIEW ? tree : nullptr;
}

}  // namespace

HWND TreeGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t flags) {
  return GadgetControlCreate(id, WC_TREEVIEWA, nullptr,
                             TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                             WS_EX_CLIENTEDGE, x, y, width, height, true);
}

std::int64_t TreeNodeAdd(GadgetId id, std::int64_t parent, const char* text) {
  HWND tree = TreeOf(id);
  if (tree == nullptr || text == nullptr) return 0;
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent == 0 ? TVI_ROOT : reinterpret_cast<HTREEITEM>(parent);
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text);
  return static_cast<std::int64_t>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

int TreeNodeRemove(GadgetId id, std::int64_t node) {
  HWND tree = TreeOf(id);
  if (tree == nullptr || node == 0) return 0;
  return SendMessageA(tree, TVM_DELETEITEM, 0, static_cast<LPARAM>(node)) != 0 ? 1 : 0;
}

std::string TreeNodeTextGet(GadgetId id, std::int64_t node) {
  HWND tree = TreeOf(id);
  if (tree == nullptr || node == 0) return std::string();
  char text[TREE_NODE_TEXT_MAX] = {};
  TVITEMA item = {};
  item.mask = TVIF_TEXT;
  item.hItem = reinterpret_cast<HTREEITEM>(node);
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  if (SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) == 0)
    return std::string();
  return text;
}

std::int64_t TreeNodeChosenGet(GadgetId id) {
  HWND tree = TreeOf(id);
  return tree != nullptr
             ? static_cast<std::int64_t>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0))
             : 0;
}
