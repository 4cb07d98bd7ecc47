// The items of a list box, combo box or list view (its rows, by their first cell) by id: added,
// removed, counted, read and changed.
#include <vantrel/toolkit.h>

#include <commctrl.h>

#include "toolkit/gadgets/list_view_rows.h"

namespace {

// The messages of one kind of list.
struct ItemMessages {
  UINT add, insert, remove, count, clear, length, text, choice, choose;
};
// A list view's rows: added by ListViewRowAdd, read and changed by ListViewCell*.
constexpr ItemMessages kListView = {
    0, 0, LVM_DELETEITEM, LVM_GETITEMCOUNT, LVM_DELETEALLITEMS, 0, 0, 0, 0};
constexpr ItemMessages kListBox = {LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                                   LB_GETCOUNT,  LB_RESETCONTENT, LB_GETTEXTLEN,
                                   LB_GETTEXT,   LB_GETCURSEL,    LB_SETCURSEL};
constexpr ItemMessages kComboBox = {CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
                                    CB_GETCOUNT,  CB_RESETCONTENT, CB_GETLBTEXTLEN,
                                    CB_GETLBTEXT, CB_GETCURSEL,    CB_SETCURSEL};

// The list gadget under id and its messages; null for any other.
HWND ListOf(GadgetId id, const ItemMessages** messages) {
  HWND gadget = GadgetWindowOf(id);
  const std::int32_t kind = gadget != nullptr ? GadgetKindOf(gadget) : GADGET_KIND_OTHER;
  if (kind == GADGET_KIND_LISTBOX) *messages = &kListBox;
  if (kind == GADGET_KIND_COMBOBOX) *messages = &kComboBox;
  if (kind == GADGET_KIND_LISTVIEW) *messages = &kListView;
  return kind == GADGET_KIND_LISTBOX || kind == GADGET_KIND_COMBOBOX || kind == GADGET_KIND_LISTVIEW
             ? gadget
             : nullptr;
}

LRESULT Send(HWND list, UINT message, std::int64_t index, LPARAM lparam = 0) {
  return SendMessageA(list, message, static_cast<WPARAM>(index), lparam);
}

bool InRange(HWND list, const ItemMessages& m, std::int64_t index) {
  return index >= 0 && index < Send(list, m.count, 0);
}

}  // namespace

std::int64_t GadgetItemAdd(GadgetId id, std::int64_t index, const char* text) {
  const ItemMessages* m = nullptr;
  HWND list = ListOf(id, &m);
  if (list == nullptr || text == nullptr || index < -1 || index > Send(list, m->count, 0))
    return -1;
  if (m == &kListView) return ListViewRowAdd(list, index, text);
  const auto lparam = reinterpret_cast<LPARAM>(text);
  const LRESULT added =
      index == -1 ? Send(list, m->add, 0, lparam) : Send(list, m->insert, index, lparam);
  return added < 0 ? -1 : added;  // LB_ERR, CB_ERR, or out of memory (LB_ERRSPACE)
}

int GadgetItemRemove(GadgetId id, std::int64_t index) {
  const ItemMessages* m = nullptr;
  HWND list = ListOf(id, &m);
  if (list == nullptr || !InRange(list, *m, index)) return 0;
  Send(list, m->remove, index);
  return 1;
}

std::int64_t GadgetItemCount(GadgetId id) {
  const ItemMessages* m = nullptr;
  HWND list = ListOf(id, &m);
  return list != nullptr ? Send(list, m->count, 0) : -1;
}

int GadgetItemsClear(GadgetId id) {
  const ItemMessages* m = nullptr;
  HWND list = ListOf(id, &m);
  if (list == nullptr) return 0;
  Send(list, m->clear, 0);
  return 1;
}

std::string GadgetItemTextGet(GadgetId id, std::int64_t index) {
  const ItemMessages* m = nullptr;
  HWND list = ListOf(id, &m);
  if (list == nullptr || !InRange(list, *m, index)) return std::string();
  if (m == &kListView) return ListViewCellGet(id, index, 0);
  std::string text(static_cast<std::size_t>(Send(list, m->length, index)) + 1, '\0');
  const LRESULT length = Send(list, m->text, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length < 0 ? 0 : static_cast<std::size_t>(length));
  return text;
}

int GadgetItemTextSet(GadgetId id, std::int64_t index, const char* text) {
  const ItemMessages* m = nullptr;
  HWND list = ListOf(id, &m);
  if (list == nullptr || text == nullptr || !InRange(list, *m, index)) return 0;
  if (m == &kListView) return ListViewCellSet(id, index, 0, text);
  // Lists have no message to change a text: the item is put again in its place, still chosen
  // if it was.
  const bool chosen = Send(list, m->choice, 0) == index;
  Send(list, m->remove, index);
  Send(list, m->insert, index, reinterpret_cast<LPARAM>(text));
  if (chosen) Send(list, m->choose, index);
  return 1;
}
