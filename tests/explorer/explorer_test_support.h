// Helpers shared by the explorer's tests: a gadget record with its list, and list readers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_gadget_data.h"
#include "toolkit/explorer/explorer_sort.h"

// A gadget record that owns its entry list and is the current gadget while it lives.
struct TestGadget {
  ExplorerEntryList list;
  ExplorerGadgetData data;
  ExplorerGadgetData* previous;

  explicit TestGadget(int64_t sortMode = EXPLORER_SORT_NAME,
                      int32_t ascending = EXPLORER_DESCENDING)
      : previous(ExplorerCurrentGet()) {
    data.entries = &list;
    list.sortMode = sortMode;
    list.ascending = ascending;
    ExplorerCurrentSet(&data);
  }
  ~TestGadget() { ExplorerCurrentSet(previous); }
  TestGadget(const TestGadget&) = delete;
  TestGadget& operator=(const TestGadget&) = delete;
};

inline std::vector<std::string> Names(const ExplorerEntryList& list) {
  std::vector<std::string> names;
  for (const ExplorerEntry* e = list.head; e != nullptr; e = e->next) names.emplace_back(e->name);
  return names;
}

// Appends to the scan list the way a scan does.
inline void ScanEntry(const std::string& name, uint64_t size, int32_t kind,
                      const std::string& key = "2020.01.01 00:00:00") {
  ExplorerEntryAdd(ExplorerScanListGet(), name, size, "C:\\d\\" + name, "01.01.2020 00:00:00", kind,
                   0, key);
}
inline void ScanFile(const std::string& name, uint64_t size,
                     const std::string& key = "2020.01.01 00:00:00") {
  ScanEntry(name, size, ENTRY_KIND_FILE, key);
}
inline void ScanFolder(const std::string& name, const std::string& key = "2020.01.01 00:00:00") {
  ScanEntry(name, 0, ENTRY_KIND_FOLDER, key);
}

// The ordering step of a scan: sort the scan list into the gadget's list, empty the scan list.
inline void SortIntoGadget(TestGadget* gadget) {
  ExplorerEntryList* scan = ExplorerScanListGet();
  ExplorerEntryListClear(&gadget->list);
  ExplorerEntriesSort(scan, ExplorerEntryListCount(scan));
  ExplorerEntriesRebuild(&gadget->list);
  ExplorerEntryListClear(scan);
}
