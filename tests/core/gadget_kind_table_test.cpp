// The class-name-to-kind table and the text of window-class names.
#include "toolkit/core/class_name_text.h"
#include "toolkit/core/constants.h"
#include "toolkit/core/gadget_kind_table.h"

#include <gtest/gtest.h>

namespace {

TEST(GadgetKindTable, EveryListedClassHasItsFixedNumber) {
  const struct {
    const char* name;
    std::int32_t kind;
  } rows[] = {
      {"ListBox", 2},           {"ComboBox", 3},          {"SysTabControl32", 4},
      {"ScrollBar", 5},         {"SysListView32", 6},     {"msctls_trackbar32", 7},
      {"msctls_progress32", 8}, {"SysDateTimePick32", 9}, {"SysMonthCal32", 10},
      {"ComboLBox", 13},        {"msctls_updown32", 14},  {"ToolbarWindow32", 15},
      {"Static", 16},           {"SysTreeView32", 17},
  };
  for (const auto& row : rows) EXPECT_EQ(GadgetKindFromClassName(row.name), row.kind) << row.name;
}

TEST(GadgetKindTable, OnlyExactNamesMatch) {
  EXPECT_EQ(GadgetKindFromClassName("COMBOBOX"), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName("static"), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName("StaticText"), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName("Stati"), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName("Button"), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName("Edit"), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName("ExplorerGadget"), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName(""), GADGET_KIND_OTHER);
  EXPECT_EQ(GadgetKindFromClassName(nullptr), GADGET_KIND_OTHER);
}

TEST(WindowClassNameText, TimeOfDayAndCountWithoutSeparator) {
  const TimeOfDay time{9, 5, 7};
  EXPECT_EQ(WindowClassNameText(&time, 3), "CLASSCLASS_09:05:073");
  const TimeOfDay late{23, 59, 59};
  EXPECT_EQ(WindowClassNameText(&late, 1234), "CLASSCLASS_23:59:591234");
}

TEST(WindowClassNameText, NoTimeLeavesOnlyTheCount) {
  EXPECT_EQ(WindowClassNameText(nullptr, 12), "CLASSCLASS_12");
}

}  // namespace
