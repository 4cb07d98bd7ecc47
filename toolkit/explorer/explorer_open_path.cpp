// Platform-free path arithmetic of an explorer gadget: its pattern, and where a move leads.
#include "toolkit/explorer/explorer_open_path.h"

#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_constants.h"
#include "toolkit/explorer/explorer_present_text.h"

namespace {

constexpr char kWildcard = '*';
// A pattern's "*" stands at the second character or later: a path starting with "*" has none.
constexpr std::size_t kPatternFirstIndex = 1;
constexpr char kSeparatorText[] = "\\";
// A drive-relative path such as C:*.txt: its last component starts after the colon.
constexpr char kDriveColon = ':';
constexpr std::size_t kDriveColonIndex = 1;

bool EndsWithSeparator(std::string_view text, std::uint32_t code_page) {
  const std::size_t last = TextCharPrevious(text, text.size(), code_page);
  return last + 1 == text.size() && text[last] == EXPLORER_PATH_SEPARATOR;
}

// Where the pattern starts: after the last separator before the first "*"; npos for none.
std::size_t PatternStart(std::string_view path, std::uint32_t code_page) {
  const std::size_t star = TextCharFind(path, kWildcard, code_page);
  if (star == std::string_view::npos || star < kPatternFirstIndex) return std::string_view::npos;
  const std::size_t separator =
      TextCharFindLast(path.substr(0, star), EXPLORER_PATH_SEPARATOR, code_page);
  if (separator != std::string_view::npos) return separator + 1;
  return star > kDriveColonIndex && path[kDriveColonIndex] == kDriveColon ? kDriveColonIndex + 1
                                                                          : 0;
}

}  // namespace

std::string ExplorerPatternOf(std::string_view path, std::uint32_t code_page) {
  const std::size_t start = PatternStart(path, code_page);
  if (start == std::string_view::npos) return std::string();
  return std::string(path.substr(start));
}

std::string ExplorerPathStored(std::string_view path, std::string_view pattern,
                               std::uint32_t code_page) {
  std::string stored(path);
  if (pattern.empty() && !EndsWithSeparator(stored, code_page)) {
    stored += EXPLORER_PATH_SEPARATOR;
  }
  return stored;
}

std::string ExplorerPathWithoutPattern(std::string_view path, std::string_view pattern,
                                       std::uint32_t code_page) {
  const std::size_t start =
      pattern.empty() ? std::string_view::npos : PatternStart(path, code_page);
  return std::string(start == std::string_view::npos ? path : path.substr(0, start));
}

bool ExplorerIsDriveRoot(std::string_view path, std::string_view pattern, std::uint32_t code_page) {
  const std::size_t length = ExplorerPathWithoutPattern(path, pattern, code_page).size();
  return length > EXPLORER_DRIVE_LIST_PATH_MAX && length <= EXPLORER_DRIVE_ROOT_PATH_MAX;
}

ExplorerOpenPlan ExplorerOpenPlanMake(std::string_view path, std::string_view pattern,
                                      std::string_view name, std::string_view text,
                                      std::int32_t mode, std::uint32_t code_page) {
  ExplorerOpenPlan plan;
  plan.path = std::string(path);
  std::string_view shown = text.empty() ? name : text;
  shown = shown.substr(0, TextFitLength(shown, EXPLORER_OPEN_NAME_SIZE - 1, code_page));
  const bool up = shown == EXPLORER_DOT_DOT;
  // A root stays a root whatever pattern it carries (C:\*.* after the not-found fallback).
  const std::string folder = ExplorerPathWithoutPattern(path, pattern, code_page);
  if (up && folder.size() == EXPLORER_DRIVE_ROOT_PATH_MAX) {
    plan.path = kSeparatorText;
    plan.target = kSeparatorText;
    plan.driveList = true;
    return plan;
  }
  if (mode == EXPLORER_OPEN_PATH) {
    plan.target = std::string(text);
    if (pattern.empty() && !EndsWithSeparator(text, code_page)) {
      plan.target += EXPLORER_PATH_SEPARATOR;
    }
    return plan;
  }
  plan.path = folder;
  if (up) {
    const std::string parent = TextTrimTrailing(plan.path, kSeparatorText, code_page);
    const std::size_t last = TextCharFindLast(parent, EXPLORER_PATH_SEPARATOR, code_page);
    plan.target = last == std::string::npos ? std::string() : parent.substr(0, last + 1);
  } else if (plan.path.size() > EXPLORER_DRIVE_LIST_PATH_MAX) {
    plan.target = plan.path + std::string(shown) + kSeparatorText;
  } else {
    plan.target = std::string(shown);  // a drive root such as C:\ from the drive list
  }
  plan.target += pattern;
  return plan;
}

std::string ExplorerFallbackFolder(std::string_view target, std::uint32_t code_page) {
  const std::size_t start = PatternStart(target, code_page);
  if (start == std::string_view::npos || start == 0) return std::string();
  return std::string(target.substr(0, start));
}
