// The explorer gadget's public record and constants: options, sort columns, list and view modes.
#pragma once

#include <cstdint>

// Sort columns: the index of the column header the user clicked.
inline constexpr std::int64_t EXPLORER_SORT_NAME = 0;
inline constexpr std::int64_t EXPLORER_SORT_SIZE = 1;
inline constexpr std::int64_t EXPLORER_SORT_TYPE = 2;
inline constexpr std::int64_t EXPLORER_SORT_MODIFIED = 3;

// What a folder listing shows.
inline constexpr std::int64_t EXPLORER_LIST_ALL = 0;
inline constexpr std::int64_t EXPLORER_LIST_FOLDERS = 1;
inline constexpr std::int64_t EXPLORER_LIST_FILES = 2;  // files, plus the ".." folder

// View modes of ExplorerViewModeSet.
inline constexpr std::int64_t EXPLORER_VIEW_ICONS = 0;
inline constexpr std::int64_t EXPLORER_VIEW_DETAILS = 1;
inline constexpr std::int64_t EXPLORER_VIEW_SMALL_ICONS = 2;
inline constexpr std::int64_t EXPLORER_VIEW_LIST = 3;

// A column width that means a quarter of the gadget's width (less a vertical scroll bar's, so
// that the four columns fit it).
inline constexpr std::int64_t COLUMN_WIDTH_AUTO = 999999;

// The explorer's own events: EVENT_GADGET with the gadget's id as EventSourceId, told apart by
// EventDetail (values no key or mouse event leaves there), the item in EventItemIndex.
// The chosen item changed, by mouse or keys (arrows, Home/End, type-ahead); item: the chosen
// one, -1 when nothing is chosen.
inline constexpr std::int32_t EXPLORER_EVENT_CHOSEN = 0xE001;
// A file was opened by a double click or Enter; item: the file.
inline constexpr std::int32_t EXPLORER_EVENT_OPENED = 0xE002;
// The user entered a folder, a drive or the drive list (a double click or Enter on it), or the
// folder shown went away and its nearest existing parent is shown; item -1. ExplorerPathGet
// answers the new path.
inline constexpr std::int32_t EXPLORER_EVENT_ENTERED = 0xE003;

// What an item is (ExplorerChosenKindGet).
inline constexpr std::int32_t EXPLORER_ITEM_NONE = 0;
inline constexpr std::int32_t EXPLORER_ITEM_FOLDER = 1;  // ".." included
inline constexpr std::int32_t EXPLORER_ITEM_FILE = 2;
inline constexpr std::int32_t EXPLORER_ITEM_DRIVE = 3;

// Flags of ExplorerOptions: a pattern filters files only, and every folder is listed, as in a
// file dialog (without it, folders are filtered by the pattern too).
inline constexpr std::int64_t EXPLORER_OPTION_ALL_FOLDERS = 1;

// Filled by the application (or ExplorerOptionsDefault) and passed to ExplorerGadgetCreate,
// which keeps a pointer to it: it must outlive the gadget. Each text holds at most its size - 1
// characters; an unterminated field is read only up to its size.
struct ExplorerOptions {
  char nameTitle[31];
  char sizeTitle[16];
  char typeTitle[16];
  char modifiedTitle[16];
  char errorTitle[16];        // title of the access-denied box
  char accessDeniedText[51];  // text of that box
  std::int64_t exStyle;       // low 32 bits: extended window style of the explorer window
  std::int64_t nameWidth;     // column widths in pixels (scaled mode: units), or COLUMN_WIDTH_AUTO
  std::int64_t sizeWidth;
  std::int64_t typeWidth;
  std::int64_t modifiedWidth;
  std::int64_t flags;  // EXPLORER_OPTION_* bits
};

// Writes the defaults ("Name", "Size", "Type", "Modified", "Error", "Access Denied", no extended
// style, automatic widths, no flags) into the record, texts padded with zero bytes. A null record
// is ignored.
void ExplorerOptionsDefault(ExplorerOptions* options);
