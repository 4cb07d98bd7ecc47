// ExplorerEntry and ExplorerEntryList: the files, folders or drives an explorer gadget shows.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "toolkit/explorer/explorer_constants.h"

struct ExplorerEntry {
  ExplorerEntry* next;  // null for the last entry
  ExplorerEntry* prev;  // null for the first entry
  int64_t sequence;     // 1-based position in its list
  int32_t kind;         // ENTRY_KIND_FILE or ENTRY_KIND_FOLDER
  uint64_t size;        // bytes: a file's size, a drive's capacity, 0 for folders
  int32_t sizeRaised;   // 1 when a zero size was stored as 1
  char name[ENTRY_NAME_SIZE];
  char path[ENTRY_PATH_SIZE];
  char modifiedText[ENTRY_DATE_SIZE];  // DD.MM.YYYY HH:MM:SS, as shown
  char modifiedKey[ENTRY_DATE_SIZE];   // YYYY.MM.DD HH:MM:SS, the date sort's key
  char extension[ENTRY_EXTENSION_SIZE];
};

struct ExplorerEntryList {
  ExplorerEntry* head = nullptr;
  ExplorerEntry* tail = nullptr;
  int32_t ascending = EXPLORER_DESCENDING;
  int64_t sortMode = EXPLORER_SORT_NAME;
  // bySequence[k] is the entry numbered k + 1, so that a lookup by number costs the same
  // for every entry; kept in step with the links by ExplorerEntryAdd and the clear.
  std::vector<ExplorerEntry*> bySequence;

  ExplorerEntryList() = default;
  ~ExplorerEntryList();
  ExplorerEntryList(const ExplorerEntryList&) = delete;
  ExplorerEntryList& operator=(const ExplorerEntryList&) = delete;
};

void ExplorerEntryInit(ExplorerEntry* entry);
// Appends a new entry and returns it; null, with nothing appended, when memory is short.
ExplorerEntry* ExplorerEntryAdd(ExplorerEntryList* list, std::string_view name, uint64_t size,
                                std::string_view path, std::string_view modifiedText, int32_t kind,
                                int32_t sizeRaised, std::string_view modifiedKey);
ExplorerEntry* ExplorerEntryFind(const ExplorerEntryList* list, int64_t sequence);
void ExplorerEntryListClear(ExplorerEntryList* list);
// Number of entries in the list (the tail's sequence number), 0 when empty.
int64_t ExplorerEntryListCount(const ExplorerEntryList* list);

// The shared list every scan fills and empties; created by ExplorerScanListInit at start-up.
void ExplorerScanListInit();
ExplorerEntryList* ExplorerScanListGet();
