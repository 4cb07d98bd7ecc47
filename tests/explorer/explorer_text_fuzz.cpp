// Fuzz target: the explorer's texts and path arithmetic on any bytes stay in bounds and sound.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present_text.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 10) return 0;
  uint64_t number;
  std::memcpy(&number, data, sizeof number);
  const std::string size_text = ExplorerSizeText(data[8] & 1, number);
  Check(!size_text.empty() && size_text.size() <= 15);
  // The rest: path, pattern, name and text, split at zero bytes.
  std::string parts[4];
  for (size_t at = 10, part = 0; at < size && part < 4; ++at) {
    if (data[at] == 0) ++part; else parts[part] += static_cast<char>(data[at]);
  }
  const ExplorerOpenPlan plan = ExplorerOpenPlanMake(parts[0], parts[1], parts[2], parts[3], data[9] & 1);
  Check(plan.path.size() <= parts[0].size() || plan.driveList);
  Check(ExplorerFallbackFolder(plan.target).size() <= plan.target.size());
  const std::string trimmed = TextTrimTrailing(parts[0], parts[1]);
  Check(parts[0].compare(0, trimmed.size(), trimmed) == 0 && (trimmed.size() >= 1 || parts[0].empty()));
  // Replacing a text by itself changes nothing, found or not, every or first.
  Check(TextReplace(parts[0], parts[1], parts[1], data[9] >> 4, data[9] & 2 ? 1 : 0, 1) == parts[0]);
  TextReplace(parts[0], parts[1], parts[2], data[9], 1, 0);
  // A copy never writes past the room it is given (ASan sees the exact block).
  const size_t room = data[8] >> 1;
  std::unique_ptr<char[]> out(new char[room + 1]);
  TextCopyBounded(out.get(), static_cast<int64_t>(room), parts[2]);
  Check(room == 0 || std::strlen(out.get()) == std::min(room - 1, std::strlen(parts[2].c_str())));
  return 0;
}
