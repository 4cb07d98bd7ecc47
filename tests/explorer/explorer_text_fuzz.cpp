// Fuzz target: the explorer's texts and path arithmetic on any bytes, in single-byte, double-byte
// and UTF-8 code pages, stay in bounds and never split a character.
#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present_text.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Whether `at` is where a character of the text starts (or its end).
bool Boundary(std::string_view text, size_t at, uint32_t code_page) {
  size_t k = 0;
  while (k < at) k = TextCharNext(text, k, code_page);
  return k == at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 11) return 0;
  constexpr uint32_t kCodePages[] = {1252, 932, 936, 949, 950, 65001};
  const uint32_t cp = kCodePages[data[10] % std::size(kCodePages)];
  uint64_t number;
  std::memcpy(&number, data, sizeof number);
  Check(ExplorerSizeText(data[8] & 1, number).size() <= 15);
  std::string parts[4];  // path, pattern, name and text, split at zero bytes
  for (size_t at = 11, part = 0; at < size && part < 4; ++at)
    data[at] == 0 ? void(++part) : parts[part].push_back(static_cast<char>(data[at]));
  const ExplorerOpenPlan plan =
      ExplorerOpenPlanMake(parts[0], parts[1], parts[2], parts[3], data[9] & 1, cp);
  Check(plan.path.size() <= parts[0].size() || plan.driveList);
  // Going up leads to a folder of the path that ends at a real separator.
  if ((data[9] & 1) == EXPLORER_OPEN_ENTRY && parts[1].empty() && parts[3].empty() &&
      parts[2] == ".." && !plan.driveList) {
    Check(parts[0].starts_with(plan.target) && Boundary(parts[0], plan.target.size(), cp));
    Check(plan.target.empty() || TextCharFindLast(plan.target, '\\', cp) + 1 == plan.target.size());
  }
  const std::string pattern = ExplorerPatternOf(parts[0], cp);
  Check(parts[0] == ExplorerPathWithoutPattern(parts[0], pattern, cp) + pattern);
  const std::string trimmed = TextTrimTrailing(parts[0], parts[1], cp);
  Check(parts[0].starts_with(trimmed) && (!trimmed.empty() || parts[0].empty()));
  Check(Boundary(parts[0], trimmed.size(), cp));
  // Replacing a text by itself changes nothing, first or every, found or not.
  Check(TextReplace(parts[0], parts[1], parts[1], data[9] >> 4, (data[9] >> 1) & 1, 1, cp) ==
        parts[0]);
  // A copy never writes past the room it is given (ASan watches the exact block) and keeps the
  // longest run of whole characters that fits.
  const size_t room = data[8] >> 1;
  std::vector<char> out(room);
  TextCopyBounded(out.data(), static_cast<int64_t>(room), parts[2], cp);
  const size_t fit = TextFitLength(parts[2], room == 0 ? 0 : room - 1, cp);
  Check(room == 0 || std::strlen(out.data()) == fit);
  Check(Boundary(parts[2], fit, cp) && TextCharPrevious(parts[2], fit, cp) <= fit);
  Check(fit == parts[2].size() || room == 0 || TextCharNext(parts[2], fit, cp) > room - 1 ||
        TextFitLength(parts[2], parts[2].size(), cp) == fit);
  return 0;
}
