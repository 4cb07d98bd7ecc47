// Fuzz target: random scan lists through sort and rebuild must come out complete, ordered,
// found by number and with their texts and paths, rebuild after rebuild.
#include <cstdio>
#include <map>

#include "tests/explorer/explorer_test_support.h"

namespace {

// Names and date keys with bytes above 127; sizes up to and above 2^32 and 2^63.
// clang-format off
const std::string kNames[] = {"a.TXT", "b.txt", "Makefile", "x.c", "ab", "Q", "photo.jpg", "\xC0\xC1.dat", "z.Zip", "readme", "n.\xE9z", std::string(300, 'n')};
// Paths as the scan makes them: the folder and the name, the folder and a short name, or
// elsewhere; with the scan's folder, or none.
const char* const kFolders[] = {"", "C:\\f\\"};
const char* const kDates[] = {"2009.07.14 05:32:31", "2009.07.14 05:32:30", "2021.02.01 05:03:09", "1999.12.31", "", "2009", "20\xE9"};
const int kShifts[] = {0, 31, 32, 61};
// clang-format on

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int64_t mode = data[0] % 6;  // 4 and 5 are outside the columns
  const int32_t ascending = data[1] & 1;
  const size_t first = (data[1] & 2) ? 1 : 0;  // 1 when ".." is scanned first
  const std::string folder = kFolders[(data[1] >> 2) & 1];
  TestGadget gadget(mode, ascending);
  for (int rebuild = 0; rebuild < 2; ++rebuild) {  // the second into the same, cleared list
    Strings scanned;
    std::map<std::string, std::string> keys, paths;  // the column's key: text that orders like it
    ExplorerEntryListFolderSet(ExplorerScanListGet(), folder);
    auto add = [&](const std::string& name, uint64_t bytes, int32_t kind, const char* date,
                   int form = 0) {
      const std::string path[] = {folder + name, folder + "ALT~" + name.substr(0, 3),
                                  "D:\\" + name};
      const ExplorerEntry* e = ExplorerEntryAdd(ExplorerScanListGet(), name, bytes, path[form % 3],
                                                "shown", kind, 0, date);
      paths[e->name] = path[form % 3].substr(0, 259);
      char sizeKey[24];  // as the sort sees it: an empty file counts as one byte
      std::snprintf(sizeKey, sizeof(sizeKey), "%020llu", static_cast<unsigned long long>(e->size));
      const std::string byColumn[] = {"", sizeKey, e->extension, e->modifiedKey};
      keys[e->name] = byColumn[mode & 3];
      scanned.push_back(e->name);
    };
    if (first) add("..", 0, ENTRY_KIND_FOLDER, kDates[0]);
    for (size_t at = 2 + rebuild; at + 3 <= size; at += 3) {
      const int32_t kind = (data[at] & 1) ? ENTRY_KIND_FOLDER : ENTRY_KIND_FILE;
      const uint64_t bytes = uint64_t{data[at + 1] % 8u} << kShifts[data[at + 1] >> 6];
      add(std::to_string(at) + kNames[(data[at] >> 1) % 12], kind == ENTRY_KIND_FOLDER ? 0 : bytes,
          kind, kDates[data[at + 2] % 7], data[at + 2] / 7);
    }
    SortIntoGadget(&gadget);

    // A permutation of the scan, numbered 1..n in list order and found by those numbers.
    const Strings shown = Names(gadget.list);
    Check(std::is_permutation(shown.begin(), shown.end(), scanned.begin(), scanned.end()));
    int64_t number = 1;
    for (const ExplorerEntry& e : gadget.list.entries) {
      Check(e.sequence == number && ExplorerEntryFind(&gadget.list, number++) == &e);
      Check(ExplorerEntryPath(gadget.list, e) == paths[e.name]);
      Check(std::string(e.modifiedText) == (std::string(e.name) == ".." ? "" : "shown"));
    }
    Check(ExplorerEntryFind(&gadget.list, number) == nullptr);
    // ".." scanned first stays first; the rest is in the column's order, or the name column's
    // (the scan order, reversed when ascending) outside the four.
    if (first) Check(shown[0] == "..");
    if (mode >= EXPLORER_SORT_SIZE && mode <= EXPLORER_SORT_MODIFIED) {
      for (size_t k = first + 1; k < shown.size(); ++k) {
        const int order = keys[shown[k - 1]].compare(keys[shown[k]]);
        Check(ascending == EXPLORER_ASCENDING ? order <= 0 : order >= 0);
      }
    } else {
      Strings expected = scanned;
      if (ascending == EXPLORER_ASCENDING) std::reverse(expected.begin() + first, expected.end());
      Check(shown == expected);
    }
  }
  return 0;
}
