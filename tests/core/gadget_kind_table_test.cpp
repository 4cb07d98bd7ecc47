// The class-name-to-kind table: exact names only.
#include "toolkit/core/gadget_kind_table.h"

#include <gtest/gtest.h>

namespace {

TEST(GadgetKindTable, OnlyTheExactListedNamesHaveTheirFixedNumbers) {
  // clang-format off
  const std::pair<const char*, std::int32_t> rows[] = {
      {"ComboBox", 3}, {"ComboLBox", 13}, {"Static", 16}, {"SysTreeView32", 17}, {"COMBOBOX", 0},
      {"StaticText", 0}, {"Stati", 0}, {"Button", 0}, {"", 0}, {nullptr, 0}};
  // clang-format on
  for (const auto& [name, kind] : rows)
    EXPECT_EQ(GadgetKindFromClassName(name), kind) << (name != nullptr ? name : "null");
}

}  // namespace
