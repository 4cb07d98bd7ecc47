// Walking and cutting 8-bit text by whole characters of a code page (double-byte, UTF-8, others).
#include "toolkit/core/code_page_text.h"

#include <cstring>

namespace {

// Lead bytes of the double-byte code pages (the ranges GetCPInfo reports).
constexpr unsigned char kShiftJisLeadLow = 0x81, kShiftJisLeadHigh = 0x9F;
constexpr unsigned char kShiftJisUpperLeadLow = 0xE0, kShiftJisUpperLeadHigh = 0xFC;
constexpr unsigned char kDoubleByteLeadLow = 0x81, kDoubleByteLeadHigh = 0xFE;
constexpr std::size_t kDoubleByteLength = 2;

// UTF-8's well-formed sequences (Unicode's table of them): by the range of the first byte, the
// length and the range of the second byte, which rules out overlong forms, surrogates and code
// points above U+10FFFF. Every further byte is a continuation byte.
struct Utf8Lead {
  unsigned char first_low, first_high;
  std::size_t length;
  unsigned char second_low, second_high;
};
constexpr unsigned char kContinuationLow = 0x80, kContinuationHigh = 0xBF;
constexpr Utf8Lead kUtf8Leads[] = {
    {0xC2, 0xDF, 2, kContinuationLow, kContinuationHigh}, {0xE0, 0xE0, 3, 0xA0, kContinuationHigh},
    {0xE1, 0xEC, 3, kContinuationLow, kContinuationHigh}, {0xED, 0xED, 3, kContinuationLow, 0x9F},
    {0xEE, 0xEF, 3, kContinuationLow, kContinuationHigh}, {0xF0, 0xF0, 4, 0x90, kContinuationHigh},
    {0xF1, 0xF3, 4, kContinuationLow, kContinuationHigh}, {0xF4, 0xF4, 4, kContinuationLow, 0x8F}};
constexpr Utf8Lead kUtf8Single = {0, 0, 1, 0, 0};

// One character at a position: its bytes, and whether the text holds all of them.
struct CharSpan {
  std::size_t length;
  bool whole;
};

unsigned char ByteAt(std::string_view text, std::size_t at) {
  return static_cast<unsigned char>(text[at]);
}

bool Within(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

const Utf8Lead& Utf8LeadOf(unsigned char byte) {
  for (const Utf8Lead& lead : kUtf8Leads) {
    if (Within(byte, lead.first_low, lead.first_high)) return lead;
  }
  return kUtf8Single;
}

// An ill-formed byte is a character by itself, as the system's conversion takes it; a sequence
// that the text ends in is not whole.
CharSpan Utf8CharAt(std::string_view text, std::size_t at) {
  const Utf8Lead& lead = Utf8LeadOf(ByteAt(text, at));
  for (std::size_t k = 1; k < lead.length; ++k) {
    if (at + k >= text.size()) return {1, false};
    const unsigned char byte = ByteAt(text, at + k);
    const bool follows = k == 1 ? Within(byte, lead.second_low, lead.second_high)
                                : Within(byte, kContinuationLow, kContinuationHigh);
    if (!follows) return {1, true};
  }
  return {lead.length, true};
}

bool MultiByteIs(std::uint32_t code_page) {
  return code_page == CODE_PAGE_UTF8 || code_page == CODE_PAGE_SHIFT_JIS ||
         code_page == CODE_PAGE_GBK || code_page == CODE_PAGE_KOREAN || code_page == CODE_PAGE_BIG5;
}

CharSpan CharAt(std::string_view text, std::size_t at, std::uint32_t code_page) {
  if (code_page == CODE_PAGE_UTF8) return Utf8CharAt(text, at);
  if (!TextLeadByteIs(code_page, ByteAt(text, at))) return {1, true};
  // CharNextExA: a lead byte takes the next one unless the text ends there.
  if (at + 1 >= text.size() || text[at + 1] == '\0') return {1, false};
  return {kDoubleByteLength, true};
}

}  // namespace

bool TextLeadByteIs(std::uint32_t code_page, unsigned char byte) {
  switch (code_page) {
    case CODE_PAGE_SHIFT_JIS:
      return Within(byte, kShiftJisLeadLow, kShiftJisLeadHigh) ||
             Within(byte, kShiftJisUpperLeadLow, kShiftJisUpperLeadHigh);
    case CODE_PAGE_GBK:
    case CODE_PAGE_KOREAN:
    case CODE_PAGE_BIG5:
      return Within(byte, kDoubleByteLeadLow, kDoubleByteLeadHigh);
    default:
      return false;
  }
}

std::size_t TextCharNext(std::string_view text, std::size_t at, std::uint32_t code_page) {
  if (at >= text.size()) return text.size();
  return at + CharAt(text, at, code_page).length;
}

std::size_t TextCharPrevious(std::string_view text, std::size_t at, std::uint32_t code_page) {
  if (at > text.size()) at = text.size();
  if (!MultiByteIs(code_page)) return at == 0 ? 0 : at - 1;
  std::size_t previous = 0;
  for (std::size_t k = 0; k < at; k = TextCharNext(text, k, code_page)) previous = k;
  return previous;
}

std::size_t TextFitLength(std::string_view text, std::size_t room, std::uint32_t code_page) {
  if (!MultiByteIs(code_page)) return text.size() < room ? text.size() : room;
  std::size_t length = 0;
  while (length < text.size()) {
    const CharSpan span = CharAt(text, length, code_page);
    if (!span.whole || span.length > room - length) break;
    length += span.length;
  }
  return length;
}

std::size_t TextCharFind(std::string_view text, char c, std::uint32_t code_page, std::size_t from) {
  if (!MultiByteIs(code_page)) return text.find(c, from);
  for (std::size_t k = 0; k < text.size();) {
    const std::size_t length = CharAt(text, k, code_page).length;
    if (k >= from && length == 1 && text[k] == c) return k;
    k += length;
  }
  return std::string_view::npos;
}

std::size_t TextCharFindLast(std::string_view text, char c, std::uint32_t code_page) {
  if (!MultiByteIs(code_page)) return text.rfind(c);
  std::size_t last = std::string_view::npos;
  for (std::size_t k = 0; k < text.size();) {
    const std::size_t length = CharAt(text, k, code_page).length;
    if (length == 1 && text[k] == c) last = k;
    k += length;
  }
  return last;
}

void TextCopyBounded(char* out, std::int64_t capacity, std::string_view text,
                     std::uint32_t code_page) {
  if (out == nullptr || capacity <= 0) return;
  const std::size_t length = TextFitLength(text, static_cast<std::size_t>(capacity - 1), code_page);
  std::memcpy(out, text.data(), length);
  out[length] = '\0';
}

std::string_view TextFieldRead(const char* field, std::size_t size, std::uint32_t code_page) {
  if (field == nullptr) return std::string_view();
  const void* end = std::memchr(field, '\0', size);
  const std::string_view text(
      field,
      end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size);
  return text.substr(0, TextFitLength(text, text.size(), code_page));
}
