// The explorer's platform-free texts and path arithmetic: size column, text operations, moves.
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present_text.h"

#include <gtest/gtest.h>

#include "toolkit/explorer/explorer_constants.h"

namespace {

constexpr uint64_t MiB = 1ull << 20, GiB = 1ull << 30;

TEST(ExplorerSizeText, ShowsBytesKilobytesMegabytesAndGigabytes) {
  // clang-format off
  const struct { int32_t kind; uint64_t size; const char* text; } rows[] = {
      {ENTRY_KIND_FOLDER, 5, " "}, {ENTRY_KIND_FILE, 0, "0 B"}, {ENTRY_KIND_FILE, 1023, "1023 B"},
      {ENTRY_KIND_FILE, 1024, "1 KB"}, {ENTRY_KIND_FILE, 1536, "1 KB"}, {ENTRY_KIND_FILE, MiB - 1, "1023 KB"},
      {ENTRY_KIND_FILE, MiB, "1.00 MB"}, {ENTRY_KIND_FILE, MiB * 3 / 2, "1.50 MB"}, {ENTRY_KIND_FILE, GiB - 1, "1023.99 MB"},
      {ENTRY_KIND_FILE, GiB, "1 GB"}, {ENTRY_KIND_FILE, 2 * GiB, "2 GB"}, {ENTRY_KIND_FILE, GiB * 3 / 2, "1.5 GB"},
      {ENTRY_KIND_FILE, GiB * 43 / 4, "10.7 GB"}, {ENTRY_KIND_FILE, GiB * 201 / 2, "100 GB"},  // "100." loses its point
      {ENTRY_KIND_FILE, 9999 * GiB, "9999 GB"}, {ENTRY_KIND_FILE, 12345 * GiB + 7, "12345 GB"},
      {ENTRY_KIND_FILE, UINT64_MAX, "17179869183 GB"}};
  // clang-format on
  for (const auto& row : rows) EXPECT_EQ(ExplorerSizeText(row.kind, row.size), row.text) << row.size;
}

TEST(ExplorerTexts, TrimReplaceAndBoundedCopy) {
  // clang-format off
  const struct { const char *text, *set, *trimmed; } trims[] = {
      {"C:\\dir\\", "\\", "C:\\dir"}, {"C:\\dir\\*.txt", "*.txt", "C:\\dir\\"}, {"C:\\", "\\", "C:"},
      {"\\\\\\", "\\", "\\"}, {"x", "x", "x"}, {"", "x", ""}};
  const struct { const char *text, *searched, *replacement; int64_t start; int32_t every, exact; const char* result; } replaces[] = {
      {"C:\\d\\*.TXTa.txt", "*.txt", "", 1, 0, 0, "C:\\d\\a.txt"}, {"C:\\d\\*.TXTa.txt", "*.txt", "", 1, 0, 1, "C:\\d\\*.TXTa.txt"},
      {"abab", "ab", "x", 1, 1, 1, "xx"}, {"abab", "ab", "x", 2, 1, 1, "abx"}, {"abab", "ab", "x", -5, 0, 1, "xab"},
      {"aaa", "a", "aa", 1, 1, 1, "aaaaaa"}, {"abc", "", "x", 1, 1, 1, "abc"}, {"abc", "c", "x", 4, 1, 1, "abc"}};
  // clang-format on
  for (const auto& row : trims) EXPECT_EQ(TextTrimTrailing(row.text, row.set), row.trimmed) << row.text;
  for (const auto& r : replaces)
    EXPECT_EQ(TextReplace(r.text, r.searched, r.replacement, r.start, r.every, r.exact), r.result) << r.text;
  char out[4] = {'#', '#', '#', '#'};
  TextCopyBounded(out, 0, "abcdef");
  EXPECT_EQ(out[0], '#');
  TextCopyBounded(out, sizeof out, "abcdef");
  EXPECT_STREQ(out, "abc");
}

TEST(ExplorerOpenPath, PatternsAndWhereAMoveLeads) {
  // clang-format off
  const struct { const char *given, *pattern, *stored, *shown; } paths[] = {
      {"C:\\Data\\*.txt", "*.txt", "C:\\Data\\*.txt", "C:\\Data\\"}, {"", "", "\\", "\\"},
      {"*.txt", "", "*.txt\\", "*.txt\\"}, {"C:\\Data", "", "C:\\Data\\", "C:\\Data\\"}};
  const std::string long_name(300, 'n');
  const struct { const char *path, *pattern; std::string name; const char* text; int32_t mode; const char *kept; std::string target; bool drives; } moves[] = {
      {"C:\\Data\\", "", "..", "", EXPLORER_OPEN_ENTRY, "C:\\Data\\", "C:\\", false},
      {"C:\\", "", "..", "", EXPLORER_OPEN_ENTRY, "\\", "\\", true},
      {"\\", "", "C:\\", "", EXPLORER_OPEN_ENTRY, "\\", "C:\\", false},
      {"C:\\Data\\*.txt", "*.txt", "Old.txt", "", EXPLORER_OPEN_ENTRY, "C:\\Data\\", "C:\\Data\\Old.txt\\*.txt", false},
      {"C:\\Data\\*.txt", "*.txt", "..", "", EXPLORER_OPEN_ENTRY, "C:\\Data\\", "C:\\*.txt", false},
      {"C:\\Data\\", "", "x", "sub", EXPLORER_OPEN_ENTRY, "C:\\Data\\", "C:\\Data\\sub\\", false},  // the Enter key's name
      {"C:\\Data\\", "", long_name, "", EXPLORER_OPEN_ENTRY, "C:\\Data\\", "C:\\Data\\" + long_name.substr(0, 255) + "\\", false},
      {"C:\\", "", "x", "D:\\Music", EXPLORER_OPEN_PATH, "C:\\", "D:\\Music\\", false},
      {"C:\\", "*.txt", "x", "D:\\*.txt", EXPLORER_OPEN_PATH, "C:\\", "D:\\*.txt", false}};
  // clang-format on
  for (const auto& row : paths) {
    EXPECT_EQ(ExplorerPatternOf(row.given), row.pattern) << row.given;
    EXPECT_EQ(ExplorerPathStored(row.given, row.pattern), row.stored) << row.given;
    EXPECT_EQ(ExplorerPathWithoutPattern(row.stored, row.pattern), row.shown) << row.given;
  }
  for (const auto& row : moves) {
    const ExplorerOpenPlan plan = ExplorerOpenPlanMake(row.path, row.pattern, row.name, row.text, row.mode);
    EXPECT_EQ(plan.path, row.kept) << row.path << " " << row.name;
    EXPECT_EQ(plan.target, row.target) << row.path << " " << row.name;
    EXPECT_EQ(plan.driveList, row.drives) << row.path << " " << row.name;
  }
  EXPECT_EQ(ExplorerFallbackFolder("C:\\Data\\Old.txt\\*.txt"), "C:\\Data\\Old.txt\\");
  EXPECT_EQ(ExplorerFallbackFolder("C:\\Data\\"), "");
}

}  // namespace
