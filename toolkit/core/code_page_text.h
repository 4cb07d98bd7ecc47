// Walking and cutting 8-bit text by whole characters of a code page (double-byte, UTF-8, others).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The code pages whose characters can take more than one byte; every other one is read as a
// single-byte code page. On Windows the toolkit passes GetACP().
inline constexpr std::uint32_t CODE_PAGE_SHIFT_JIS = 932;
inline constexpr std::uint32_t CODE_PAGE_GBK = 936;
inline constexpr std::uint32_t CODE_PAGE_KOREAN = 949;
inline constexpr std::uint32_t CODE_PAGE_BIG5 = 950;
inline constexpr std::uint32_t CODE_PAGE_UTF8 = 65001;

// The most bytes one character takes in any of these code pages.
inline constexpr std::size_t TEXT_CHAR_BYTES_MAX = 4;

// Whether the byte starts a two-byte character of a double-byte code page (IsDBCSLeadByteEx's
// answer: false for UTF-8 and single-byte code pages).
bool TextLeadByteIs(std::uint32_t code_page, unsigned char byte);

// The position after the character that starts at `at`, as CharNextExA steps in a double-byte
// code page (a lead byte takes the byte after it unless the text ends there); in UTF-8 a
// well-formed sequence is one character and any other byte one by itself. text.size() at or
// past the end.
std::size_t TextCharNext(std::string_view text, std::size_t at, std::uint32_t code_page);
// The start of the character before `at` (0 for none), found by walking from the start: a byte
// taken alone cannot tell a lead from a trail byte.
std::size_t TextCharPrevious(std::string_view text, std::size_t at, std::uint32_t code_page);

// The length of the longest run of whole characters from the start that has at most `room`
// bytes. A character the text ends in the middle of (a lone lead byte, a cut UTF-8 sequence) is
// never whole.
std::size_t TextFitLength(std::string_view text, std::size_t room, std::uint32_t code_page);

// The position of the first character at or after `from` that is the byte c alone (such as the
// separator "\"), skipping trail bytes of the same value; npos when there is none.
std::size_t TextCharFind(std::string_view text, char c, std::uint32_t code_page,
                         std::size_t from = 0);
// The position of the last such character; npos when there is none.
std::size_t TextCharFindLast(std::string_view text, char c, std::uint32_t code_page);

// Copies the whole characters that fit capacity - 1 bytes, and a zero byte, into out; nothing
// without room or buffer.
void TextCopyBounded(char* out, std::int64_t capacity, std::string_view text,
                     std::uint32_t code_page);
// The text of a fixed field of `size` bytes: up to its first zero byte or its end, without a
// character cut at its end.
std::string_view TextFieldRead(const char* field, std::size_t size, std::uint32_t code_page);
