// Constants of the explorer gadget's data: entry kinds, sort columns, list modes, probe results.
#pragma once

#include <cstddef>
#include <cstdint>

#include <vantrel/explorer_api.h>

// Kinds of an ExplorerEntry.
inline constexpr int32_t ENTRY_KIND_FILE = 0;    // a file or a drive
inline constexpr int32_t ENTRY_KIND_FOLDER = 1;  // a folder, ".." included

// Results of ExplorerFolderProbe.
inline constexpr int32_t PROBE_OK = 1;
inline constexpr int32_t PROBE_ACCESS_DENIED = 0;
inline constexpr int32_t PROBE_NOT_FOUND = 2;
inline constexpr int32_t PROBE_FAILED = -1;

// Truth values of the explorer's flags and predicates.
inline constexpr int32_t EXPLORER_TRUE = -1;
inline constexpr int32_t EXPLORER_FALSE = 0;

// ExplorerFirstOnly: set by the window side for a scan that shows only the first folder entry.
inline constexpr int32_t EXPLORER_FIRST_ONLY_ON = -1;
inline constexpr int32_t EXPLORER_FIRST_ONLY_OFF = 0;

// ExplorerEntryList::ascending: 1 keeps the sort order, anything else reverses it.
inline constexpr int32_t EXPLORER_ASCENDING = 1;
inline constexpr int32_t EXPLORER_DESCENDING = 0;

// Fixed text fields of an entry, each including its terminating zero byte.
inline constexpr std::size_t ENTRY_NAME_SIZE = 260;
inline constexpr std::size_t ENTRY_PATH_SIZE = 260;
inline constexpr std::size_t ENTRY_DATE_SIZE = 20;
inline constexpr std::size_t ENTRY_EXTENSION_SIZE = 4;
inline constexpr std::size_t ENTRY_EXTENSION_LENGTH = ENTRY_EXTENSION_SIZE - 1;

// Texts with a meaning of their own.
inline constexpr char EXPLORER_DOT_DOT[] = "..";
inline constexpr char EXPLORER_DOT[] = ".";
inline constexpr char EXPLORER_NO_EXTENSION[] = " ";  // a folder's extension; sorts first
inline constexpr char EXPLORER_REBUILT_KEY[] = " ";   // modifiedKey of every rebuilt entry
inline constexpr char EXPLORER_ALL_NAMES[] = "*.*";   // appended to a path without pattern
inline constexpr char EXPLORER_PATH_SEPARATOR = '\\';

// A search path of at most this many characters asks for the drive list.
inline constexpr std::size_t EXPLORER_DRIVE_LIST_PATH_MAX = 1;
// A search path of at most this many characters is a drive root such as C:\.
inline constexpr std::size_t EXPLORER_DRIVE_ROOT_PATH_MAX = 3;

// Drive strings: room offered to GetLogicalDriveStringsA, and one root's bytes with its NUL.
inline constexpr std::size_t EXPLORER_DRIVE_STRINGS_SIZE = 256;
inline constexpr std::size_t EXPLORER_DRIVE_ROOT_STRIDE = 4;
inline constexpr std::size_t EXPLORER_DRIVE_ROOT_LENGTH = 3;

// A path starting with two backslashes and holding at most this many is a share root.
inline constexpr int EXPLORER_SHARE_ROOT_BACKSLASHES = 4;

// Growth base of the sorts' index stack.
inline constexpr int64_t EXPLORER_SORT_STACK_STEP = 1024;
