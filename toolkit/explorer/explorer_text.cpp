// Platform-free texts of the explorer: the two layouts of a date and the share-root test.
#include "toolkit/explorer/explorer_text.h"

#include "toolkit/core/code_page_text.h"

namespace {

constexpr int kDecimalBase = 10;
constexpr int kFieldDigits = 2;  // day, month, hour, minute and second
constexpr int kYearDigits = 1;   // the year has no leading zeros
constexpr int kMaxDigits = 12;   // any int, with its sign

// Appends the decimal text of value, zero-padded to digits, cut at the end of the buffer.
class TextWriter {
 public:
  TextWriter(char* out, std::size_t size) : out_(out), size_(size) {}
  void Char(char c) {
    if (length_ + 1 < size_) out_[length_++] = c;
  }
  void Number(int value, int digits) {
    char reversed[kMaxDigits];
    int count = 0;
    const bool negative = value < 0;
    // Work on the negative side so that the lowest int needs no special case.
    int rest = negative ? value : -value;
    do {
      reversed[count++] = static_cast<char>('0' - rest % kDecimalBase);
      rest /= kDecimalBase;
    } while (rest != 0 && count < kMaxDigits);
    if (negative) Char('-');
    for (int pad = count; pad < digits; ++pad) Char('0');
    while (count > 0) Char(reversed[--count]);
  }
  std::size_t Finish() {
    out_[length_] = '\0';
    return length_;
  }

 private:
  char* out_;
  std::size_t size_;
  std::size_t length_ = 0;
};

}  // namespace

std::size_t ExplorerDateFormat(const ExplorerDateParts& parts, int sortable, char* out,
                               std::size_t out_size) {
  if (out == nullptr || out_size == 0) return 0;
  TextWriter text(out, out_size);
  if (sortable == 1) {
    text.Number(parts.year, kYearDigits);
    text.Char('.');
    text.Number(parts.month, kFieldDigits);
    text.Char('.');
    text.Number(parts.day, kFieldDigits);
  } else {
    text.Number(parts.day, kFieldDigits);
    text.Char('.');
    text.Number(parts.month, kFieldDigits);
    text.Char('.');
    text.Number(parts.year, kYearDigits);
  }
  text.Char(' ');
  text.Number(parts.hour, kFieldDigits);
  text.Char(':');
  text.Number(parts.minute, kFieldDigits);
  text.Char(':');
  text.Number(parts.second, kFieldDigits);
  return text.Finish();
}

std::string ExplorerDateText(const ExplorerDateParts& parts, int sortable) {
  char text[ENTRY_DATE_SIZE * 2];
  const std::size_t length = ExplorerDateFormat(parts, sortable, text, sizeof(text));
  return std::string(text, length);
}

int32_t ExplorerIsShareRoot(std::string_view path, std::uint32_t code_page) {
  if (path.size() < 2 || path[0] != EXPLORER_PATH_SEPARATOR || path[1] != EXPLORER_PATH_SEPARATOR) {
    return EXPLORER_FALSE;
  }
  int backslashes = 0;
  for (std::size_t at = TextCharFind(path, EXPLORER_PATH_SEPARATOR, code_page);
       at != std::string_view::npos;
       at = TextCharFind(path, EXPLORER_PATH_SEPARATOR, code_page, at + 1)) {
    if (++backslashes > EXPLORER_SHARE_ROOT_BACKSLASHES) return EXPLORER_FALSE;
  }
  return EXPLORER_TRUE;
}
