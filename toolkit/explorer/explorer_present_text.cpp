// Platform-free texts of the explorer's list: the size column, and the two text operations.
#include "toolkit/explorer/explorer_present_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

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

std::string Lowered(std::string_view text, TextLowerFunction lower) {
  std::string copy(text);
  (lower != nullptr ? lower : AsciiLower)(copy.data(), copy.size());
  return copy;
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
                        std::int32_t exact, TextLowerFunction lower) {
  std::string result(text);
  if (searched.empty()) return result;
  // Without exact comparison a lowered copy is searched and kept in step with the result.
  std::string lowered;
  std::string needle(searched);
  std::string lowered_replacement;
  if (exact == 0) {
    lowered = Lowered(result, lower);
    needle = Lowered(searched, lower);
    lowered_replacement = Lowered(replacement, lower);
  }
  std::string& haystack = exact == 0 ? lowered : result;
  std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  while (from <= result.size()) {
    const std::size_t found = haystack.find(needle, from);
    if (found == std::string::npos) break;
    result.replace(found, searched.size(), replacement);
    if (exact == 0) lowered.replace(found, searched.size(), lowered_replacement);
    if (every != 1) break;
    from = found + replacement.size();
  }
  return result;
}

std::string TextTrimTrailing(std::string_view text, std::string_view set) {
  std::size_t length = text.size();
  while (length > 1 && set.find(text[length - 1]) != std::string_view::npos) --length;
  return std::string(text.substr(0, length));
}

void TextCopyBounded(char* out, std::int64_t capacity, std::string_view text) {
  if (out == nullptr || capacity <= 0) return;
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(out, text.data(), length);
  out[length] = '\0';
}
