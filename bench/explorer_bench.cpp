// Benchmark of the explorer: scanning, sorting and lookup against their raw baselines, and the
// gadget on screen against raw passes and against a list view that inserts every row.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/wine_host.h"
#include "toolkit/explorer/explorer_present_text.h"
#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_gadget_data.h"
#include "toolkit/explorer/explorer_scan.h"
#include "toolkit/explorer/explorer_sort.h"

namespace {

constexpr int kDefaultFileCount = 100000;  // --files N measures another count
constexpr int kRepeats = 5;                // best of: the machine may be busy
constexpr int kFindCalls = 2000000;
constexpr DWORD kMakeTimeoutMs = 300000;
constexpr double kInsertLimitSeconds = 60.0;
const char kUnixFolder[] = "/tmp/vantrel-bench-explorer";
const char kFolder[] = "Z:\\tmp\\vantrel-bench-explorer\\";

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Making 100,000 files natively takes a second, through Wine's file calls much longer.
bool UnixRun(const std::string& command) {
  return HostRun(command, kMakeTimeoutMs);
}

// Sparse files of varied sizes, names, extensions and times, plus a few folders.
bool MakeFolder(int file_count) {
  const std::string perl =
      "perl -e 'my $d=shift; mkdir $d; my @e=(qw(txt dat jpg c h cpp png zip doc TXT), q()); "
      "for my $f (0..19) { mkdir sprintf(q(%s/folder%02d), $d, $f) } "
      "for my $i (0.." +
      std::to_string(file_count - 1) +
      ") { my $x=$e[($i*7)%11]; my $n=sprintf(q(%s/%s%06d%s), $d, "
      "substr(q(abcdefghijklmnopqrstuvwxyz),($i*13)%26,1+$i%5), ($i*7919)%1000003, "
      "$x eq q() ? q() : qq(.$x)); open(my $h, q(>), $n) or die; "
      "truncate($h, ($i*104729)%5000000); close $h; my $t=1262304000+($i*86413)%300000000; "
      "utime $t, $t, $n }' " +
      kUnixFolder;
  return UnixRun("rm -rf " + std::string(kUnixFolder) + " && " + perl);
}

// The least a scan of `passes` passes can do: find every record that often and read it.
uint64_t RawPasses(const std::string& search, int passes) {
  uint64_t sum = 0;
  for (int pass = 0; pass < passes; ++pass) {
    WIN32_FIND_DATAA record;
    HANDLE h = FindFirstFileA(search.c_str(), &record);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
      sum += record.dwFileAttributes + record.nFileSizeLow + record.ftLastWriteTime.dwLowDateTime +
             static_cast<unsigned char>(record.cFileName[0]);
    } while (FindNextFileA(h, &record));
    FindClose(h);
  }
  return sum;
}

// Fills the scan list from the folder the way a scan does, but keeps it for sorting.
void FillScanList(const std::string& folder) {
  ExplorerEntryList* scan = ExplorerScanListGet();
  ExplorerEntryListClear(scan);
  ExplorerEntryListFolderSet(scan, folder);
  WIN32_FIND_DATAA* record = ExplorerFindDataGet();
  HANDLE h = FindFirstFileA((folder + "*.*").c_str(), record);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (std::strcmp(record->cFileName, ".") == 0) continue;
    const bool folder_record = (record->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const uint64_t size =
        (static_cast<uint64_t>(record->nFileSizeHigh) << 32) | record->nFileSizeLow;
    ExplorerEntryAdd(scan, record->cFileName, folder_record ? 0 : size, folder + record->cFileName,
                     ExplorerModifiedText(0), folder_record ? ENTRY_KIND_FOLDER : ENTRY_KIND_FILE,
                     0, ExplorerModifiedText(1));
  } while (FindNextFileA(h, record));
  FindClose(h);
}

// std::sort of the same pointers, in the same fill order, by the same key.
double StdSortSeconds(int64_t mode) {
  ExplorerEntryList* scan = ExplorerScanListGet();
  const double start = Now();
  std::vector<const ExplorerEntry*> slots;
  slots.reserve(static_cast<size_t>(ExplorerEntryListCount(scan)) + 1);
  for (auto e = scan->entries.rbegin(); e != scan->entries.rend(); ++e) slots.push_back(&*e);
  switch (mode) {
    case EXPLORER_SORT_SIZE:
      std::sort(slots.begin(), slots.end(),
                [](const ExplorerEntry* a, const ExplorerEntry* b) { return a->size < b->size; });
      break;
    case EXPLORER_SORT_TYPE:
      std::sort(slots.begin(), slots.end(), [](const ExplorerEntry* a, const ExplorerEntry* b) {
        return std::strcmp(a->extension, b->extension) < 0;
      });
      break;
    default:
      std::sort(slots.begin(), slots.end(), [](const ExplorerEntry* a, const ExplorerEntry* b) {
        return std::strcmp(a->modifiedKey, b->modifiedKey) < 0;
      });
      break;
  }
  const double seconds = Now() - start;
  if (slots.size() > 1 && slots.front() == slots.back()) std::printf("?\n");
  return seconds;
}

