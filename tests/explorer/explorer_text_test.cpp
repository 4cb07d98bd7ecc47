// Tests of the explorer's platform-free texts: date layouts and share roots.
#include "toolkit/explorer/explorer_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ExplorerDateText, BothLayouts) {
  const struct {
    ExplorerDateParts parts;
    int sortable;
    const char* text;
  } rows[] = {
      {{2021, 2, 1, 5, 3, 9}, 0, "01.02.2021 05:03:09"},
      {{2021, 2, 1, 5, 3, 9}, 1, "2021.02.01 05:03:09"},
      {{2009, 12, 31, 23, 59, 58}, 0, "31.12.2009 23:59:58"},
      {{1601, 10, 10, 10, 10, 10}, 0, "10.10.1601 10:10:10"},
      {{601, 1, 1, 0, 0, 0}, 1, "601.01.01 00:00:00"},  // no leading zeros on the year
      // Values outside their range are still written in full.
      {{30828, 100, 0, 0, 0, 0}, 1, "30828.100.00 00:00:00"},
      {{INT_MIN, 1, 1, 0, 0, 0}, 1, "-2147483648.01.01 00:00:00"},
  };
  for (const auto& row : rows) EXPECT_EQ(ExplorerDateText(row.parts, row.sortable), row.text);
  EXPECT_LT(ExplorerDateText({2009, 9, 30, 0, 0, 0}, 1),
            ExplorerDateText({2009, 10, 1, 0, 0, 0}, 1));
}

TEST(ExplorerDateFormat, IsCutToTheBufferAndTerminated) {
  const ExplorerDateParts parts{2021, 2, 1, 5, 3, 9};
  char small[8];
  EXPECT_EQ(ExplorerDateFormat(parts, 1, small, sizeof(small)), 7u);
  EXPECT_STREQ(small, "2021.02");
  char one[1] = {'x'};
  EXPECT_EQ(ExplorerDateFormat(parts, 1, one, 1), 0u);
  EXPECT_EQ(one[0], '\0');
  EXPECT_EQ(ExplorerDateFormat(parts, 1, nullptr, 0), 0u);
  char field[ENTRY_DATE_SIZE];
  EXPECT_EQ(ExplorerDateFormat(parts, 0, field, sizeof(field)), 19u);
}

TEST(ExplorerIsShareRoot, RecognisesTheTopOfAShareOnly) {
  const struct {
    const char* path;
    int expected;
  } rows[] = {
      {"\\\\server\\share\\", -1},
      {"\\\\server\\share", -1},
      {"\\\\server\\share\\*.txt", -1},
      {"\\\\", -1},
      {"\\\\server\\share\\dir\\", 0},
      {"C:\\", 0},
      {"\\server\\share\\", 0},
      {"\\", 0},
      {"", 0},
  };
  for (const auto& row : rows) EXPECT_EQ(ExplorerIsShareRoot(row.path), row.expected) << row.path;
}

}  // namespace
