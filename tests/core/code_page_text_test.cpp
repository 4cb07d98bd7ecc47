// Walking and cutting text by character of a code page; under Wine, against the system's walk.
#include "toolkit/core/code_page_text.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(CodePageText, CutsFindsAndStepsBackByWholeCharacters) {
  // clang-format off
  const struct { std::uint32_t code_page; std::string_view text; size_t room, fit, separator, last; } rows[] = {
      // C:\ then 95 5C, which is one character in the double-byte pages whatever its trail byte
      {1252, "C:\\\x95\\", 4, 4, 4, 4}, {932, "C:\\\x95\\", 4, 3, 2, 3}, {936, "C:\\\x95\\", 4, 3, 2, 3},
      {949, "C:\\\x95\\", 4, 3, 2, 3}, {950, "C:\\\x95\\", 4, 3, 2, 3}, {65001, "C:\\\x95\\", 4, 4, 4, 4},
      {932, "\\b\x95", 3, 2, 0, 2},  // a lead byte the text ends on is no whole character
      {932, "\xA1\xE0\\", 2, 1, std::string_view::npos, 1}, {936, "\xA1\xE0\\", 2, 2, 2, 2},  // A1 leads in 936 only
      {65001, "\\\xE6\x96\x87\\", 3, 1, 4, 4}, {65001, "a\xE6\x96", 9, 1, std::string_view::npos, 2},
      {65001, "\xF0\x9F\x98\x80\\", 4, 4, 4, 4}, {65001, "\xF0\x9F\x98\x80\\", 3, 0, 4, 4},
      {65001, "\xE0\x80\\\xED\xA0\x80", 9, 6, 2, 5},  // overlong forms and surrogates: bytes alone
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.code_page) + " " + std::string(row.text));
    EXPECT_EQ(TextFitLength(row.text, row.room, row.code_page), row.fit);
    EXPECT_EQ(TextCharFindLast(row.text, '\\', row.code_page), row.separator);
    EXPECT_EQ(TextCharPrevious(row.text, row.text.size(), row.code_page), row.last);
    char out[16];
    TextCopyBounded(out, static_cast<std::int64_t>(row.room + 1), row.text, row.code_page);
    EXPECT_EQ(std::string(out), row.text.substr(0, row.fit));
  }
  const char field[4] = {'a', 'b', 'c', '\x95'};  // unterminated, cut inside a character
  EXPECT_EQ(TextFieldRead(field, sizeof field, 932), "abc");
  EXPECT_EQ(TextFieldRead(field, sizeof field, 1252), std::string_view(field, 4));
}

#ifdef _WIN32
TEST(CodePageText, AgreesWithTheSystemsLeadBytesWalkAndUtf8Conversion) {
  std::string bytes;
  for (int b = 255; b > 0; --b) bytes += static_cast<char>(b);
  for (UINT page : {932u, 936u, 949u, 950u, 1252u}) {
    for (int b = 0; b < 256; ++b)
      EXPECT_EQ(TextLeadByteIs(page, b), IsDBCSLeadByteEx(page, static_cast<BYTE>(b)) != 0) << b;
    for (const char* at = bytes.c_str(); *at != '\0';) {
      const char* next = CharNextExA(static_cast<WORD>(page), at, 0);
      EXPECT_EQ(TextCharNext(bytes, at - bytes.c_str(), page), size_t(next - bytes.c_str()));
      at = next;
    }
  }
  // UTF-8: a cut keeps exactly the longest prefix the system converts without error.
  const std::string text = "a\xD0\xB6\xE6\x96\x87\xF0\x9F\x98\x80z";
  for (size_t room = 0, whole = 0; room <= text.size(); ++room) {
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.c_str(), int(room), nullptr, 0) > 0)
      whole = room;
    EXPECT_EQ(TextFitLength(text, room, CP_UTF8), whole) << room;
  }
}
#endif

}  // namespace
