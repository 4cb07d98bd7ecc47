// Platform-free tests of the explorer: the entry list, sort, size texts, text operations, moves.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "tests/explorer/explorer_test_support.h"
#include "toolkit/explorer/explorer_constants.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present_text.h"
#include "toolkit/explorer/explorer_text.h"

namespace {

constexpr int32_t F = ENTRY_KIND_FILE, D = ENTRY_KIND_FOLDER;

// Numbering after a clear and refill, the sort settings a clear keeps and paths of every form
// (folder and name, folder and short name, elsewhere) are checked by explorer_sort_fuzz.
TEST(ExplorerEntryList, FindsOnlyNumbersOfTheListAndCutsLongTexts) {
  TestGadget gadget;
  ExplorerEntryList& list = gadget.list;
  const std::string folder = "C:\\d\\", big(300, 'n');
  ExplorerEntryListFolderSet(&list, folder);
  const ExplorerEntry e = *ExplorerEntryAdd(&list, big, 0, folder + big, big, D, 0, "k");
  // Texts are kept to 259 bytes, the date shown to 19.
  EXPECT_EQ(std::string(e.name) + "|" + ExplorerEntryPath(list, e) + "|" + e.modifiedText,
            big.substr(0, 259) + "|" + (folder + big).substr(0, 259) + "|" + big.substr(0, 19));
  for (int64_t at : {int64_t{0}, int64_t{2}, INT64_MIN, INT64_MAX})
    EXPECT_EQ(ExplorerEntryFind(&list, at), nullptr) << at;
}

// Fills the scan list as a scan does from "name/" (a folder) and "name=size" (a file); drives
// ("C:\=500") carry no texts.
void Scan(const std::string& folder) {
  std::istringstream items(folder);
  for (std::string item; items >> item;) {
    const size_t size = item.find('=');
    const std::string name = item.substr(0, std::min(size, item.find('/')));
    const bool drive = name[1] == ':', file = size != item.npos;
    ExplorerEntryAdd(ExplorerScanListGet(), name, file ? std::stoull(item.substr(size + 1)) : 0,
                     drive ? name : "C:\\d\\" + name, drive ? "" : "01.01.2020 00:00:00",
                     file ? F : D, 0, "2020");
  }
}

TEST(ExplorerSort, EveryModeInBothDirectionsGivesTheDisplayOrder) {
  // Bytes above 127 come after every ASCII byte in the type key. The name column and columns
  // outside the four (the scan's order), date keys (bytes above 127 too), sizes beyond 32 and 63
  // bits, lists without "..", and empty ones are left to the fuzz target: here what it cannot
  // see, the type key made from the name and an empty file's size counting as one byte.
  const char* const typed = "../ Sub.TXT/ b.txt=1 a.c=1 Makefile=1 x.TXT=1 photo.JPG=1 q\xE9zz=1";
  const char* const sized = "../ A/ B/ zero.dat=0 ten.dat=10 five.dat=5";
  const char* const drives = "C:\\=500 D:\\=0 E:\\=7000 F:\\=20";  // D: is unreadable: one byte
  // clang-format off
  const struct { const char* folder; int64_t mode; const char *ascending, *descending; } rows[] = {
      {sized, EXPLORER_SORT_SIZE, ".. A|B zero.dat five.dat ten.dat", ".. ten.dat five.dat zero.dat A|B"},
      {typed, EXPLORER_SORT_TYPE, ".. Sub.TXT a.c Makefile photo.JPG b.txt|x.TXT q\xE9zz", ".. q\xE9zz b.txt|x.TXT photo.JPG Makefile a.c Sub.TXT"},
      {drives, EXPLORER_SORT_SIZE, "D:\\ F:\\ C:\\ E:\\", "E:\\ C:\\ F:\\ D:\\"}};
  // clang-format on
  for (const auto& row : rows) {
    for (int32_t ascending : {EXPLORER_ASCENDING, EXPLORER_DESCENDING}) {
      TestGadget gadget(row.mode, ascending);
      Scan(row.folder);
      SortIntoGadget(&gadget);
      const std::string expected = ascending ? row.ascending : row.descending;
      EXPECT_EQ(Shown(Names(gadget.list), expected), expected) << row.folder << ", " << row.mode;
    }
  }
  TestGadget gadget;  // a listing replaced by a much smaller one gives its room back
  for (const char* folder : {sized, "x=1"}) Scan(folder), SortIntoGadget(&gadget);
  EXPECT_EQ(gadget.list.entries.capacity(), 1u);
}

constexpr uint64_t MiB = 1ull << 20, GiB = 1ull << 30;

TEST(ExplorerSizeText, ShowsBytesKilobytesMegabytesAndGigabytes) {
  // clang-format off
  // The explorer gadget's cells show 0 B, 1023 B, 1 KB, 1023 KB, 1.00 MB, 1 GB, 1.5 GB and 10.7 GB
  // (1 byte short of and at each unit). Here: cut, not rounded; "100." loses its point.
  const struct { int32_t kind; uint64_t size; const char* text; } rows[] = {  // kind 0: a file
      {ENTRY_KIND_FOLDER, 5, " "}, {0, 1536, "1 KB"}, {0, MiB * 3 / 2, "1.50 MB"}, {0, GiB - 1, "1023.99 MB"}, {0, 2 * GiB, "2 GB"},
      {0, GiB * 201 / 2, "100 GB"}, {0, 9999 * GiB, "9999 GB"}, {0, 12345 * GiB + 7, "12345 GB"}, {0, UINT64_MAX, "17179869183 GB"}};
  // clang-format on
  for (const auto& row : rows)
    EXPECT_EQ(ExplorerSizeText(row.kind, row.size), row.text) << row.size;
}

// In 932 "\x95\\" is one character whose trail byte is the separator's.
TEST(ExplorerTexts, TrimsReplacementsPatternsAndMovesWalkByCharacter) {
  constexpr int32_t E = EXPLORER_OPEN_ENTRY, P = EXPLORER_OPEN_PATH;
  // clang-format off
  const struct { const char *text, *set; uint32_t code_page; const char* trimmed; } trims[] = {
      {"C:\\dir\\", "\\", 1252, "C:\\dir"}, {"C:\\dir\\*.txt", "*.txt", 1252, "C:\\dir\\"}, {"C:\\", "\\", 1252, "C:"},
      {"\\\\\\", "\\", 1252, "\\"}, {"x", "x", 1252, "x"}, {"", "x", 1252, ""}, {"C:\\\x95\\\\", "\\", 932, "C:\\\x95\\"}};
  const struct { const char *text, *find, *with; int64_t start; int32_t every, exact; uint32_t cp; const char* result; } replaces[] = {
      {"C:\\d\\*.TXTa.txt", "*.txt", "", 1, 0, 0, 1252, "C:\\d\\a.txt"}, {"C:\\d\\*.TXTa.txt", "*.txt", "", 1, 0, 1, 1252, "C:\\d\\*.TXTa.txt"},
      {"abab", "ab", "x", 1, 1, 1, 1252, "xx"}, {"abab", "ab", "x", 2, 1, 1, 1252, "abx"}, {"abab", "ab", "x", -5, 0, 1, 1252, "xab"},
      {"aaa", "a", "aa", 1, 1, 1, 1252, "aaaaaa"}, {"abc", "", "x", 1, 1, 1, 1252, "abc"}, {"abc", "c", "x", 4, 1, 1, 1252, "abc"},
      {"\x95\\\\", "\\", "/", 1, 1, 1, 932, "\x95\\/"}, {"C:\\d\\rep*.txtrep1.txt", "rep*.txt", "", 1, 0, 0, 1252, "C:\\d\\rep1.txt"},
      {"\xE2\x84\xAA\\*.TXTa", "*.txt", "", 1, 0, 0, 65001, "\xE2\x84\xAA\\a"}};
  const struct { const char* path; uint32_t cp; const char *pattern, *folder; } patterns[] = {
      {"C:\\d\\rep*.txt", 1252, "rep*.txt", "C:\\d\\"}, {"*x", 1252, "", "*x"}, {"C:*.txt", 1252, "*.txt", "C:"},
      {"C:\\\x95\\*.txt", 932, "\x95\\*.txt", "C:\\"}};
  const struct { const char *path, *pattern; std::string name; int32_t mode; uint32_t cp; std::string target; } moves[] = {
      {"C:\\d\\a\x95\\\x8E\xA6\\", "", "..", E, 932, "C:\\d\\"}, {"C:\\*.*", "*.*", "..", E, 932, "\\"},  // a root with a pattern
      {"C:\\d\\rep*.txt", "rep*.txt", "sub", E, 1252, "C:\\d\\sub\\rep*.txt"}, {"C:\\d\\rep*.txt", "rep*.txt", "..", E, 1252, "C:\\rep*.txt"},
      {"C:\\D\\", "", std::string(254, 'n') + "\xE6\x96\x87", E, 65001, "C:\\D\\" + std::string(254, 'n') + "\\"}, {"C:\\", "", "C:\\\x95\\", P, 932, "C:\\\x95\\\\"}};
  // clang-format on
  for (const auto& row : trims)
    EXPECT_EQ(TextTrimTrailing(row.text, row.set, row.code_page), row.trimmed) << row.text;
  // As CharLowerBuffA lowers in UTF-8: the Kelvin sign becomes "k", the rest moves up.
  const TextLowerFunction lower = [](char* text, size_t length) {
    std::string s(text, length);
    for (size_t at; (at = s.find("\xE2\x84\xAA")) != s.npos;) s.replace(at, 3, "k");
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    std::memcpy(text, s.data(), s.size());
  };
  for (const auto& r : replaces)  // all with the lowering above
    EXPECT_EQ(TextReplace(r.text, r.find, r.with, r.start, r.every, r.exact, r.cp, lower),
              r.result);
  for (const auto& p : patterns) {
    EXPECT_EQ(ExplorerPatternOf(p.path, p.cp), p.pattern) << p.path;
    EXPECT_EQ(ExplorerPathWithoutPattern(p.path, p.pattern, p.cp), p.folder) << p.path;
    EXPECT_EQ(ExplorerFallbackFolder(p.path, p.cp), *p.pattern ? p.folder : "") << p.path;
  }
  for (const auto& m : moves)  // a path move takes the name as its text
    EXPECT_EQ(
        ExplorerOpenPlanMake(m.path, m.pattern, m.name, m.mode ? m.name : "", m.mode, m.cp).target,
        m.target);
  EXPECT_EQ(ExplorerIsShareRoot("\\\\s\\\x95\\\\", 932), EXPLORER_TRUE);  // four real separators
  // "." and ".." resolved by component, "/" read as "\", never above a root; 932's "\x95\\" is a
  // name whose trail byte is no separator.
  // clang-format off
  const struct { const char* path; uint32_t cp; const char* resolved; } resolves[] = {
      {"C:\\data\\pics\\..", 1252, "C:\\data\\"}, {"C:/data/./pics", 1252, "C:\\data\\pics"},
      {"C:\\data\\..\\..\\*.png", 1252, "C:\\*.png"}, {"C:\\a\\\x95\\\\..\\b\\.", 932, "C:\\a\\b\\"},
      {"\\\\s\\share\\d\\..\\..", 1252, "\\\\s\\share\\"}, {"a\\..\\..\\b", 1252, "..\\b"},
      {"a\\..", 1252, ".\\"}, {".\\*.png", 1252, ".\\*.png"}, {".\\..\\x", 1252, "..\\x"}, {"/..//:..", 949, "\\:.."}, {"", 1252, ""}, {"\\", 1252, "\\"}, {"C:\\d\\x..y\\", 1252, "C:\\d\\x..y\\"}};
  // clang-format on
  for (const auto& r : resolves) EXPECT_EQ(ExplorerPathResolve(r.path, r.cp), r.resolved) << r.path;
}

}  // namespace
