// Platform-free texts of the explorer's list: the size column, and the two text operations.
#include "toolkit/explorer/explorer_present_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_constants.h"

namespace {

constexpr int kKilobyteShift = 10;
constexpr int kMegabyteShift = 20;
constexpr int kGigabyteShift = 30;
constexpr std::uint64_t kKilobyte = 1ull << kKilobyteShift;
constexpr std::uint64_t kMegabyte = 1ull << kMegabyteShift;
constexpr std::uint64_t kGigabyte = 1ull << kGigabyteShift;
// Hundredths of a megabyte, truncated like the whole kilobytes and gigabytes.
constexpr std::uint64_t kMegabyteFraction = 100;
// Four characters of the quotient hold the gigabytes up to 9999; beyond, all digits are shown.
constexpr std::size_t kGigabyteCharacters = 4;
constexpr double kGigabyteWholeFrom = 10000.0;
constexpr char kFolderSize[] = " ";

void AsciiLower(char* text, std::size_t length) {
  for (std::size_t k = 0; k < length; ++k) {
    if (text[k] >= 'A' && text[k] <= 'Z') text[k] = static_cast<char>(text[k] - 'A' + 'a');
  }
}

// Whether both texts have their characters at the same places.
bool SameCharacters(std::string_view a, std::string_view b, std::uint32_t code_page) {
  if (a.size() != b.size()) return false;
  for (std::size_t at = 0; at < a.size();) {
    const std::size_t next = TextCharNext(a, at, code_page);
    if (TextCharNext(b, at, code_page) != next) return false;
    at = next;
  }
  return true;
}

// A lowered copy whose characters keep their places, so that a place found in it is one in the
// text. Where the system's lowering changes a character's length (in UTF-8 the Kelvin sign
// becomes "k"), that character is lowered alone, and kept as it was if it still does.
std::string Lowered(std::string_view text, TextLowerFunction lower, std::uint32_t code_page) {
  std::string copy(text);
  if (lower == nullptr) {
    AsciiLower(copy.data(), copy.size());
    return copy;
  }
  lower(copy.data(), copy.size());
  if (SameCharacters(text, copy, code_page)) return copy;
  copy.assign(text);
  for (std::size_t at = 0; at < copy.size();) {
    const std::size_t next = TextCharNext(text, at, code_page);
    std::string one(text.substr(at, next - at));
    lower(one.data(), one.size());
    if (TextCharNext(one, 0, code_page) == one.size()) copy.replace(at, one.size(), one);
    at = next;
  }
  return copy;
}

// The first place at or after `from` where the needle covers whole characters of the haystack.
std::size_t WholeFind(std::string_view haystack, std::string_view needle, std::size_t from,
                      std::uint32_t code_page) {
  for (std::size_t at = 0; at + needle.size() <= haystack.size();
       at = TextCharNext(haystack, at, code_page)) {
    if (at < from || haystack.compare(at, needle.size(), needle) != 0) continue;
    std::size_t end = at;
    while (end < at + needle.size()) end = TextCharNext(haystack, end, code_page);
    if (end == at + needle.size()) return at;
  }
  return std::string_view::npos;
}

// Whether the character is one of the set's.
bool SetHolds(std::string_view set, std::string_view character, std::uint32_t code_page) {
  for (std::size_t at = 0; at < set.size();) {
    const std::size_t next = TextCharNext(set, at, code_page);
    if (set.substr(at, next - at) == character) return true;
    at = next;
  }
  return false;
}

unsigned long long Wide(std::uint64_t value) {
  return static_cast<unsigned long long>(value);
}

}  // namespace

std::string ExplorerSizeText(std::int32_t kind, std::uint64_t size) {
  if (kind == ENTRY_KIND_FOLDER) return kFolderSize;
  char text[64];
  if (size < kKilobyte) {
    std::snprintf(text, sizeof(text), "%llu B", Wide(size));
  } else if (size < kMegabyte) {
    std::snprintf(text, sizeof(text), "%llu KB", Wide(size >> kKilobyteShift));
  } else if (size < kGigabyte) {
    const std::uint64_t fraction = ((size & (kMegabyte - 1)) * kMegabyteFraction) >> kMegabyteShift;
    std::snprintf(text, sizeof(text), "%llu.%02llu MB", Wide(size >> kMegabyteShift),
                  Wide(fraction));
  } else {
    const double quotient = static_cast<double>(size) / static_cast<double>(kGigabyte);
    if (quotient >= kGigabyteWholeFrom) {
      std::snprintf(text, sizeof(text), "%llu GB", Wide(size >> kGigabyteShift));
      return text;
    }
    std::snprintf(text, sizeof(text), "%.16g", quotient);
    std::string shown(text, std::min(std::strlen(text), kGigabyteCharacters));
    // A cut such as "100." loses its point too.
    if (!shown.empty() && shown.back() == '.') shown.pop_back();
    return shown + " GB";
  }
  return text;
}

std::string TextReplace(std::string_view text, std::string_view searched,
                        std::string_view replacement, std::int64_t start, std::int32_t every,
                        std::int32_t exact, std::uint32_t code_page, TextLowerFunction lower) {
  std::string result(text);
  if (searched.empty()) return result;
  // Without exact comparison a lowered copy is searched and kept in step with the result.
  std::string lowered;
  std::string needle(searched);
  std::string lowered_replacement;
  if (exact == 0) {
    lowered = Lowered(result, lower, code_page);
    needle = Lowered(searched, lower, code_page);
    lowered_replacement = Lowered(replacement, lower, code_page);
  }
  std::string& haystack = exact == 0 ? lowered : result;
  std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  while (from <= result.size()) {
    const std::size_t found = WholeFind(haystack, needle, from, code_page);
    if (found == std::string::npos) break;
    result.replace(found, searched.size(), replacement);
    if (exact == 0) lowered.replace(found, searched.size(), lowered_replacement);
    if (every != 1) break;
    from = found + replacement.size();
  }
  return result;
}

std::string TextTrimTrailing(std::string_view text, std::string_view set, std::uint32_t code_page) {
  // The starts of the characters, then the text's end.
  std::vector<std::size_t> starts;
  for (std::size_t at = 0; at < text.size(); at = TextCharNext(text, at, code_page)) {
    starts.push_back(at);
  }
  starts.push_back(text.size());
  std::size_t kept = starts.size() - 1;  // characters kept; the first one always stays
  while (kept > 1 &&
         SetHolds(set, text.substr(starts[kept - 1], starts[kept] - starts[kept - 1]), code_page)) {
    --kept;
  }
  return std::string(text.substr(0, starts[kept]));
}
