// The class-name-to-kind table: a plain chain of comparisons, run on every paint and notification.
#include "toolkit/core/gadget_kind_table.h"

#include <cstring>

#include <vantrel/constants.h>

namespace {

struct KindByName {
  const char* name;
  std::int32_t kind;
};

// The order is the lookup order; names are distinct, so it decides nothing but speed.
constexpr KindByName kKinds[] = {
    {"ComboBox", GADGET_KIND_COMBOBOX},
    {"ComboLBox", GADGET_KIND_COMBOLIST},
    {"ListBox", GADGET_KIND_LISTBOX},
    {"SysTabControl32", GADGET_KIND_TABCONTROL},
    {"msctls_trackbar32", GADGET_KIND_TRACKBAR},
    {"ScrollBar", GADGET_KIND_SCROLLBAR},
    {"msctls_progress32", GADGET_KIND_PROGRESS},
    {"SysDateTimePick32", GADGET_KIND_DATETIME},
    {"SysMonthCal32", GADGET_KIND_CALENDAR},
    {"msctls_updown32", GADGET_KIND_UPDOWN},
    {"ToolbarWindow32", GADGET_KIND_TOOLBAR},
    {"Static", GADGET_KIND_STATIC},
    {"SysListView32", GADGET_KIND_LISTVIEW},
    {"SysTreeView32", GADGET_KIND_TREEVIEW},
};

}  // namespace

std::int32_t GadgetKindFromClassName(const char* class_name) {
  if (class_name == nullptr) return GADGET_KIND_OTHER;
  for (const KindByName& entry : kKinds) {
    if (std::strcmp(entry.name, class_name) == 0) return entry.kind;
  }
  return GADGET_KIND_OTHER;
}
