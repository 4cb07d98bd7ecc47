// Tests of ExplorerEntry and ExplorerEntryList: appending, stored texts, lookup, clearing.
#include "toolkit/explorer/explorer_entries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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
  for (const char* text : {entry.name, entry.path, entry.modifiedText, entry.modifiedKey})
    EXPECT_STREQ(text, "");
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

TEST(ExplorerEntryAdd, SizeRaiseAndExtensionRules) {
  const struct {
    const char* name;
    uint64_t size;
    int32_t kind, raisedArgument;
    uint64_t storedSize;
    int32_t raised;
    const char* extension;
  } rows[] = {
      {"Notes.Txt", 4294967301u, ENTRY_KIND_FILE, 0, 4294967301u, 0, "txt"},
      {"empty.bin", 0, ENTRY_KIND_FILE, 0, 1, 1, "bin"},
      {"empty.bin", 0, ENTRY_KIND_FILE, 1, 0, 0, "bin"},
      {"Docs.ABC", 0, ENTRY_KIND_FOLDER, 0, 0, 0, " "},
      {"Readme.TXT", 5, ENTRY_KIND_FILE, 0, 5, 0, "txt"},
      {"ab", 5, ENTRY_KIND_FILE, 0, 5, 0, "ab"},
      {"Makefile", 5, ENTRY_KIND_FILE, 0, 5, 0, "ile"},
      {"x.Ab.c", 5, ENTRY_KIND_FILE, 0, 5, 0, "b.c"},
      {"a.c", 5, ENTRY_KIND_FILE, 0, 5, 0, "a.c"},
      {"C:\\", 5, ENTRY_KIND_FILE, 0, 5, 0, "c:\\"},
      {"", 5, ENTRY_KIND_FILE, 0, 5, 0, ""},
      // Bytes above 127 are never misread as negative (lower-case letters in 1251 and 1252).
      {"x.\xE0\xE1", 5, ENTRY_KIND_FILE, 0, 5, 0, ".\xE0\xE1"},
  };
  ExplorerEntryList list;
  for (const auto& row : rows) {
    const ExplorerEntry* e =
        ExplorerEntryAdd(&list, row.name, row.size, "p", "t", row.kind, row.raisedArgument, "k");
    ASSERT_NE(e, nullptr) << row.name;
    EXPECT_EQ(e->size, row.storedSize) << row.name;
    EXPECT_EQ(e->sizeRaised, row.raised) << row.name;
    EXPECT_EQ(e->kind, row.kind) << row.name;
    EXPECT_STREQ(e->extension, row.extension) << row.name;
    EXPECT_STREQ(e->modifiedText, "t") << row.name;
    EXPECT_STREQ(e->modifiedKey, "k") << row.name;
  }
}

TEST(ExplorerEntryAdd, DotDotNeverKeepsAModifiedText) {
  ExplorerEntryList list;
  ExplorerEntry* e = ExplorerEntryAdd(&list, "..", 0, "C:\\..", "14.07.2009 05:32:31",
                                      ENTRY_KIND_FOLDER, 0, "2009.07.14 05:32:31");
  EXPECT_STREQ(e->modifiedText, "");
  EXPECT_STREQ(e->modifiedKey, "2009.07.14 05:32:31");
  EXPECT_STREQ(ExplorerEntryAdd(&list, "...", 0, "p", "t", ENTRY_KIND_FOLDER, 0, "")->modifiedText,
               "t");
}

TEST(ExplorerEntryAdd, TextsAreCutToTheirFieldsAndReadOnlyToTheirLength) {
  ExplorerEntryList list;
  const std::string name = std::string(296, 'n') + ".DOC";  // 300 characters
  const std::string path = "C:\\" + name;
  ExplorerEntry* e = ExplorerEntryAdd(&list, name, 5, path, std::string(40, 'm'), ENTRY_KIND_FILE,
                                      0, std::string(40, 'k'));
  EXPECT_EQ(std::string(e->name), name.substr(0, 259));
  EXPECT_EQ(std::string(e->path), path.substr(0, 259));
  EXPECT_EQ(std::string(e->modifiedText), std::string(19, 'm'));
  EXPECT_EQ(std::string(e->modifiedKey), std::string(19, 'k'));
  EXPECT_STREQ(e->extension, "nnn");  // from the name as stored
  const char buffer[] = {'a', 'b', 'c', 'd'};
  e = ExplorerEntryAdd(&list, std::string_view(buffer, 3), 1, std::string_view(buffer, 4), "",
                       ENTRY_KIND_FILE, 0, "");
  EXPECT_STREQ(e->name, "abc");
  EXPECT_STREQ(e->path, "abcd");
}

TEST(ExplorerEntryFind, FindsEveryEntryByItsNumberAndNothingElse) {
  ExplorerEntryList list;
  EXPECT_EQ(ExplorerEntryFind(&list, 1), nullptr);
  std::vector<ExplorerEntry*> added;
  for (int k = 0; k < 100; ++k) added.push_back(AddFile(&list, "f" + std::to_string(k)));
  for (int k = 0; k < 100; ++k) EXPECT_EQ(ExplorerEntryFind(&list, k + 1), added[k]);
  for (int64_t n : {int64_t{0}, int64_t{-1}, int64_t{101}, INT64_MIN, INT64_MAX})
    EXPECT_EQ(ExplorerEntryFind(&list, n), nullptr) << n;
}

TEST(ExplorerEntryListClear, EmptiesTheListAndKeepsItsSortSettings) {
  for (int entries : {0, 5}) {
    ExplorerEntryList list;
    list.ascending = 1;
    list.sortMode = 3;
    for (int k = 0; k < entries; ++k) AddFile(&list, "f");
    ExplorerEntryListClear(&list);
    EXPECT_EQ(list.head, nullptr) << entries;
    EXPECT_EQ(list.tail, nullptr) << entries;
    EXPECT_EQ(list.ascending, 1) << entries;
    EXPECT_EQ(list.sortMode, 3) << entries;
    EXPECT_EQ(ExplorerEntryListCount(&list), 0) << entries;
    EXPECT_EQ(AddFile(&list, "g")->sequence, 1) << entries;  // numbering starts again
    EXPECT_EQ(ExplorerEntryFind(&list, 2), nullptr) << entries;
    ExplorerEntryListClear(&list);
  }
}

TEST(ExplorerScanList, ExistsAfterStartUpAndIsEmpty) {
  ExplorerScanListInit();
  ExplorerEntryList* scan = ExplorerScanListGet();
  ASSERT_NE(scan, nullptr);
  EXPECT_EQ(scan->head, nullptr);
  ExplorerScanListInit();  // a second initialisation keeps the same list
  EXPECT_EQ(ExplorerScanListGet(), scan);
}

}  // namespace
