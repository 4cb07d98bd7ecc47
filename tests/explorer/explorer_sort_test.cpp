// Tests of the ordering step: fill of the sort array, the key sorts and the rebuild.
#include "toolkit/explorer/explorer_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/explorer/explorer_test_support.h"

namespace {

using Names_t = std::vector<std::string>;

// A folder scanned as "..", folders A and B, then files of 0, 10 and 5 bytes.
void ScanSizedFolder() {
  ScanFolder("..");
  ScanFolder("A");
  ScanFolder("B");
  ScanFile("zero.dat", 0);
  ScanFile("ten.dat", 10);
  ScanFile("five.dat", 5);
}

Names_t Sorted(int64_t mode, int32_t ascending, void (*scan)()) {
  TestGadget gadget(mode, ascending);
  scan();
  SortIntoGadget(&gadget);
  return Names(gadget.list);
}

class ExplorerSort : public testing::Test {
 protected:
  void SetUp() override {
    ExplorerScanListInit();
    ExplorerEntryListClear(ExplorerScanListGet());
  }
  void TearDown() override { ExplorerEntryListClear(ExplorerScanListGet()); }
};

TEST_F(ExplorerSort, NameKeepsScanOrderDescendingAndReversesAscending) {
  EXPECT_EQ(Sorted(EXPLORER_SORT_NAME, 0, ScanSizedFolder),
            (Names_t{"..", "A", "B", "zero.dat", "ten.dat", "five.dat"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_NAME, 1, ScanSizedFolder),
            (Names_t{"..", "five.dat", "ten.dat", "zero.dat", "B", "A"}));
}

TEST_F(ExplorerSort, SizeAscendingPutsFoldersFirstAndEmptyFileLevelWithOneByte) {
  const Names_t names = Sorted(EXPLORER_SORT_SIZE, 1, ScanSizedFolder);
  ASSERT_EQ(names.size(), 6u);
  EXPECT_EQ(names[0], "..");
  EXPECT_EQ((std::set<std::string>{names[1], names[2]}), (std::set<std::string>{"A", "B"}));
  EXPECT_EQ((Names_t{names[3], names[4], names[5]}), (Names_t{"zero.dat", "five.dat", "ten.dat"}));
}

TEST_F(ExplorerSort, SizeDescendingKeepsDotDotFirstAndFoldersLast) {
  const Names_t names = Sorted(EXPLORER_SORT_SIZE, 0, ScanSizedFolder);
  ASSERT_EQ(names.size(), 6u);
  EXPECT_EQ((Names_t{names[0], names[1], names[2], names[3]}),
            (Names_t{"..", "ten.dat", "five.dat", "zero.dat"}));
  EXPECT_EQ((std::set<std::string>{names[4], names[5]}), (std::set<std::string>{"A", "B"}));
}

TEST_F(ExplorerSort, RebuiltEntriesCarryTrueSizesBlankKeysAndNewNumbers) {
  TestGadget gadget(EXPLORER_SORT_SIZE, 1);
  ScanSizedFolder();
  SortIntoGadget(&gadget);
  int64_t expected_sequence = 1;
  for (const ExplorerEntry* e = gadget.list.head; e != nullptr; e = e->next) {
    EXPECT_EQ(e->sequence, expected_sequence++);
    EXPECT_EQ(e->sizeRaised, 0) << e->name;
    EXPECT_STREQ(e->modifiedKey, " ") << e->name;
    EXPECT_EQ(std::string(e->path), std::string("C:\\d\\") + e->name);
    const char* shown = std::strcmp(e->name, "..") == 0 ? "" : "01.01.2020 00:00:00";
    EXPECT_STREQ(e->modifiedText, shown);
  }
  const ExplorerEntry* zero = ExplorerEntryFind(&gadget.list, 4);
  ASSERT_NE(zero, nullptr);
  EXPECT_STREQ(zero->name, "zero.dat");
  EXPECT_EQ(zero->size, 0u);
  EXPECT_STREQ(zero->extension, "dat");
  EXPECT_EQ(ExplorerEntryFind(&gadget.list, 7), nullptr);
  EXPECT_EQ(ExplorerScanListGet()->head, nullptr);
}

void ScanTypedFolder() {
  ScanFolder("..");
  ScanFolder("Sub.TXT");
  ScanFile("b.txt", 1);
  ScanFile("a.c", 1);
  ScanFile("Makefile", 1);
  ScanFile("x.TXT", 1);
  ScanFile("photo.JPG", 1);
}

TEST_F(ExplorerSort, TypeOrdersByLoweredExtensionFoldersFirst) {
  const Names_t up = Sorted(EXPLORER_SORT_TYPE, 1, ScanTypedFolder);
  ASSERT_EQ(up.size(), 7u);
  EXPECT_EQ((Names_t{up[0], up[1], up[2], up[3], up[4]}),
            (Names_t{"..", "Sub.TXT", "a.c", "Makefile", "photo.JPG"}));
  EXPECT_EQ((std::set<std::string>{up[5], up[6]}), (std::set<std::string>{"b.txt", "x.TXT"}));
  const Names_t down = Sorted(EXPLORER_SORT_TYPE, 0, ScanTypedFolder);
  ASSERT_EQ(down.size(), 7u);
  EXPECT_EQ(down[0], "..");
  EXPECT_EQ((std::set<std::string>{down[1], down[2]}), (std::set<std::string>{"b.txt", "x.TXT"}));
  EXPECT_EQ((Names_t{down[3], down[4], down[5], down[6]}),
            (Names_t{"photo.JPG", "Makefile", "a.c", "Sub.TXT"}));
}

void ScanDatedFolder() {
  ScanFolder("..", "2001.01.01 00:00:00");
  ScanFolder("old", "1999.12.31 23:59:59");
  ScanFile("new.txt", 3, "2021.02.01 05:03:09");
  ScanFile("mid.txt", 3, "2009.07.14 05:32:31");
  ScanFile("noon.txt", 3, "2009.07.14 12:00:00");
}

TEST_F(ExplorerSort, ModifiedOrdersChronologically) {
  EXPECT_EQ(Sorted(EXPLORER_SORT_MODIFIED, 1, ScanDatedFolder),
            (Names_t{"..", "old", "mid.txt", "noon.txt", "new.txt"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_MODIFIED, 0, ScanDatedFolder),
            (Names_t{"..", "new.txt", "noon.txt", "mid.txt", "old"}));
}

TEST_F(ExplorerSort, EveryModeWithoutDotDotSortsFromSlotZero) {
  auto scan = [] {
    ScanFolder("F", "2005.01.01 00:00:00");
    ScanFile("z.b", 300, "2003.01.01 00:00:00");
    ScanFile("y.a", 100, "2004.01.01 00:00:00");
  };
  static void (*const scan_fn)() = scan;
  EXPECT_EQ(Sorted(EXPLORER_SORT_NAME, 0, scan_fn), (Names_t{"F", "z.b", "y.a"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_NAME, 1, scan_fn), (Names_t{"y.a", "z.b", "F"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_SIZE, 1, scan_fn), (Names_t{"F", "y.a", "z.b"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_SIZE, 0, scan_fn), (Names_t{"z.b", "y.a", "F"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_TYPE, 1, scan_fn), (Names_t{"F", "y.a", "z.b"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_TYPE, 0, scan_fn), (Names_t{"z.b", "y.a", "F"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_MODIFIED, 1, scan_fn), (Names_t{"z.b", "y.a", "F"}));
  EXPECT_EQ(Sorted(EXPLORER_SORT_MODIFIED, 0, scan_fn), (Names_t{"F", "y.a", "z.b"}));
}

// Drives are files whose names are their roots; no ".." stands before them.
void ScanDrives(int drives) {
  const uint64_t sizes[] = {500, 0, 7000, 20};
  for (int k = 0; k < drives; ++k) {
    const std::string root = std::string(1, static_cast<char>('C' + k)) + ":\\";
    ExplorerEntryAdd(ExplorerScanListGet(), root, sizes[k], root, "", ENTRY_KIND_FILE, 0, "");
  }
}

TEST_F(ExplorerSort, DriveListOrdersEverySlotIncludingTheFirst) {
  {
    TestGadget gadget(EXPLORER_SORT_SIZE, 1);
    ScanDrives(1);
    SortIntoGadget(&gadget);
    EXPECT_EQ(Names(gadget.list), (Names_t{"C:\\"}));
    EXPECT_STREQ(gadget.list.head->extension, "c:\\");
  }
  {
    TestGadget gadget(EXPLORER_SORT_SIZE, 1);
    ScanDrives(2);
    SortIntoGadget(&gadget);
    // D: has no readable size: it is raised to 1 for the sort and shown as 0.
    EXPECT_EQ(Names(gadget.list), (Names_t{"D:\\", "C:\\"}));
    EXPECT_EQ(gadget.list.head->size, 0u);
  }
  {
    TestGadget gadget(EXPLORER_SORT_SIZE, 1);
    ScanDrives(4);
    SortIntoGadget(&gadget);
    EXPECT_EQ(Names(gadget.list), (Names_t{"D:\\", "F:\\", "C:\\", "E:\\"}));
  }
  {
    TestGadget gadget(EXPLORER_SORT_SIZE, 0);
    ScanDrives(4);
    SortIntoGadget(&gadget);
    EXPECT_EQ(Names(gadget.list), (Names_t{"E:\\", "C:\\", "F:\\", "D:\\"}));
  }
}

TEST_F(ExplorerSort, EmptyScanLeavesOneEmptySlotAndAnEmptyList) {
  for (int64_t mode = EXPLORER_SORT_NAME; mode <= EXPLORER_SORT_MODIFIED; ++mode) {
    for (int32_t ascending : {0, 1}) {
      TestGadget gadget(mode, ascending);
      ExplorerEntriesSort(ExplorerScanListGet(), 0);
      EXPECT_EQ(ExplorerSortArrayCount(), 0);
      EXPECT_EQ(ExplorerSortArraySlot(0), nullptr);
      ExplorerEntriesRebuild(&gadget.list);
      EXPECT_EQ(gadget.list.head, nullptr);
    }
  }
}

TEST_F(ExplorerSort, OnlyDotDotStaysDotDotInEveryMode) {
  for (int64_t mode = EXPLORER_SORT_NAME; mode <= EXPLORER_SORT_MODIFIED; ++mode) {
    for (int32_t ascending : {0, 1}) {
      EXPECT_EQ(Sorted(mode, ascending, [] { ScanFolder(".."); }), (Names_t{".."}));
    }
  }
}

TEST_F(ExplorerSort, TheArrayHoldsDotDotThenReverseScanOrder) {
  TestGadget gadget(EXPLORER_SORT_NAME, 0);
  ScanSizedFolder();
  ExplorerEntriesSort(ExplorerScanListGet(), 6);
  ASSERT_EQ(ExplorerSortArrayCount(), 6);
  const char* expected[] = {"..", "five.dat", "ten.dat", "zero.dat", "B", "A"};
  for (int slot = 0; slot < 6; ++slot)
    EXPECT_STREQ(ExplorerSortArraySlot(slot)->name, expected[slot]);
  EXPECT_EQ(ExplorerSortArraySlot(6), nullptr);
  EXPECT_EQ(ExplorerSortArraySlot(7), nullptr);
  EXPECT_EQ(ExplorerSortArraySlot(-1), nullptr);
}

TEST_F(ExplorerSort, SortModeComesFromTheCurrentGadgetAndStaysOnTheScanList) {
  TestGadget gadget(EXPLORER_SORT_TYPE, 1);
  ScanTypedFolder();
  SortIntoGadget(&gadget);
  EXPECT_EQ(ExplorerScanListGet()->sortMode, EXPLORER_SORT_TYPE);
}

TEST_F(ExplorerSort, WithoutCurrentGadgetTheScanListKeepsItsMode) {
  ExplorerGadgetData* saved = ExplorerCurrentGet();
  ExplorerCurrentSet(nullptr);
  ExplorerEntryList target;
  target.ascending = 1;
  ExplorerScanListGet()->sortMode = EXPLORER_SORT_SIZE;
  ScanSizedFolder();
  ExplorerEntriesSort(ExplorerScanListGet(), 6);
  ExplorerEntriesRebuild(&target);
  ExplorerEntryListClear(ExplorerScanListGet());
  ExplorerCurrentSet(saved);
  EXPECT_EQ(Names(target).back(), "ten.dat");
  ExplorerScanListGet()->sortMode = EXPLORER_SORT_NAME;
}

TEST_F(ExplorerSort, ColumnOutsideTheFourKeepsScanOrderOfRealEntries) {
  for (int64_t mode : {int64_t{4}, int64_t{-1}, INT64_MAX}) {
    EXPECT_EQ(Sorted(mode, 0, ScanSizedFolder),
              (Names_t{"..", "A", "B", "zero.dat", "ten.dat", "five.dat"}))
        << mode;
    EXPECT_EQ(Sorted(mode, 1, ScanSizedFolder),
              (Names_t{"..", "five.dat", "ten.dat", "zero.dat", "B", "A"}))
        << mode;
  }
}

TEST_F(ExplorerSort, CountAboveTheEntriesHeldNeverReadsPastTheList) {
  TestGadget gadget(EXPLORER_SORT_SIZE, 1);
  ScanSizedFolder();
  ExplorerEntriesSort(ExplorerScanListGet(), 1000);
  EXPECT_EQ(ExplorerSortArrayCount(), 6);
  ExplorerEntriesRebuild(&gadget.list);
  ExplorerEntryListClear(ExplorerScanListGet());
  EXPECT_EQ(ExplorerEntryListCount(&gadget.list), 6);
}

TEST_F(ExplorerSort, NegativeOrHugeCountsAreSafe) {
  TestGadget gadget(EXPLORER_SORT_SIZE, 1);
  ScanSizedFolder();
  ExplorerEntriesSort(ExplorerScanListGet(), -5);
  EXPECT_EQ(ExplorerSortArrayCount(), 0);
  ExplorerEntriesSort(ExplorerScanListGet(), INT64_MAX);
  EXPECT_EQ(ExplorerSortArrayCount(), 6);
}

TEST_F(ExplorerSort, SortRangeOutsideTheFilledSlotsIsHarmless) {
  TestGadget gadget(EXPLORER_SORT_NAME, 1);
  ScanSizedFolder();
  ExplorerEntriesSort(ExplorerScanListGet(), 6);
  ExplorerSortRange(0, -1, ExplorerSortKey::Size);
  ExplorerSortRange(1, 0, ExplorerSortKey::Size);
  EXPECT_STREQ(ExplorerSortArraySlot(1)->name, "five.dat");
  // A range reaching past the entries stops at the last one.
  ExplorerSortRange(1, 100, ExplorerSortKey::Size);
  EXPECT_EQ(ExplorerSortArraySlot(6), nullptr);
  EXPECT_STREQ(ExplorerSortArraySlot(5)->name, "ten.dat");
}

TEST_F(ExplorerSort, EqualKeysKeepEveryEntryAndAreDeterministic) {
  auto scan = [] {
    for (int k = 0; k < 40; ++k) ScanFile("same" + std::to_string(k) + ".txt", 7);
  };
  static void (*const scan_fn)() = scan;
  for (int64_t mode = EXPLORER_SORT_SIZE; mode <= EXPLORER_SORT_MODIFIED; ++mode) {
    const Names_t first = Sorted(mode, 1, scan_fn);
    const Names_t again = Sorted(mode, 1, scan_fn);
    EXPECT_EQ(first, again);
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 40u);
  }
}

TEST_F(ExplorerSort, ManyRandomSizesComeOutOrderedAndComplete) {
  std::mt19937_64 random(12345);
  std::vector<uint64_t> sizes;
  TestGadget gadget(EXPLORER_SORT_SIZE, 1);
  ScanFolder("..");
  for (int k = 0; k < 5000; ++k) {
    const uint64_t size = random() % 50;  // many repeats
    sizes.push_back(size == 0 ? 1 : size);
    ScanFile("f" + std::to_string(k), size);
  }
  SortIntoGadget(&gadget);
  ASSERT_EQ(ExplorerEntryListCount(&gadget.list), 5001);
  EXPECT_STREQ(gadget.list.head->name, "..");
  std::vector<uint64_t> seen;
  std::set<std::string> names;
  for (const ExplorerEntry* e = gadget.list.head->next; e != nullptr; e = e->next) {
    seen.push_back(e->size == 0 ? 1 : e->size);
    names.insert(e->name);
  }
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(seen, sizes);
  EXPECT_EQ(names.size(), 5000u);
}

}  // namespace