double ToolkitSortSeconds(ExplorerGadgetData* gadget, int64_t mode) {
  gadget->entries->sortMode = mode;
  ExplorerEntryList* scan = ExplorerScanListGet();
  const double start = Now();
  ExplorerEntriesSort(scan, ExplorerEntryListCount(scan));
  return Now() - start;
}

double FindSeconds(const ExplorerEntryList* list, int64_t sequence) {
  volatile int64_t sink = 0;
  const double start = Now();
  for (int k = 0; k < kFindCalls; ++k) {
    const ExplorerEntry* e = ExplorerEntryFind(list, sequence);
    sink = sink + (e != nullptr ? e->sequence : 0);
  }
  return Now() - start;
}

// The least a sort on screen can do: one pass for the sizes, then std::sort of them.
double RawPassAndSortSeconds(const std::string& search) {
  const double start = Now();
  std::vector<uint64_t> sizes;
  WIN32_FIND_DATAA record;
  HANDLE h = FindFirstFileA(search.c_str(), &record);
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    sizes.push_back((static_cast<uint64_t>(record.nFileSizeHigh) << 32) | record.nFileSizeLow);
  } while (FindNextFileA(h, &record));
  FindClose(h);
  std::sort(sizes.begin(), sizes.end());
  return Now() - start;
}

// Paints whatever the list view has to paint now, after `change`.
template <typename Change>
double PaintedSeconds(HWND list, Change change) {
  const double start = Now();
  change();
  UpdateWindow(list);
  return Now() - start;
}

// The way non-virtual file lists work: one pass, every row inserted with its cells. So that a
// slow list view cannot stall the run, the insertion stops after kInsertLimitSeconds: the time
// is then that of the rows inserted so far, and the ratio against it an upper bound.
struct InsertAll {
  double seconds;
  int rows;
};

InsertAll InsertAllSeconds(HWND parent, const std::string& folder) {
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 880,
                              660, parent, nullptr, nullptr, nullptr);
  const char* titles[] = {"Name", "Size", "Type", "Modified"};
  for (int column = 0; column < 4; ++column) {
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.cx = 220;
    info.pszText = const_cast<char*>(titles[column]);
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
  }
  const double start = Now();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  WIN32_FIND_DATAA record;
  HANDLE h = FindFirstFileA((folder + "*.*").c_str(), &record);
  int row = 0;
  do {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = record.cFileName;
    row =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item))) +
        1;
    const std::string size = ExplorerSizeText(ENTRY_KIND_FILE, record.nFileSizeLow);
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(size.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, item.iItem, reinterpret_cast<LPARAM>(&item));
  } while (h != INVALID_HANDLE_VALUE && Now() - start < kInsertLimitSeconds &&
           FindNextFileA(h, &record));
  if (h != INVALID_HANDLE_VALUE) FindClose(h);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  const double seconds = Now() - start;
  DestroyWindow(list);
  return {seconds, row};
}

// Bytes of the live heap blocks of every heap, as the create/free test counts them (Wine
// reports no private bytes).
int64_t LiveHeapBytes() {
  HANDLE heaps[64];
  int64_t busy = 0;
  const DWORD count = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
  for (DWORD h = 0; h < count; ++h)
    for (PROCESS_HEAP_ENTRY e = {}; HeapWalk(heaps[h], &e);)
      busy += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0 ? e.cbData : 0;
  return busy;
}

// The process's peak memory in MB: the system's peak working set, or, where Wine reports
// none, the kernel's high-water mark of the Wine process itself.
double PeakMegabytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof(counters);
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)) &&
      counters.PeakWorkingSetSize != 0) {
    return static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20);
  }
  return 0;
}

struct ScreenRatios {
  double open_raw, paint, resort, insert_all, bytes_per_entry, peak_megabytes;
};

