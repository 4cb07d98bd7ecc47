// Tests of the ordering step: fill of the sort array, the key sorts and the rebuild.
#include "toolkit/explorer/explorer_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/explorer/explorer_test_support.h"

namespace {

using Names_t = std::vector<std::string>;
using Scan = void (*)();

// A folder scanned as "..", folders A and B, then files of 0, 10 and 5 bytes.
void ScanSizedFolder() {
  for (const char* folder : {"..", "A", "B"}) ScanFolder(folder);
  ScanFile("zero.dat", 0);
  ScanFile("ten.dat", 10);
  ScanFile("five.dat", 5);
}

void ScanTypedFolder() {
  ScanFolder("..");
  ScanFolder("Sub.TXT");
  for (const char* file : {"b.txt", "a.c", "Makefile", "x.TXT", "photo.JPG"}) ScanFile(file, 1);
}

void ScanDatedFolder() {
  ScanFolder("..", "2001.01.01 00:00:00");
  ScanFolder("old", "1999.12.31 23:59:59");
  ScanFile("new.txt", 3, "2021.02.01 05:03:09");
  ScanFile("mid.txt", 3, "2009.07.14 05:32:31");
  ScanFile("noon.txt", 3, "2009.07.14 12:00:00");
}

void ScanWithoutDotDot() {
  ScanFolder("F", "2005.01.01 00:00:00");
  ScanFile("z.b", 300, "2003.01.01 00:00:00");
  ScanFile("y.a", 100, "2004.01.01 00:00:00");
}

// Drives are files whose names are their roots; D: has no readable size.
void ScanDrives(int drives) {
  const uint64_t sizes[] = {500, 0, 7000, 20};
  for (int k = 0; k < drives; ++k) {
    const std::string root = std::string(1, static_cast<char>('C' + k)) + ":\\";
    ExplorerEntryAdd(ExplorerScanListGet(), root, sizes[k], root, "", ENTRY_KIND_FILE, 0, "");
  }
}

Names_t Sorted(int64_t mode, int32_t ascending, Scan scan) {
  TestGadget gadget(mode, ascending);
  scan();
  SortIntoGadget(&gadget);
  return Names(gadget.list);
}

// The names joined by spaces, in the layout of `expected`: a token "A|B" stands for names of
// equal keys, whose order is left to the sort, so the names it covers are put in name order.
std::string Shown(const Names_t& names, const std::string& expected) {
  std::istringstream tokens(expected);
  std::string shown, token;
  size_t at = 0;
  while (at < names.size()) {
    const size_t take = tokens >> token ? std::count(token.begin(), token.end(), '|') + 1 : 1;
    Names_t group(names.begin() + at, names.begin() + std::min(at + take, names.size()));
    std::sort(group.begin(), group.end());
    for (const std::string& name : group) shown += name + (&name == &group.back() ? " " : "|");
    at += group.size();
  }
  if (!shown.empty()) shown.pop_back();
  return shown;
}

class ExplorerSort : public testing::Test {
 protected:
  void SetUp() override {
    ExplorerScanListInit();
    ExplorerEntryListClear(ExplorerScanListGet());
  }
  void TearDown() override { ExplorerEntryListClear(ExplorerScanListGet()); }
};

TEST_F(ExplorerSort, EveryModeAndDirectionGivesTheDisplayOrder) {
  const Scan drives1 = [] { ScanDrives(1); }, drives2 = [] { ScanDrives(2); };
  const Scan drives4 = [] { ScanDrives(4); };
  const struct {
    Scan scan;
    int64_t mode;
    int32_t ascending;
    const char* expected;
  } rows[] = {
      {ScanSizedFolder, EXPLORER_SORT_NAME, 0, ".. A B zero.dat ten.dat five.dat"},
      {ScanSizedFolder, EXPLORER_SORT_NAME, 1, ".. five.dat ten.dat zero.dat B A"},
      {ScanSizedFolder, EXPLORER_SORT_SIZE, 1, ".. A|B zero.dat five.dat ten.dat"},
      {ScanSizedFolder, EXPLORER_SORT_SIZE, 0, ".. ten.dat five.dat zero.dat A|B"},
      {ScanTypedFolder, EXPLORER_SORT_TYPE, 1, ".. Sub.TXT a.c Makefile photo.JPG b.txt|x.TXT"},
      {ScanTypedFolder, EXPLORER_SORT_TYPE, 0, ".. b.txt|x.TXT photo.JPG Makefile a.c Sub.TXT"},
      {ScanDatedFolder, EXPLORER_SORT_MODIFIED, 1, ".. old mid.txt noon.txt new.txt"},
      {ScanDatedFolder, EXPLORER_SORT_MODIFIED, 0, ".. new.txt noon.txt mid.txt old"},
      // Without "..", slot 0 is sorted too.
      {ScanWithoutDotDot, EXPLORER_SORT_NAME, 0, "F z.b y.a"},
      {ScanWithoutDotDot, EXPLORER_SORT_NAME, 1, "y.a z.b F"},
      {ScanWithoutDotDot, EXPLORER_SORT_SIZE, 1, "F y.a z.b"},
      {ScanWithoutDotDot, EXPLORER_SORT_SIZE, 0, "z.b y.a F"},
      {ScanWithoutDotDot, EXPLORER_SORT_TYPE, 1, "F y.a z.b"},
      {ScanWithoutDotDot, EXPLORER_SORT_TYPE, 0, "z.b y.a F"},
      {ScanWithoutDotDot, EXPLORER_SORT_MODIFIED, 1, "z.b y.a F"},
      {ScanWithoutDotDot, EXPLORER_SORT_MODIFIED, 0, "F y.a z.b"},
      // The drive list: one, two or more drives, an unreadable one level with one byte.
      {drives1, EXPLORER_SORT_SIZE, 1, "C:\\"},
      {drives2, EXPLORER_SORT_SIZE, 1, "D:\\ C:\\"},
      {drives4, EXPLORER_SORT_SIZE, 1, "D:\\ F:\\ C:\\ E:\\"},
      {drives4, EXPLORER_SORT_SIZE, 0, "E:\\ C:\\ F:\\ D:\\"},
      // A column outside the four keeps the order of the name column.
      {ScanSizedFolder, 4, 0, ".. A B zero.dat ten.dat five.dat"},
      {ScanSizedFolder, -1, 1, ".. five.dat ten.dat zero.dat B A"},
      {ScanSizedFolder, INT64_MAX, 0, ".. A B zero.dat ten.dat five.dat"},
      {ScanSizedFolder, INT64_MAX, 1, ".. five.dat ten.dat zero.dat B A"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Shown(Sorted(row.mode, row.ascending, row.scan), row.expected), row.expected)
        << "mode " << row.mode << ", ascending " << row.ascending;
  }
}

TEST_F(ExplorerSort, EmptyScanAndOnlyDotDotInEveryMode) {
  for (int64_t mode = EXPLORER_SORT_NAME; mode <= EXPLORER_SORT_MODIFIED; ++mode) {
    for (int32_t ascending : {0, 1}) {
      TestGadget gadget(mode, ascending);
      ExplorerEntriesSort(ExplorerScanListGet(), 0);
      EXPECT_EQ(ExplorerSortArrayCount(), 0);
      EXPECT_EQ(ExplorerSortArraySlot(0), nullptr);
      ExplorerEntriesRebuild(&gadget.list);
      EXPECT_EQ(gadget.list.head, nullptr) << mode << ascending;
      EXPECT_EQ(Sorted(mode, ascending, [] { ScanFolder(".."); }), Names_t{".."})
          << mode << ascending;
    }
  }
}

TEST_F(ExplorerSort, RebuiltEntriesCarryTrueSizesBlankKeysAndNewNumbers) {
  TestGadget gadget(EXPLORER_SORT_SIZE, 1);
  ScanSizedFolder();
  ScanDrives(2);  // D: is stored raised like an empty file
  SortIntoGadget(&gadget);
  int64_t sequence = 1;
  for (const ExplorerEntry* e = gadget.list.head; e != nullptr; e = e->next) {
    EXPECT_EQ(e->sequence, sequence++);
    EXPECT_EQ(e->sizeRaised, 0) << e->name;
    EXPECT_STREQ(e->modifiedKey, " ") << e->name;
    const bool drive = e->name[1] == ':';
    EXPECT_EQ(std::string(e->path), drive ? e->name : std::string("C:\\d\\") + e->name);
    const bool blank = drive || std::strcmp(e->name, "..") == 0;
    EXPECT_STREQ(e->modifiedText, blank ? "" : "01.01.2020 00:00:00") << e->name;
  }
  const Names_t names = Names(gadget.list);
  const Names_t levelWithOneByte(names.begin() + 3, names.begin() + 5);
  EXPECT_EQ(std::set<std::string>(levelWithOneByte.begin(), levelWithOneByte.end()),
            (std::set<std::string>{"zero.dat", "D:\\"}));
  for (int n : {4, 5}) {
    const ExplorerEntry* e = ExplorerEntryFind(&gadget.list, n);
    EXPECT_EQ(e->size, 0u) << e->name;
    EXPECT_STREQ(e->extension, e->name[1] == ':' ? "d:\\" : "dat");
  }
  EXPECT_EQ(ExplorerEntryFind(&gadget.list, 9), nullptr);
  EXPECT_EQ(ExplorerScanListGet()->head, nullptr);
}

TEST_F(ExplorerSort, TheArrayHoldsDotDotThenReverseScanOrderForAnyCount) {
  const struct { int64_t count, filled; } rows[] = {{6, 6}, {1000, 6}, {INT64_MAX, 6}, {-5, 0}};
  const char* expected[] = {"..", "five.dat", "ten.dat", "zero.dat", "B", "A"};
  for (const auto& row : rows) {
    TestGadget gadget(EXPLORER_SORT_NAME, 1);
    ScanSizedFolder();
    ExplorerEntriesSort(ExplorerScanListGet(), row.count);
    ASSERT_EQ(ExplorerSortArrayCount(), row.filled) << row.count;
    for (int slot = 0; slot < row.filled; ++slot)
      EXPECT_STREQ(ExplorerSortArraySlot(slot)->name, expected[slot]) << row.count;
    for (int64_t slot : {row.filled, row.filled + 1, int64_t{-1}})
      EXPECT_EQ(ExplorerSortArraySlot(slot), nullptr) << row.count << " slot " << slot;
    ExplorerEntriesRebuild(&gadget.list);
    EXPECT_EQ(ExplorerEntryListCount(&gadget.list), row.filled) << row.count;
    ExplorerEntryListClear(ExplorerScanListGet());
  }
}

TEST_F(ExplorerSort, SortRangeOutsideTheFilledSlotsIsHarmless) {
  TestGadget gadget(EXPLORER_SORT_NAME, 1);
  ScanSizedFolder();
  ExplorerEntriesSort(ExplorerScanListGet(), 6);
  ExplorerSortRange(0, -1, ExplorerSortKey::Size);
  ExplorerSortRange(1, 0, ExplorerSortKey::Size);
  EXPECT_STREQ(ExplorerSortArraySlot(1)->name, "five.dat");
  ExplorerSortRange(1, 100, ExplorerSortKey::Size);  // stops at the last entry
  EXPECT_EQ(ExplorerSortArraySlot(6), nullptr);
  EXPECT_STREQ(ExplorerSortArraySlot(5)->name, "ten.dat");
}

TEST_F(ExplorerSort, SortModeComesFromTheCurrentGadgetElseTheScanListKeepsItsOwn) {
  Sorted(EXPLORER_SORT_TYPE, 1, ScanTypedFolder);
  EXPECT_EQ(ExplorerScanListGet()->sortMode, EXPLORER_SORT_TYPE);
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

TEST_F(ExplorerSort, EqualKeysKeepEveryEntryAndAreDeterministic) {
  const Scan scan = [] {
    for (int k = 0; k < 40; ++k) ScanFile("same" + std::to_string(k) + ".txt", 7);
  };
  for (int64_t mode = EXPLORER_SORT_SIZE; mode <= EXPLORER_SORT_MODIFIED; ++mode) {
    const Names_t first = Sorted(mode, 1, scan);
    EXPECT_EQ(first, Sorted(mode, 1, scan)) << mode;
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 40u) << mode;
  }
}

TEST_F(ExplorerSort, ManyRandomSizesComeOutOrderedAndComplete) {
  std::mt19937_64 random(12345);
  std::vector<uint64_t> sizes;
  TestGadget gadget(EXPLORER_SORT_SIZE, 1);
  ScanFolder("..");
  for (int k = 0; k < 5000; ++k) {
    const uint64_t size = random() % 50;  // many repeats
    sizes.push_back(std::max<uint64_t>(size, 1));
    ScanFile("f" + std::to_string(k), size);
  }
  SortIntoGadget(&gadget);
  const Names_t names = Names(gadget.list);
  ASSERT_EQ(names.size(), 5001u);
  EXPECT_EQ(names[0], "..");
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 5001u);
  std::vector<uint64_t> seen;
  for (const ExplorerEntry* e = gadget.list.head->next; e != nullptr; e = e->next)
    seen.push_back(std::max<uint64_t>(e->size, 1));
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(seen, sizes);
}

}  // namespace
