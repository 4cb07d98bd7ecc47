// Helpers shared by the explorer's tests: a current gadget owning its list, and list readers.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_gadget_data.h"
#include "toolkit/explorer/explorer_sort.h"

using Strings = std::vector<std::string>;

// The fuzz targets' assertion: a crash that the fuzzer reports with its input.
inline void Check(bool condition) {
  if (!condition) std::abort();
}

// A gadget record that owns its entry list and is the current gadget while it lives; it also
// makes the shared scan list, as start-up does (once, kept after).
struct TestGadget {
  ExplorerEntryList list;
  ExplorerGadgetData data;
  ExplorerGadgetData* previous = ExplorerCurrentGet();
  explicit TestGadget(int64_t mode = EXPLORER_SORT_NAME, int32_t ascending = EXPLORER_DESCENDING) {
    data.entries = &list;
    list.sortMode = mode;
    list.ascending = ascending;
    ExplorerCurrentSet(&data);
    ExplorerScanListInit();
  }
  ~TestGadget() { ExplorerCurrentSet(previous); }
};

inline Strings Names(const ExplorerEntryList& list) {
  Strings names;
  for (const ExplorerEntry& e : list.entries) names.emplace_back(e.name);
  return names;
}

// The names joined by spaces in the layout of `expected`, where a token "A|B" stands for names
// whose order is free (equal keys, or the order the file system gives): those are put in name
// order, so that the result equals `expected` exactly when the list matches it.
inline std::string Shown(const Strings& names, const std::string& expected) {
  std::istringstream tokens(expected);
  std::string shown, token;
  for (size_t at = 0; at < names.size();) {
    const size_t take = tokens >> token ? std::count(token.begin(), token.end(), '|') + 1 : 1;
    Strings group(names.begin() + at, names.begin() + std::min(at + take, names.size()));
    std::sort(group.begin(), group.end());
    for (const std::string& name : group) shown += name + (&name == &group.back() ? " " : "|");
    at += group.size();
  }
  if (!shown.empty()) shown.pop_back();
  return shown;
}

// The ordering step of a scan: sort the scan list into the gadget's list, empty the scan list.
inline void SortIntoGadget(TestGadget* gadget) {
  ExplorerEntryListEmpty(&gadget->list);
  ExplorerEntriesSort(ExplorerScanListGet(), ExplorerEntryListCount(ExplorerScanListGet()));
  ExplorerEntriesRebuild(&gadget->list);
  ExplorerEntryListClear(ExplorerScanListGet());
}
