// Tests of ExplorerEntry and ExplorerEntryList: appending, stored texts, lookup, clearing.
#include "toolkit/explorer/explorer_entries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/explorer/explorer_test_support.h"

namespace {

ExplorerEntry* AddFile(ExplorerEntryList* list, const std::string& name, uint64_t size = 10) {
  return ExplorerEntryAdd(list, name, size, "C:\\" + name, "14.07.2009 05:32:31", ENTRY_KIND_FILE,
                          0, "2009.07.14 05:32:31");
}

TEST(ExplorerEntryInit, BlanksEverythingButTheExtension) {
  ExplorerEntry entry;
  std::memset(&entry, 0x5A, sizeof(entry));
  ExplorerEntryInit(&entry);
  EXPECT_EQ(entry.next, nullptr);
  EXPECT_EQ(entry.prev, nullptr);
  EXPECT_EQ(entry.sequence, 0);
  EXPECT_EQ(entry.kind, 0);
  EXPECT_EQ(entry.size, 0u);
  EXPECT_EQ(entry.sizeRaised, 0);
  EXPECT_STREQ(entry.name, "");
  EXPECT_STREQ(entry.path, "");
  EXPECT_STREQ(entry.modifiedText, "");
  EXPECT_STREQ(entry.modifiedKey, "");
  EXPECT_STREQ(entry.extension, " ");
}

TEST(ExplorerEntryAdd, LinksAndNumbersEntriesInOrder) {
  ExplorerEntryList list;
  ExplorerEntry* first = AddFile(&list, "a.txt");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->sequence, 1);
  EXPECT_EQ(list.head, first);
  EXPECT_EQ(list.tail, first);
  ExplorerEntry* second = AddFile(&list, "b.txt");
  ExplorerEntry* third = AddFile(&list, "c.txt");
  EXPECT_EQ(third->sequence, 3);
  EXPECT_EQ(third->prev, second);
  EXPECT_EQ(second->next, third);
  EXPECT_EQ(first->next, second);
  EXPECT_EQ(third->next, nullptr);
  EXPECT_EQ(first->prev, nullptr);
  EXPECT_EQ(list.tail, third);
  EXPECT_EQ(ExplorerEntryListCount(&list), 3);
}

TEST(ExplorerEntryAdd, StoresEveryField) {
  ExplorerEntryList list;
  ExplorerEntry* e =
      ExplorerEntryAdd(&list, "Notes.Txt", 4294967301u, "C:\\d\\Notes.Txt", "01.02.2021 05:03:09",
                       ENTRY_KIND_FILE, 0, "2021.02.01 05:03:09");
  ASSERT_NE(e, nullptr);
  EXPECT_STREQ(e->name, "Notes.Txt");
  EXPECT_STREQ(e->path, "C:\\d\\Notes.Txt");
  EXPECT_EQ(e->size, 4294967301u);
  EXPECT_EQ(e->sizeRaised, 0);
  EXPECT_EQ(e->kind, ENTRY_KIND_FILE);
  EXPECT_STREQ(e->modifiedText, "01.02.2021 05:03:09");
  EXPECT_STREQ(e->modifiedKey, "2021.02.01 05:03:09");
  EXPECT_STREQ(e->extension, "txt");
}

TEST(ExplorerEntryAdd, ZeroSizedFileIsRaisedToOne) {
  ExplorerEntryList list;
  ExplorerEntry* e = AddFile(&list, "empty.bin", 0);
  EXPECT_EQ(e->size, 1u);
  EXPECT_EQ(e->sizeRaised, 1);
}

TEST(ExplorerEntryAdd, ZeroSizeWithRaisedArgumentStaysZero) {
  ExplorerEntryList list;
  ExplorerEntry* e = ExplorerEntryAdd(&list, "empty.bin", 0, "p", "", ENTRY_KIND_FILE, 1, "");
  EXPECT_EQ(e->size, 0u);
  EXPECT_EQ(e->sizeRaised, 0);
}

TEST(ExplorerEntryAdd, FolderKeepsSizeZeroAndBlankExtension) {
  ExplorerEntryList list;
  ExplorerEntry* e =
      ExplorerEntryAdd(&list, "Docs.ABC", 0, "C:\\Docs.ABC", "x", ENTRY_KIND_FOLDER, 0, "k");
  EXPECT_EQ(e->size, 0u);
  EXPECT_EQ(e->sizeRaised, 0);
  EXPECT_STREQ(e->extension, " ");
}

TEST(ExplorerEntryAdd, DotDotNeverKeepsAModifiedText) {
  ExplorerEntryList list;
  ExplorerEntry* e = ExplorerEntryAdd(&list, "..", 0, "C:\\..", "14.07.2009 05:32:31",
                                      ENTRY_KIND_FOLDER, 0, "2009.07.14 05:32:31");
  EXPECT_STREQ(e->modifiedText, "");
  EXPECT_STREQ(e->modifiedKey, "2009.07.14 05:32:31");
  // Only the exact name "..": a longer name keeps its text.
  ExplorerEntry* other =
      ExplorerEntryAdd(&list, "...", 0, "C:\\...", "t", ENTRY_KIND_FOLDER, 0, "");
  EXPECT_STREQ(other->modifiedText, "t");
}

