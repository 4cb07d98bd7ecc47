// The class-name-to-kind table and the text of window-class names.
#include "toolkit/core/class_name_text.h"
#include "toolkit/core/gadget_kind_table.h"

#include <gtest/gtest.h>

namespace {

TEST(GadgetKindTable, OnlyTheExactListedNamesHaveTheirFixedNumbers) {
  // clang-format off
  const std::pair<const char*, std::int32_t> rows[] = {
      {"ListBox", 2}, {"ComboBox", 3}, {"SysTabControl32", 4}, {"ScrollBar", 5}, {"SysListView32", 6},
      {"msctls_trackbar32", 7}, {"msctls_progress32", 8}, {"SysDateTimePick32", 9},
      {"SysMonthCal32", 10}, {"ComboLBox", 13}, {"msctls_updown32", 14}, {"ToolbarWindow32", 15},
      {"Static", 16}, {"SysTreeView32", 17}, {"COMBOBOX", 0}, {"static", 0}, {"StaticText", 0},
      {"Stati", 0}, {"Button", 0}, {"ExplorerGadget", 0}, {"", 0}, {nullptr, 0}};
  // clang-format on
  for (const auto& [name, kind] : rows)
    EXPECT_EQ(GadgetKindFromClassName(name), kind) << (name != nullptr ? name : "null");
}

TEST(WindowClassNameText, TimeOfDayAndCountWithoutSeparator) {
  const TimeOfDay early{9, 5, 7}, late{23, 59, 59};
  EXPECT_EQ(WindowClassNameText(&early, 3), "CLASSCLASS_09:05:073");
  EXPECT_EQ(WindowClassNameText(&late, 1234), "CLASSCLASS_23:59:591234");
  EXPECT_EQ(WindowClassNameText(nullptr, 12), "CLASSCLASS_12");  // no time: only the count
}

}  // namespace
