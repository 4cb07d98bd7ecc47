// The explorer's platform-free texts and path arithmetic: size column, text operations, moves.
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present_text.h"

#include <gtest/gtest.h>

#include "toolkit/explorer/explorer_constants.h"

namespace {

constexpr uint64_t MiB = 1ull << 20, GiB = 1ull << 30;

TEST(ExplorerSizeText, ShowsBytesKilobytesMegabytesAndGigabytes) {
  // clang-format off
  const struct { int32_t kind; uint64_t size; const char* text; } rows[] = {  // kind 0: a file
      {ENTRY_KIND_FOLDER, 5, " "}, {0, 1023, "1023 B"}, {0, 1024, "1 KB"}, {0, 1536, "1 KB"}, {0, MiB - 1, "1023 KB"},
      {0, MiB, "1.00 MB"}, {0, MiB * 3 / 2, "1.50 MB"}, {0, GiB - 1, "1023.99 MB"}, {0, 2 * GiB, "2 GB"},
      {0, GiB * 43 / 4, "10.7 GB"}, {0, GiB * 201 / 2, "100 GB"},  // "100." loses its point
      {0, 9999 * GiB, "9999 GB"}, {0, 12345 * GiB + 7, "12345 GB"}, {0, UINT64_MAX, "17179869183 GB"}};
  // clang-format on
  for (const auto& row : rows)
    EXPECT_EQ(ExplorerSizeText(row.kind, row.size), row.text) << row.size;
}

TEST(ExplorerTexts, TrimReplaceNameCutAndTheNotFoundFallback) {
  // clang-format off
  const struct { const char *text, *set, *trimmed; } trims[] = {
      {"C:\\dir\\", "\\", "C:\\dir"}, {"C:\\dir\\*.txt", "*.txt", "C:\\dir\\"}, {"C:\\", "\\", "C:"},
      {"\\\\\\", "\\", "\\"}, {"x", "x", "x"}, {"", "x", ""}};
  const struct { const char *text, *searched, *replacement; int64_t start; int32_t every, exact; const char* result; } replaces[] = {
      {"C:\\d\\*.TXTa.txt", "*.txt", "", 1, 0, 0, "C:\\d\\a.txt"}, {"C:\\d\\*.TXTa.txt", "*.txt", "", 1, 0, 1, "C:\\d\\*.TXTa.txt"},
      {"abab", "ab", "x", 1, 1, 1, "xx"}, {"abab", "ab", "x", 2, 1, 1, "abx"}, {"abab", "ab", "x", -5, 0, 1, "xab"},
      {"aaa", "a", "aa", 1, 1, 1, "aaaaaa"}, {"abc", "", "x", 1, 1, 1, "abc"}, {"abc", "c", "x", 4, 1, 1, "abc"}};
  // clang-format on
  for (const auto& row : trims)
    EXPECT_EQ(TextTrimTrailing(row.text, row.set), row.trimmed) << row.text;
  for (const auto& r : replaces)
    EXPECT_EQ(TextReplace(r.text, r.searched, r.replacement, r.start, r.every, r.exact), r.result)
        << r.text;
  const std::string name(300, 'n');  // only 255 bytes of a name are used
  const auto plan = ExplorerOpenPlanMake("C:\\D\\", "", name, "", EXPLORER_OPEN_ENTRY);
  EXPECT_EQ(plan.target, "C:\\D\\" + name.substr(0, 255) + "\\");
  EXPECT_EQ(ExplorerFallbackFolder("C:\\Data\\Old.txt\\*.txt"), "C:\\Data\\Old.txt\\");
}

}  // namespace
