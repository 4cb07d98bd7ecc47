// Fuzz target: the explorer's texts and path arithmetic on any bytes, in single-byte, double-byte
// and UTF-8 code pages, stay in bounds and never split a character.
#include <cstring>
#include <vector>

#include "tests/explorer/explorer_test_support.h"
#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 11) return 0;
  const uint32_t cp = std::data({1252u, 932u, 936u, 949u, 950u, 65001u})[data[10] % 6];
  uint64_t number;
  std::memcpy(&number, data, sizeof number);
  Check(ExplorerSizeText(data[8] & 1, number).size() <= 15);
  std::string parts[4];  // path, pattern, name and text, split at zero bytes
  for (size_t at = 11, part = 0; at < size && part < 4; ++at)
    data[at] == 0 ? void(++part) : parts[part].push_back(static_cast<char>(data[at]));
  const ExplorerOpenPlan plan =
      ExplorerOpenPlanMake(parts[0], parts[1], parts[2], parts[3], data[9] & 1, cp);
  Check(plan.path.size() <= parts[0].size() || plan.driveList);
  // Resolving twice changes nothing more, and a resolved path holds no "." or ".." to resolve.
  const std::string resolved = ExplorerPathResolve(parts[0], cp);
  Check(ExplorerPathResolve(resolved, cp) == resolved);
  const std::string trimmed = TextTrimTrailing(parts[0], parts[1], cp);
  Check(parts[0].starts_with(trimmed) && (!trimmed.empty() || parts[0].empty()));
  // Replacing a text by itself changes nothing, first or every, found or not.
  Check(TextReplace(parts[0], parts[1], parts[1], data[9] / 16, data[9] / 2 % 2, 1, cp) ==
        parts[0]);
  // A copy never writes past the room it is given (ASan watches the exact block) and keeps the
  // whole characters that fit.
  const size_t room = data[8] >> 1;
  std::vector<char> out(room);
  TextCopyBounded(out.data(), static_cast<int64_t>(room), parts[2], cp);
  Check(room == 0 || std::strlen(out.data()) == TextFitLength(parts[2], room - 1, cp));
  return 0;
}
