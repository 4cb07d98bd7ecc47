// Platform-free path arithmetic of an explorer gadget: its pattern, and where a move leads.
#include "toolkit/explorer/explorer_open_path.h"

#include <vector>

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

constexpr char kForwardSlash = '/';
constexpr char kDot[] = ".";
constexpr std::size_t kUncPrefixLength = 2;  // the "\\" of \\server\share
constexpr std::size_t kUncRootParts = 2;     // server and share

// The length of the root that ".." never climbs above: C:\ (or C:), \\server\share\, or \.
bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::size_t RootLength(std::string_view path, std::uint32_t code_page) {
  if (path.size() > kDriveColonIndex && path[kDriveColonIndex] == kDriveColon &&
      IsDriveLetter(path[0])) {
    const std::size_t after = kDriveColonIndex + 1;
    return after < path.size() && path[after] == EXPLORER_PATH_SEPARATOR ? after + 1 : after;
  }
  if (path.substr(0, kUncPrefixLength) == "\\\\") {
    std::size_t at = kUncPrefixLength;
    for (std::size_t part = 0; part < kUncRootParts && at < path.size(); ++part) {
      const std::size_t next = TextCharFind(path, EXPLORER_PATH_SEPARATOR, code_page, at);
      at = next == std::string_view::npos ? path.size() : next + 1;
    }
    return at;
  }
  return !path.empty() && path[0] == EXPLORER_PATH_SEPARATOR ? 1 : 0;
}

}  // namespace

std::string ExplorerPathResolve(std::string_view path, std::uint32_t code_page) {
  std::string text(path);
  for (std::size_t at = 0; at < text.size(); at = TextCharNext(text, at, code_page)) {
    if (text[at] == kForwardSlash) text[at] = EXPLORER_PATH_SEPARATOR;
  }
  const std::size_t root = RootLength(text, code_page);
  std::vector<std::string_view> parts;
  const std::string_view rest = std::string_view(text).substr(root);
  bool folder_end = rest.empty();
  for (std::size_t start = 0; start <= rest.size();) {
    std::size_t end = TextCharFind(rest, EXPLORER_PATH_SEPARATOR, code_page, start);
    if (end == std::string_view::npos) end = rest.size();
    const std::string_view part = rest.substr(start, end - start);
    const bool last = end == rest.size();
    folder_end = last && (part.empty() || part == kDot || part == EXPLORER_DOT_DOT);
    if (part == EXPLORER_DOT_DOT) {
      // Above a root it stays there; above a relative start it is kept.
      if (!parts.empty() && parts.back() == kDot) {
        parts.back() = part;
      } else if (!parts.empty() && parts.back() != EXPLORER_DOT_DOT) {
        parts.pop_back();
      } else if (root == 0) {
        parts.push_back(part);
      }
    } else if (!part.empty() && (part != kDot || (root == 0 && start == 0))) {
      // A relative path keeps the "." it starts with: ".\*.png" is a pattern, "*.png" none.
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string resolved = text.substr(0, root);
  for (const std::string_view part : parts) {
    resolved.append(part);
    resolved += EXPLORER_PATH_SEPARATOR;
  }
  if (!parts.empty() && !folder_end) resolved.pop_back();
  if (resolved.empty() && root == 0 && !path.empty()) resolved = std::string(kDot) + kSeparatorText;
  return resolved;
}

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
