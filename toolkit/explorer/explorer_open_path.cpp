// Platform-free path arithmetic of an explorer gadget: its pattern, and where a move leads.
#include "toolkit/explorer/explorer_open_path.h"

#include "toolkit/explorer/explorer_constants.h"
#include "toolkit/explorer/explorer_present_text.h"

namespace {

constexpr char kWildcard = '*';
// A pattern starts at the second character or later: a path starting with "*" has none.
constexpr std::size_t kPatternFirstIndex = 1;
constexpr char kSeparatorText[] = "\\";

bool EndsWithSeparator(std::string_view text) {
  return !text.empty() && text.back() == EXPLORER_PATH_SEPARATOR;
}

}  // namespace

std::string ExplorerPatternOf(std::string_view path) {
  const std::size_t star = path.find(kWildcard);
  if (star == std::string_view::npos || star < kPatternFirstIndex) return std::string();
  return std::string(path.substr(star));
}

std::string ExplorerPathStored(std::string_view path, std::string_view pattern) {
  std::string stored(path);
  if (pattern.empty() && !EndsWithSeparator(stored)) stored += EXPLORER_PATH_SEPARATOR;
  return stored;
}

std::string ExplorerPathWithoutPattern(std::string_view path, std::string_view pattern) {
  const std::size_t star = path.find(kWildcard);
  if (pattern.empty() || star == std::string_view::npos || star < kPatternFirstIndex) {
    return std::string(path);
  }
  return std::string(path.substr(0, star));
}

ExplorerOpenPlan ExplorerOpenPlanMake(std::string_view path, std::string_view pattern,
                                      std::string_view name, std::string_view text,
                                      std::int32_t mode) {
  ExplorerOpenPlan plan;
  plan.path = std::string(path);
  const std::string_view shown =
      (text.empty() ? name : text).substr(0, EXPLORER_OPEN_NAME_SIZE - 1);
  const bool up = shown == EXPLORER_DOT_DOT;
  const bool at_drive_root = path.size() == EXPLORER_DRIVE_ROOT_PATH_MAX;
  if (up && at_drive_root) {
    plan.path = kSeparatorText;
    plan.target = kSeparatorText;
    plan.driveList = true;
    return plan;
  }
  if (mode == EXPLORER_OPEN_PATH) {
    plan.target = std::string(text);
    if (pattern.empty() && !EndsWithSeparator(text)) plan.target += EXPLORER_PATH_SEPARATOR;
    return plan;
  }
  if (!pattern.empty()) plan.path = TextTrimTrailing(plan.path, pattern);
  if (up) {
    const std::string parent = TextTrimTrailing(plan.path, kSeparatorText);
    const std::size_t last = parent.rfind(EXPLORER_PATH_SEPARATOR);
    plan.target = last == std::string::npos ? std::string() : parent.substr(0, last + 1);
  } else if (plan.path.size() > EXPLORER_DRIVE_LIST_PATH_MAX) {
    plan.target = plan.path + std::string(shown) + kSeparatorText;
  } else {
    plan.target = std::string(shown);  // a drive root such as C:\ from the drive list
  }
  plan.target += pattern;
  return plan;
}

std::string ExplorerFallbackFolder(std::string_view target) {
  const std::size_t star = target.find(kWildcard);
  if (star == std::string_view::npos || star == 0) return std::string();
  return std::string(target.substr(0, star));
}
