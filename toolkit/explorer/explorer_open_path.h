// Platform-free path arithmetic of an explorer gadget: its pattern, and where a move leads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// How ExplorerOpen takes its text: the name of an activated item, or a path to go to.
inline constexpr std::int32_t EXPLORER_OPEN_ENTRY = 0;
inline constexpr std::int32_t EXPLORER_OPEN_PATH = 1;

// The name buffer of a move: at most this many bytes of an item's name are used.
inline constexpr std::size_t EXPLORER_OPEN_NAME_SIZE = 256;

// Every operation here walks its texts by character of the code page it is given (on Windows
// the process's, GetACP()): a trail byte of a double-byte character is never a separator.

// The pattern of a path: its whole last component (C:\d\rep*.txt has rep*.txt), when that
// holds a "*" standing at the second character of the path or later; empty otherwise.
std::string ExplorerPatternOf(std::string_view path, std::uint32_t code_page);
// The path a gadget keeps for a path it is given: unchanged with a pattern, else ending in "\".
std::string ExplorerPathStored(std::string_view path, std::string_view pattern,
                               std::uint32_t code_page);
// The folder of a stored path: without its pattern when the gadget has one.
std::string ExplorerPathWithoutPattern(std::string_view path, std::string_view pattern,
                                       std::uint32_t code_page);
// Whether the folder of a stored path is a drive root such as C:\, whatever pattern it carries.
bool ExplorerIsDriveRoot(std::string_view path, std::string_view pattern, std::uint32_t code_page);

struct ExplorerOpenPlan {
  std::string path;        // the gadget's path with its pattern dropped, for an entry move
  std::string target;      // the search path to move to
  bool driveList = false;  // ".." at a drive root: the drive list, without probing
};

// Where a move leads from the gadget's path and pattern: with EXPLORER_OPEN_PATH to the text,
// with EXPLORER_OPEN_ENTRY into the named item (a folder, a drive root, or ".." for up).
ExplorerOpenPlan ExplorerOpenPlanMake(std::string_view path, std::string_view pattern,
                                      std::string_view name, std::string_view text,
                                      std::int32_t mode, std::uint32_t code_page);

// The path with "/" read as "\" and its "." and ".." components resolved, as the system
// resolves a full path: ".." above a root (C:\, \\server\share\, \) stays at the root, and one
// above the start of a relative path is kept. A path that ended in a separator, ".", or ".."
// ends in "\"; the pattern, a last component with "*", is kept as it is.
std::string ExplorerPathResolve(std::string_view path, std::uint32_t code_page);

// The not-found fallback's folder: the target without its pattern; empty when it has none.
std::string ExplorerFallbackFolder(std::string_view target, std::uint32_t code_page);
