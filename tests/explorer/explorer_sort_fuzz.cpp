// Fuzz target: random scan lists through sort and rebuild must come out complete and ordered.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tests/explorer/explorer_test_support.h"

namespace {

struct Keys {
  uint64_t size;  // as the sort sees it: an empty file counts as one byte
  std::string extension;
  std::string modifiedKey;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

// Below zero, zero or above zero as the key of a orders before, level with or after b's.
int CompareKeys(int64_t mode, const Keys& a, const Keys& b) {
  if (mode == EXPLORER_SORT_SIZE) return a.size < b.size ? -1 : (b.size < a.size ? 1 : 0);
  if (mode == EXPLORER_SORT_TYPE) return std::strcmp(a.extension.c_str(), b.extension.c_str());
  return std::strcmp(a.modifiedKey.c_str(), b.modifiedKey.c_str());
}

const char* const kNames[] = {"a.TXT", "b.txt",     "Makefile",     "x.c",   "ab",
                              "Q",     "photo.jpg", "\xC0\xC1.dat", "z.Zip", "readme"};
const char* const kDates[] = {
    "2009.07.14 05:32:31", "2009.07.14 05:32:30", "2021.02.01 05:03:09", "1999.12.31 23:59:59", "",
    "2009.07.14"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int64_t mode = static_cast<int64_t>(data[0] % 6);  // 4 and 5 are outside the columns
  const int32_t ascending = data[1] & 1;
  const bool dot_dot_first = (data[1] & 2) != 0;
  ExplorerScanListInit();
  TestGadget gadget(mode, ascending);
  ExplorerEntryList* scan = ExplorerScanListGet();

  std::vector<std::string> scan_order;
  std::map<std::string, Keys> keys;
  auto add = [&](const std::string& name, uint64_t entry_size, int32_t kind,
                 const std::string& date) {
    ExplorerEntry* e =
        ExplorerEntryAdd(scan, name, entry_size, "C:\\f\\" + name, "shown", kind, 0, date);
    Check(e != nullptr);
    scan_order.push_back(name);
    keys[name] = Keys{e->size, e->extension, e->modifiedKey};
  };
  if (dot_dot_first) add("..", 0, ENTRY_KIND_FOLDER, kDates[0]);
  for (size_t at = 2; at + 3 <= size; at += 3) {
    const int32_t kind = (data[at] & 1) ? ENTRY_KIND_FOLDER : ENTRY_KIND_FILE;
    const std::string name = std::to_string(at) + kNames[(data[at] >> 1) % 10];
    const uint64_t entry_size = kind == ENTRY_KIND_FOLDER ? 0 : data[at + 1] % 8;
    add(name, entry_size, kind, kDates[data[at + 2] % 6]);
  }
  const int64_t count = static_cast<int64_t>(scan_order.size());

  SortIntoGadget(&gadget);

  // A permutation of the scan, numbered 1..n, with the scan list emptied.
  Check(scan->head == nullptr && scan->tail == nullptr);
  Check(ExplorerEntryListCount(&gadget.list) == count);
  std::vector<std::string> shown;
  int64_t sequence = 0;
  for (const ExplorerEntry* e = gadget.list.head; e != nullptr; e = e->next) {
    Check(e->sequence == ++sequence);
    Check(ExplorerEntryFind(&gadget.list, sequence) == e);
    Check(std::strcmp(e->modifiedKey, " ") == 0 && e->sizeRaised == 0);
    shown.emplace_back(e->name);
  }
  Check(ExplorerEntryFind(&gadget.list, count + 1) == nullptr);
  std::vector<std::string> sorted_shown = shown, sorted_scan = scan_order;
  std::sort(sorted_shown.begin(), sorted_shown.end());
  std::sort(sorted_scan.begin(), sorted_scan.end());
  Check(sorted_shown == sorted_scan);

  // ".." scanned first stays first; the rest is in the order of the column.
  const size_t first = dot_dot_first ? 1 : 0;
  if (dot_dot_first) Check(shown[0] == "..");
  if (mode >= EXPLORER_SORT_SIZE && mode <= EXPLORER_SORT_MODIFIED) {
    for (size_t k = first + 1; k < shown.size(); ++k) {
      const int order = CompareKeys(mode, keys[shown[k - 1]], keys[shown[k]]);
      Check(ascending == EXPLORER_ASCENDING ? order <= 0 : order >= 0);
    }
  } else {
    std::vector<std::string> expected(scan_order.begin(), scan_order.begin() + first);
    if (ascending == EXPLORER_ASCENDING) {
      expected.insert(expected.end(), scan_order.rbegin(), scan_order.rend() - first);
    } else {
      expected.insert(expected.end(), scan_order.begin() + first, scan_order.end());
    }
    Check(shown == expected);
  }
  return 0;
}