// (e) the gadget on screen: opening the folder, painting its end, a header click.
ScreenRatios GadgetOnScreen(const std::string& folder) {
  constexpr GadgetId kGadget = 1;
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  HWND window = WindowOpen("bench", 0, 0, 900, 700, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  ExplorerGadgetCreate(kGadget, 0, 0, 880, 660, "", nullptr);
  HWND list = ExplorerListViewOf(kGadget);
  UpdateWindow(list);
  double open_best = 1e9, raw_best = 1e9, bytes_per_entry = 0;
  for (int r = 0; r < kRepeats; ++r) {
    ExplorerPathSet(kGadget, "");
    UpdateWindow(list);
    const int64_t heap_before = r == 0 ? LiveHeapBytes() : 0;
    open_best = std::min(open_best,
                         PaintedSeconds(list, [&] { ExplorerPathSet(kGadget, folder.c_str()); }));
    if (r == 0) {
      bytes_per_entry = static_cast<double>(LiveHeapBytes() - heap_before) /
                        std::max(1, ListView_GetItemCount(list));
    }
    const double start = Now();
    RawPasses(folder + "*.*", 1);
    raw_best = std::min(raw_best, Now() - start);
  }
  const int last = ListView_GetItemCount(list) - 1;
  double start_best = 1e9, end_best = 1e9;
  for (int r = 0; r < kRepeats; ++r) {
    start_best =
        std::min(start_best, PaintedSeconds(list, [&] { InvalidateRect(list, nullptr, TRUE); }));
    end_best = std::min(end_best,
                        PaintedSeconds(list, [&] { ListView_EnsureVisible(list, last, FALSE); }));
    ListView_EnsureVisible(list, 0, FALSE);
    UpdateWindow(list);
  }
  double resort_best = 1e9, sort_raw_best = 1e9;
  for (int r = 0; r < kRepeats; ++r) {
    resort_best =
        std::min(resort_best,
                 PaintedSeconds(list, [&] { ExplorerColumnSort(kGadget, EXPLORER_SORT_SIZE); }));
    sort_raw_best = std::min(sort_raw_best, RawPassAndSortSeconds(folder + "*.*"));
  }
  std::printf("gadget open %.1f ms, one raw pass %.1f ms; first page %.2f ms, last page %.2f ms\n",
              open_best * 1e3, raw_best * 1e3, start_best * 1e3, end_best * 1e3);
  std::printf("header click %.1f ms, raw pass and std::sort %.1f ms\n", resort_best * 1e3,
              sort_raw_best * 1e3);
  std::fflush(stdout);
  // The insert-all list below holds every row itself: the peak is the gadget's until then.
  const double peak_megabytes = PeakMegabytes();
  const InsertAll insert_all = InsertAllSeconds(window, folder);
  const bool stopped = insert_all.rows < ListView_GetItemCount(list);
  std::printf("insert-all list: %d rows in %.1f ms%s\n", insert_all.rows, insert_all.seconds * 1e3,
              stopped ? " (stopped early: its ratio is an upper bound)" : "");
  std::fflush(stdout);
  GadgetFree(kGadget);
  return {open_best / raw_best,           end_best / start_best, resort_best / sort_raw_best,
          open_best / insert_all.seconds, bytes_per_entry,       peak_megabytes};
}

// The listings a list view was given while a burst of files arrived.
int burst_listings = 0;
LRESULT CALLBACK CountListings(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR) {
  burst_listings += message == LVM_SETITEMCOUNT;
  return DefSubclassProc(window, message, wparam, lparam);
}

// A watched folder that another program fills with 1,000 files at once: how many listings the
// gadget makes of it, and how long after the last file it shows them all.
void BurstCost() {
  constexpr int kBurst = 1000;
  constexpr GadgetId kGadget = 2;
  const std::string unix_folder = std::string(kUnixFolder) + "-burst";
  UnixRun("rm -rf " + unix_folder + " && mkdir " + unix_folder);
  WindowOpen("burst", 0, 0, 600, 400, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  ExplorerGadgetCreate(kGadget, 0, 0, 580, 360,
                       (std::string(kFolder, std::strlen(kFolder) - 1) + "-burst\\").c_str(),
                       nullptr);
  HWND list = ExplorerListViewOf(kGadget);
  SetWindowSubclass(list, CountListings, 0, 0);
  UnixRun("cd " + unix_folder + " && seq -f f%04g " + std::to_string(kBurst) + " | xargs touch");
  const double made = Now();
  while (ListView_GetItemCount(list) < kBurst + 1 && Now() - made < 10) EventPoll();
  std::printf("burst of %d new files: %d listings, all shown %.0f ms after the last was made\n",
              kBurst, burst_listings, (Now() - made) * 1e3);
  std::fflush(stdout);
  GadgetFree(kGadget);
  UnixRun("rm -rf " + unix_folder);
}

}  // namespace

int main(int argc, char** argv) {
  int file_count = kDefaultFileCount;
  for (int k = 1; k + 1 < argc; ++k) {
    if (std::strcmp(argv[k], "--files") == 0) file_count = std::max(1, std::atoi(argv[k + 1]));
  }
  ExplorerScanListInit();
  const double make_start = Now();
  if (!MakeFolder(file_count)) {
    std::printf("could not make the benchmark folder %s\n", kUnixFolder);
    return 1;
  }
  std::printf("made %d files in %.1f s\n", file_count, Now() - make_start);
  std::fflush(stdout);

  ExplorerEntryList list;
  ExplorerGadgetData gadget;
  gadget.entries = &list;
  ExplorerCurrentSet(&gadget);
  const std::string folder = kFolder;

  // (a) and (b), interleaved so that both see the same cache state; best of the repeats.
  RawPasses(folder + "*.*", 1);  // warm the directory cache
  double scan_best = 1e9;
  double raw_best = 1e9;
  int64_t count = 0;
  for (int r = 0; r < kRepeats; ++r) {
    double start = Now();
    count = ExplorerScan(&gadget, folder);
    scan_best = std::min(scan_best, Now() - start);
    start = Now();
    RawPasses(folder + "*.*", 1);
    raw_best = std::min(raw_best, Now() - start);
  }
  std::printf("scan of %lld entries: toolkit %.1f ms, one raw pass %.1f ms\n",
              static_cast<long long>(count), scan_best * 1e3, raw_best * 1e3);

  // (c) the sort step alone.
  FillScanList(folder);
  double toolkit_total = 0;
  double std_total = 0;
  const char* key_names[] = {"", "size", "type", "date"};
  for (int64_t mode = EXPLORER_SORT_SIZE; mode <= EXPLORER_SORT_MODIFIED; ++mode) {
    double toolkit_best = 1e9;
    double std_best = 1e9;
    for (int r = 0; r < kRepeats; ++r) {
      toolkit_best = std::min(toolkit_best, ToolkitSortSeconds(&gadget, mode));
      std_best = std::min(std_best, StdSortSeconds(mode));
    }
    std::printf("sort by %s: toolkit %.2f ms, std::sort %.2f ms\n", key_names[mode],
                toolkit_best * 1e3, std_best * 1e3);
    toolkit_total += toolkit_best;
    std_total += std_best;
  }
  ExplorerEntryListClear(ExplorerScanListGet());

  // (d) lookup of the last entry against the first.
  const int64_t last = ExplorerEntryListCount(&list);
  double first_best = 1e9;
  double last_best = 1e9;
  for (int r = 0; r < kRepeats; ++r) {
    first_best = std::min(first_best, FindSeconds(&list, 1));
    last_best = std::min(last_best, FindSeconds(&list, last));
  }
  std::printf("find x%d: entry 1 %.2f ms, entry %lld %.2f ms\n", kFindCalls, first_best * 1e3,
              static_cast<long long>(last), last_best * 1e3);

  ExplorerEntryListClear(&list);  // so that the peak below is the gadget's
  ExplorerCurrentSet(nullptr);
  const ScreenRatios screen = GadgetOnScreen(folder);
  BurstCost();
  UnixRun("rm -rf " + std::string(kUnixFolder));
  std::printf("peak memory: %.0f MB (before the insert-all list; %.0f MB after it)\n",
              screen.peak_megabytes, PeakMegabytes());
  std::printf("memory: bytes/entry = %.0f\n", screen.bytes_per_entry);
  std::printf("scan: toolkit/raw = %.2f\n", scan_best / raw_best);
  std::printf("sort: toolkit/std = %.2f\n", toolkit_total / std_total);
  std::printf("find: last/first = %.2f\n", last_best / first_best);
  std::printf("open: gadget/one raw pass = %.2f\n", screen.open_raw);
  std::printf("paint: end/start = %.3f\n", screen.paint);
  std::printf("resort: gadget/raw = %.2f\n", screen.resort);
  std::printf("open: gadget/insert-all = %.3f\n", screen.insert_all);
  return 0;
}
