// Text walked and cut by character of a code page: rows per code page. Under Wine also the
// system's own walk, and, run under code page 932 (the run's locale) or in UTF-8 mode (the
// program's manifest), a tooltip and a cell cut before a character they cannot hold whole, and
// moves by real double clicks through a pattern and up from a folder whose name holds 0x5C.
#include "toolkit/core/code_page_text.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include "tests/explorer/explorer_list_view.h"
#endif

namespace {

TEST(CodePageText, CutsFindsAndStepsBackByWholeCharacters) {
  // clang-format off
  const struct { std::uint32_t code_page; std::string_view text; size_t room, fit, separator, last; } rows[] = {
      // C:\ then 95 5C, one character in the double-byte code pages whatever its trail byte
      {1252, "C:\\\x95\\", 4, 4, 4, 4}, {932, "C:\\\x95\\", 4, 3, 2, 3}, {936, "C:\\\x95\\", 4, 3, 2, 3}, {949, "C:\\\x95\\", 4, 3, 2, 3},
      {950, "C:\\\x95\\", 4, 3, 2, 3}, {65001, "C:\\\x95\\", 4, 4, 4, 4}, {932, "\\b\x95", 9, 2, 0, 2},  // a lead byte at the end is no character
      {932, "\xA1\xE0\\", 2, 1, size_t(-1), 1}, {936, "\xA1\xE0\\", 2, 2, 2, 2}, {65001, "\\\xE6\x96\x87\\", 3, 1, 4, 4}, {65001, "a\xE6\x96", 9, 1, size_t(-1), 2},
      {65001, "\xF0\x9F\x98\x80\\", 3, 0, 4, 4}, {65001, "\xE0\x80\\\xED\xA0\x80", 9, 6, 2, 5}};  // overlong, surrogate
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.code_page) + " " + std::string(row.text));
    EXPECT_EQ(TextFitLength(row.text, row.room, row.code_page), row.fit);
    EXPECT_EQ(TextCharFindLast(row.text, '\\', row.code_page), row.separator);
    EXPECT_EQ(TextCharPrevious(row.text, row.text.size(), row.code_page), row.last);
  }
  EXPECT_EQ(TextFieldRead("abc\x95", 4, 932), "abc");  // unterminated, cut inside a character
}

#ifdef _WIN32
constexpr GadgetId kExplorer = 1;
// "a表示": in code page 932 the bytes of 表 are 95 5C, the second one the separator's.
const std::string kName = GetACP() == CP_UTF8 ? "a\xE8\xA1\xA8\xE7\xA4\xBA" : "a\x95\x5C\x8E\xA6";

TEST(CodePage, WalkAsTheSystemCutTooltipsAndCellsBeforeACharacterAndMoveByCharacter) {
  ASSERT_EQ(GetACP(), UINT{VANTREL_TEST_CODE_PAGE});  // the run's locale or manifest took effect
  // The same lead bytes as the system's: the rows above show how the walk uses them.
  for (UINT page : {932u, 936u, 949u, 950u, 1252u})
    for (BYTE b = 0; b < 255; ++b)  // 255 is never a lead byte
      EXPECT_EQ(TextLeadByteIs(page, b), IsDBCSLeadByteEx(page, b) != 0);
  HWND window = WindowOpen("code page", 0, 0, 700, 500, WS_VISIBLE, 0, nullptr);
  // A tooltip's 79 bytes hold the 78 "t" and only the first byte of the character after them.
  const std::string tip = std::string(78, 't') + kName.substr(1);
  SetPropA(window, "7", const_cast<char*>(tip.c_str()));
  NMTTDISPINFOA info = {{nullptr, 7, UINT(TTN_GETDISPINFOA)}, nullptr, {}, nullptr, 0, 0};
  SendMessageA(window, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.szText, std::string(78, 't'));
  // In the prefix, which every test run copies anew.
  const std::string root = "C:\\vantrel-code-page-" + std::to_string(GetACP()) + "\\";
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA((root + kName).c_str(), nullptr);
  // The pattern is the whole last component "a*", which lists the folder a表示.
  ExplorerGadgetCreate(kExplorer, 10, 10, 660, 400, (root + "a*").c_str(), nullptr);
  HWND list = ExplorerListViewOf(kExplorer);
  EXPECT_EQ(Cell(list, 1, 0, 3), "a");  // after "..": three bytes hold "a", half of 表 and the end
  ASSERT_EQ(Open(kExplorer, kName), root + kName + "\\");  // empty: its ".." alone
  ASSERT_EQ(Open(kExplorer, ".."), root);
  EXPECT_EQ(ListView_GetItemCount(list), 2);  // ".." and a表示, as the pattern is now *.*
}
#endif

}  // namespace