TEST(ExplorerEntryAdd, ExtensionIsTheLastThreeCharactersLowered) {
  ExplorerEntryList list;
  EXPECT_STREQ(AddFile(&list, "Readme.TXT")->extension, "txt");
  EXPECT_STREQ(AddFile(&list, "ab")->extension, "ab");
  EXPECT_STREQ(AddFile(&list, "Makefile")->extension, "ile");
  EXPECT_STREQ(AddFile(&list, "x.Ab.c")->extension, "b.c");
  EXPECT_STREQ(AddFile(&list, "a.c")->extension, "a.c");
  EXPECT_STREQ(AddFile(&list, "C:\\")->extension, "c:\\");
  EXPECT_STREQ(AddFile(&list, "")->extension, "");
  // Bytes above 127 are passed through unchanged in the "C" locale, never misread.
  EXPECT_STREQ(AddFile(&list, "x.\xC0\xE1")->extension, ".\xC0\xE1");
}

TEST(ExplorerEntryAdd, LongTextsAreCutToTheirFields) {
  ExplorerEntryList list;
  const std::string name = std::string(296, 'n') + ".DOC";  // 300 characters
  const std::string path = "C:\\" + name;
  ExplorerEntry* e = ExplorerEntryAdd(&list, name, 5, path, std::string(40, 'm'), ENTRY_KIND_FILE,
                                      0, std::string(40, 'k'));
  EXPECT_EQ(std::string(e->name), name.substr(0, 259));
  EXPECT_EQ(std::string(e->path), path.substr(0, 259));
  EXPECT_EQ(std::string(e->modifiedText), std::string(19, 'm'));
  EXPECT_EQ(std::string(e->modifiedKey), std::string(19, 'k'));
  // The extension comes from the name as stored.
  EXPECT_STREQ(e->extension, "nnn");
}

TEST(ExplorerEntryAdd, TextsWithoutTerminatorAreReadOnlyToTheirLength) {
  ExplorerEntryList list;
  const char buffer[] = {'a', 'b', 'c', 'd'};
  ExplorerEntry* e = ExplorerEntryAdd(&list, std::string_view(buffer, 3), 1,
                                      std::string_view(buffer, 4), "", ENTRY_KIND_FILE, 0, "");
  EXPECT_STREQ(e->name, "abc");
  EXPECT_STREQ(e->path, "abcd");
}

TEST(ExplorerEntryFind, FindsEveryEntryByItsNumber) {
  ExplorerEntryList list;
  std::vector<ExplorerEntry*> added;
  for (int k = 0; k < 100; ++k) added.push_back(AddFile(&list, "f" + std::to_string(k)));
  EXPECT_EQ(ExplorerEntryFind(&list, 1), list.head);
  EXPECT_EQ(ExplorerEntryFind(&list, 100), list.tail);
  for (int k = 0; k < 100; ++k) EXPECT_EQ(ExplorerEntryFind(&list, k + 1), added[k]);
}

TEST(ExplorerEntryFind, NumbersNoEntryCarriesGiveNull) {
  ExplorerEntryList list;
  EXPECT_EQ(ExplorerEntryFind(&list, 1), nullptr);
  AddFile(&list, "a");
  AddFile(&list, "b");
  EXPECT_EQ(ExplorerEntryFind(&list, 0), nullptr);
  EXPECT_EQ(ExplorerEntryFind(&list, -1), nullptr);
  EXPECT_EQ(ExplorerEntryFind(&list, 3), nullptr);
  EXPECT_EQ(ExplorerEntryFind(&list, INT64_MIN), nullptr);
  EXPECT_EQ(ExplorerEntryFind(&list, INT64_MAX), nullptr);
}

TEST(ExplorerEntryListClear, EmptyListStaysAsItIs) {
  ExplorerEntryList list;
  list.ascending = 1;
  list.sortMode = 2;
  ExplorerEntryListClear(&list);
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(list.tail, nullptr);
  EXPECT_EQ(list.ascending, 1);
  EXPECT_EQ(list.sortMode, 2);
}

TEST(ExplorerEntryListClear, FullListEmptiesAndKeepsItsSortSettings) {
  ExplorerEntryList list;
  list.ascending = 1;
  list.sortMode = 3;
  for (int k = 0; k < 5; ++k) AddFile(&list, "f");
  ExplorerEntryListClear(&list);
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(list.tail, nullptr);
  EXPECT_EQ(list.ascending, 1);
  EXPECT_EQ(list.sortMode, 3);
  EXPECT_EQ(ExplorerEntryFind(&list, 1), nullptr);
  EXPECT_EQ(ExplorerEntryListCount(&list), 0);
  // Numbering starts again at 1.
  EXPECT_EQ(AddFile(&list, "g")->sequence, 1);
  EXPECT_EQ(ExplorerEntryFind(&list, 1), list.head);
  EXPECT_EQ(ExplorerEntryFind(&list, 2), nullptr);
}

TEST(ExplorerScanList, ExistsAfterStartUpAndIsEmpty) {
  ExplorerScanListInit();
  ExplorerEntryList* scan = ExplorerScanListGet();
  ASSERT_NE(scan, nullptr);
  EXPECT_EQ(scan->head, nullptr);
  // A second initialisation keeps the same list.
  ExplorerScanListInit();
  EXPECT_EQ(ExplorerScanListGet(), scan);
}

TEST(ExplorerGadgetData, ListViewIsTheFirstField) {
  ExplorerGadgetData data;
  data.listView = reinterpret_cast<HWND__*>(static_cast<uintptr_t>(0x1234));
  HWND__* first;
  std::memcpy(&first, &data, sizeof(first));
  EXPECT_EQ(first, data.listView);
  EXPECT_EQ(data.listMode, EXPLORER_LIST_ALL);
  EXPECT_EQ(data.selectedIndex, 0);
}

}  // namespace
