// ExplorerEntry and ExplorerEntryList: the files, folders or drives an explorer gadget shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/explorer/explorer_constants.h"

// Texts that live as long as their list, packed into a few large blocks that never move, so
// that an entry can point at its texts and a rebuild can hand them on without copying a byte.
class ExplorerTextBlocks {
 public:
  // Room for `bytes` contiguous bytes; null when memory is short.
  char* Allocate(std::size_t bytes);
  // Takes over every block of `other`, whose texts stay where they are.
  void TakeFrom(ExplorerTextBlocks* other);
  void Clear();

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = 0;  // bytes used in the last block
  std::size_t size_ = 0;  // size of the last block
};

// How an entry's path is made.
inline constexpr uint32_t ENTRY_PATH_FOLDER_NAME = 0;  // the list's folder, then the name
inline constexpr uint32_t ENTRY_PATH_FOLDER_LEAF =
    1;                                           // the folder, then a leaf kept after the name
inline constexpr uint32_t ENTRY_PATH_WHOLE = 2;  // a whole path kept after the name

// One entry: 56 bytes, its texts in the list's blocks. Its full path is made when asked
// (ExplorerEntryPath), from the listing's folder and the name or an alternate leaf kept after it.
struct ExplorerEntry {
  const char* name;          // as shown, at most 259 bytes
  const char* modifiedText;  // DD.MM.YYYY HH:MM:SS, as shown; empty for ".." and drives
  const char* modifiedKey;   // YYYY.MM.DD HH:MM:SS, the date sort's key; " " after a rebuild
  uint64_t size;             // bytes: a file's size, a drive's capacity, 0 for folders
  int64_t sequence;          // 1-based position in its list
  int32_t kind;              // ENTRY_KIND_FILE or ENTRY_KIND_FOLDER
  int32_t sizeRaised;        // 1 when a zero size was stored as 1
  char extension[ENTRY_EXTENSION_SIZE];
  uint32_t pathForm;  // ENTRY_PATH_*: how the path is made
};

struct ExplorerEntryList {
  std::vector<ExplorerEntry> entries;  // in sequence order: entry k is numbered k + 1
  ExplorerTextBlocks texts;            // names, shown dates and path leaves
  ExplorerTextBlocks keys;             // date keys, needed only until the rebuild
  std::string folder;                  // the search path the entries' paths start with
  int32_t ascending = EXPLORER_DESCENDING;
  int64_t sortMode = EXPLORER_SORT_NAME;
};

// Appends a new entry and returns it (valid until the list changes again); null, with nothing
// appended, when memory is short. A path that is the list's folder followed by the name costs
// no text of its own.
ExplorerEntry* ExplorerEntryAdd(ExplorerEntryList* list, std::string_view name, uint64_t size,
                                std::string_view path, std::string_view modifiedText, int32_t kind,
                                int32_t sizeRaised, std::string_view modifiedKey);
const ExplorerEntry* ExplorerEntryFind(const ExplorerEntryList* list, int64_t sequence);
void ExplorerEntryListClear(ExplorerEntryList* list);
// Empties the list but keeps the room of its records for the listing that replaces them.
void ExplorerEntryListEmpty(ExplorerEntryList* list);
// Number of entries in the list, 0 when empty.
int64_t ExplorerEntryListCount(const ExplorerEntryList* list);
// Sets the folder that the paths of the entries appended next start with.
void ExplorerEntryListFolderSet(ExplorerEntryList* list, std::string_view folder);
// Makes room for `count` entries at once, so that a big listing is not moved as it grows.
void ExplorerEntryListReserve(ExplorerEntryList* list, int64_t count);
// Moves every entry of `from`, whose folder must be the list's, to the end of `list`, numbered
// on, with its texts.
void ExplorerEntryListAppend(ExplorerEntryList* list, ExplorerEntryList* from);

// The entry's full path, at most 259 bytes, made from the list's folder.
std::string ExplorerEntryPath(const ExplorerEntryList& list, const ExplorerEntry& entry);
// What the path holds after the folder: the name, or the short name that a name outside the
// code page was listed with (the whole path for one outside the folder).
std::string_view ExplorerEntryPathLeaf(const ExplorerEntry& entry);

// The shared list every scan fills and empties; created by ExplorerScanListInit at start-up.
void ExplorerScanListInit();
ExplorerEntryList* ExplorerScanListGet();
