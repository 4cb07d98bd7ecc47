// Tests of the explorer's platform-free texts: date layouts and share roots.
#include "toolkit/explorer/explorer_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ExplorerDateText, BothLayoutsOfOneTime) {
  const ExplorerDateParts parts{2021, 2, 1, 5, 3, 9};
  EXPECT_EQ(ExplorerDateText(parts, 0), "01.02.2021 05:03:09");
  EXPECT_EQ(ExplorerDateText(parts, 1), "2021.02.01 05:03:09");
  const ExplorerDateParts late{2009, 12, 31, 23, 59, 58};
  EXPECT_EQ(ExplorerDateText(late, 0), "31.12.2009 23:59:58");
  EXPECT_EQ(ExplorerDateText(late, 1), "2009.12.31 23:59:58");
}

TEST(ExplorerDateText, YearHasNoLeadingZerosAndTenGetsNoPadding) {
  EXPECT_EQ(ExplorerDateText({601, 1, 1, 0, 0, 0}, 1), "601.01.01 00:00:00");
  EXPECT_EQ(ExplorerDateText({1601, 10, 10, 10, 10, 10}, 0), "10.10.1601 10:10:10");
}

TEST(ExplorerDateText, ValuesOutsideTheirRangeAreStillWrittenInFull) {
  EXPECT_EQ(ExplorerDateText({30828, 100, 0, 0, 0, 0}, 1), "30828.100.00 00:00:00");
  EXPECT_EQ(ExplorerDateText({INT_MIN, 1, 1, 0, 0, 0}, 1), "-2147483648.01.01 00:00:00");
}

TEST(ExplorerDateText, SortableTextsOrderChronologically) {
  EXPECT_LT(ExplorerDateText({2009, 7, 14, 5, 32, 31}, 1),
            ExplorerDateText({2009, 7, 14, 12, 0, 0}, 1));
  EXPECT_LT(ExplorerDateText({2009, 9, 30, 0, 0, 0}, 1),
            ExplorerDateText({2009, 10, 1, 0, 0, 0}, 1));
}

TEST(ExplorerDateFormat, IsCutToTheBufferAndTerminated) {
  char small[8];
  EXPECT_EQ(ExplorerDateFormat({2021, 2, 1, 5, 3, 9}, 1, small, sizeof(small)), 7u);
  EXPECT_STREQ(small, "2021.02");
  char one[1] = {'x'};
  EXPECT_EQ(ExplorerDateFormat({2021, 2, 1, 5, 3, 9}, 1, one, 1), 0u);
  EXPECT_EQ(one[0], '\0');
  EXPECT_EQ(ExplorerDateFormat({2021, 2, 1, 5, 3, 9}, 1, nullptr, 0), 0u);
  char field[ENTRY_DATE_SIZE];
  EXPECT_EQ(ExplorerDateFormat({2021, 2, 1, 5, 3, 9}, 0, field, sizeof(field)), 19u);
}

TEST(ExplorerIsShareRoot, RecognisesTheTopOfAShareOnly) {
  EXPECT_EQ(ExplorerIsShareRoot("\\\\server\\share\\"), -1);
  EXPECT_EQ(ExplorerIsShareRoot("\\\\server\\share"), -1);
  EXPECT_EQ(ExplorerIsShareRoot("\\\\server\\share\\*.txt"), -1);
  EXPECT_EQ(ExplorerIsShareRoot("\\\\"), -1);
  EXPECT_EQ(ExplorerIsShareRoot("\\\\server\\share\\dir\\"), 0);
  EXPECT_EQ(ExplorerIsShareRoot("C:\\"), 0);
  EXPECT_EQ(ExplorerIsShareRoot("\\server\\share\\"), 0);
  EXPECT_EQ(ExplorerIsShareRoot("\\"), 0);
  EXPECT_EQ(ExplorerIsShareRoot(""), 0);
}

}  // namespace
