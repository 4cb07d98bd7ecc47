// Scanning a folder or the drive list into an explorer gadget's entry list.
#include "toolkit/explorer/explorer_scan.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/core/code_page_text.h"
#include <vantrel/explorer_api.h>

#include "toolkit/explorer/explorer_constants.h"
#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_folder_read.h"
#include "toolkit/explorer/explorer_gadget_data.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_shell_cache.h"
#include "toolkit/explorer/explorer_sort.h"
#include "toolkit/explorer/explorer_text.h"

namespace {

// What the code page puts for a character of a name that it cannot hold.
constexpr char kUnmappedCharacter = '?';

WIN32_FIND_DATAA find_data;
int32_t first_only = EXPLORER_FIRST_ONLY_OFF;

// FileTimeToLocalFileTime applies the time zone's bias of now to every time it converts (so
// documented), so one conversion per scan gives the bias for all records instead of a system
// call per record. A scan forgets it first, so a change of time zone shows at the next scan.
// Both date texts of a record come from one conversion: the last one is kept too.
struct LocalBias {
  bool valid = false;
  int64_t units = 0;  // local minus UTC, in the 100-ns units of a FILETIME
  int64_t last_utc = -1;
  SYSTEMTIME last_local{};
};
LocalBias local_bias;

int64_t FileTimeUnits(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) |
                              time.dwLowDateTime);
}

bool LocalTimeOf(const FILETIME& utc, SYSTEMTIME* local) {
  if (!local_bias.valid) {
    FILETIME now_utc;
    FILETIME now_local;
    GetSystemTimeAsFileTime(&now_utc);
    if (!FileTimeToLocalFileTime(&now_utc, &now_local)) return false;
    local_bias.units = FileTimeUnits(now_local) - FileTimeUnits(now_utc);
    local_bias.valid = true;
  }
  // Times beyond what a FILETIME can hold locally fail, as the system's conversion does.
  const int64_t units = FileTimeUnits(utc);
  if (units == local_bias.last_utc) {
    *local = local_bias.last_local;
    return true;
  }
  if (units < 0 || (local_bias.units > 0 && units > INT64_MAX - local_bias.units)) return false;
  const uint64_t shifted = static_cast<uint64_t>(units + local_bias.units);
  if (static_cast<int64_t>(shifted) < 0) return false;
  FILETIME local_file_time;
  local_file_time.dwLowDateTime = static_cast<DWORD>(shifted);
  local_file_time.dwHighDateTime = static_cast<DWORD>(shifted >> 32);
  if (!FileTimeToSystemTime(&local_file_time, local)) return false;
  local_bias.last_utc = units;
  local_bias.last_local = *local;
  return true;
}

// A time the system cannot convert gives an empty text rather than garbage digits.
std::size_t ModifiedTextInto(const FILETIME& written, int sortable, char* out,
                             std::size_t out_size) {
  SYSTEMTIME t;
  if (!LocalTimeOf(written, &t)) {
    out[0] = '\0';
    return 0;
  }
  const ExplorerDateParts parts{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
  return ExplorerDateFormat(parts, sortable, out, out_size);
}

std::string SearchText(const ExplorerGadgetData* gadget, std::string_view path) {
  std::string search(path);
  if (gadget->pattern.empty()) search += EXPLORER_ALL_NAMES;
  return search;
}

bool IsDirectory(const WIN32_FIND_DATAA& record) {
  return (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

uint64_t SizeOf(const WIN32_FIND_DATAA& record) {
  return (static_cast<uint64_t>(record.nFileSizeHigh) << 32) |
         static_cast<uint64_t>(record.nFileSizeLow);
}

// A probe that finds its folder keeps the search open for the scan that follows it at once
// (a move probes, then scans): opening the search of a big folder costs a quarter of reading
// it under Wine. Any later probe or scan closes a search that was not taken.
struct ParkedSearch {
  std::string text;
  ExplorerFolderRead read;
  WIN32_FIND_DATAA first{};
};
ParkedSearch parked;

// The search of the text with its first record in `record`: the parked one, or a new one.
bool SearchOpen(const std::string& text, WIN32_FIND_DATAA* record, bool short_names,
                ExplorerFolderRead* read) {
  if (!short_names && parked.read.IsOpen() && parked.text == text) {
    *record = parked.first;
    *read = std::move(parked.read);
    return true;
  }
  parked.read.Close();
  return read->Open(text, short_names, record);
}

// A name the code page could not hold comes with "?" for each such character, which no file
// name can contain; the short name opens the same file, so the path is made from it.
std::string_view PathLeafOf(const WIN32_FIND_DATAA& record) {
  if (std::strchr(record.cFileName, kUnmappedCharacter) != nullptr &&
      record.cAlternateFileName[0] != '\0') {
    return record.cAlternateFileName;
  }
  return record.cFileName;
}

// Appends the record at hand, or the name given, below the search path; counts what it adds.
class ScanAppender {
 public:
  // Date keys are made only for a list sorted by date: no other sort reads them, and the
  // rebuild drops them.
  ScanAppender(std::string_view path, bool with_keys) : path_(path), with_keys_(with_keys) {
    full_path_.reserve(path.size() + MAX_PATH);
  }
  // The record at hand, into the list given (the files wait in a list of their own).
  void Record(ExplorerEntryList* list, int32_t kind) {
    Append(list, find_data.cFileName, PathLeafOf(find_data),
           kind == ENTRY_KIND_FILE ? SizeOf(find_data) : 0, kind);
  }
  // The ".." a drive root is given, dated like the record at hand.
  void DotDot(ExplorerEntryList* list) {
    Append(list, EXPLORER_DOT_DOT, EXPLORER_DOT_DOT, 0, ENTRY_KIND_FOLDER);
  }
  void Drive(ExplorerEntryList* list, std::string_view root) {
    // Only the entries really appended are counted, so the sort never looks for more.
    if (ExplorerEntryAdd(list, root, ExplorerDriveSize(std::string(root).c_str()), root, "",
                         ENTRY_KIND_FILE, 0, "") != nullptr) {
      ++count_;
    }
  }
  int64_t Count() const { return count_; }
  void Restart(int64_t kept) { count_ = kept; }

 private:
  void Append(ExplorerEntryList* list, std::string_view name, std::string_view leaf, uint64_t size,
              int32_t kind) {
    char shown[ENTRY_DATE_SIZE];
    char key[ENTRY_DATE_SIZE];
    const std::size_t shown_length =
        ModifiedTextInto(find_data.ftLastWriteTime, 0, shown, sizeof(shown));
    const std::size_t key_length =
        with_keys_ ? ModifiedTextInto(find_data.ftLastWriteTime, 1, key, sizeof(key)) : 0;
    full_path_.assign(path_);
    full_path_.append(leaf);
    // The entry keeps whole characters of a path too long for it.
    if (full_path_.size() > ENTRY_PATH_SIZE - 1) {
      full_path_.resize(TextFitLength(full_path_, ENTRY_PATH_SIZE - 1, GetACP()));
    }
    if (ExplorerEntryAdd(list, name, size, full_path_, std::string_view(shown, shown_length), kind,
                         0, std::string_view(key, key_length)) != nullptr) {
      ++count_;
    }
  }

  std::string_view path_;
  bool with_keys_;
  std::string full_path_;
  int64_t count_ = 0;
};

// Appends the folders of an open search to `folders` (when that is given), ".." made at a drive
// root, and its files to `files` (when that is given); returns at its end, with `dot_dot` set
// once a ".." is listed. One pass serves both, since folders and files come from the same
// search: a second pass would read a big folder twice. False when a search without short names
// meets a name that needs one.
bool FolderPass(ExplorerFolderRead* read, const ExplorerGadgetData* gadget, std::string_view path,
                bool short_names, ScanAppender* append, ExplorerEntryList* folders,
                ExplorerEntryList* files, bool* dot_dot) {
  const bool share_root = ExplorerIsShareRoot(path, GetACP()) == EXPLORER_TRUE;
  // A root stays a root whatever pattern it carries: its ".." leads to the drive list.
  const bool drive_root = ExplorerIsDriveRoot(path, gadget->pattern, GetACP());
  const bool files_only = gadget->listMode == EXPLORER_LIST_FILES;
  do {
    if (!short_names && std::strchr(find_data.cFileName, kUnmappedCharacter) != nullptr) {
      return false;
    }
    if (!IsDirectory(find_data)) {
      if (files != nullptr) append->Record(files, ENTRY_KIND_FILE);
      continue;
    }
    const char* name = find_data.cFileName;
    const bool is_dot_dot = std::strcmp(name, EXPLORER_DOT_DOT) == 0;
    if (folders == nullptr || (is_dot_dot && share_root)) continue;
    if (std::strcmp(name, EXPLORER_DOT) == 0) continue;
    if (files_only) {
      // Only the way up is listed among the folders.
      if (!is_dot_dot || *dot_dot) continue;
    } else {
      if (!*dot_dot && drive_root) {
        // A drive root has no ".." of its own: one is made at its first folder.
        append->DotDot(folders);
        *dot_dot = true;
      }
      if (*dot_dot && is_dot_dot) continue;
    }
    append->Record(folders, ENTRY_KIND_FOLDER);
    *dot_dot = *dot_dot || is_dot_dot;
    if (first_only == EXPLORER_FIRST_ONLY_ON) return true;
  } while (read->Next(&find_data));
  return true;
}

// Adds a ".." in front of the folders listed, where the sort keeps it first.
void DotDotFirst(ScanAppender* append, ExplorerEntryList* folders) {
  std::vector<ExplorerEntry>& entries = folders->entries;
  const std::size_t before = entries.size();
  append->DotDot(folders);
  if (entries.size() == before) return;  // no memory for it
  std::rotate(entries.begin(), entries.end() - 1, entries.end());
  for (std::size_t k = 0; k < entries.size(); ++k)
    entries[k].sequence = static_cast<int64_t>(k) + 1;
}

// One search of `text` into the lists, retried with short names when a name needs one. A search
// that finds nothing in a folder that is there (a pattern that matches nothing, an empty drive
// root) lists nothing; false when the folder cannot be searched.
bool SearchInto(ExplorerGadgetData* gadget, const std::string& text, std::string_view path,
                ScanAppender* append, ExplorerEntryList* folders, ExplorerEntryList* files,
                bool* dot_dot) {
  const int64_t kept = append->Count();
  for (bool short_names = false;; short_names = true) {
    ExplorerFolderRead read;
    const bool found = SearchOpen(text, &find_data, short_names, &read);
    if (!found && !short_names) {
      if (GetLastError() != ERROR_FILE_NOT_FOUND) return false;
      ExplorerEntryListEmpty(gadget->entries);
      return true;
    }
    // The folder went away between the two searches: it lists as empty.
    if (!found) return true;
    // Its records' room serves the rebuild of the new listing.
    ExplorerEntryListEmpty(gadget->entries);
    if (FolderPass(&read, gadget, path, short_names, append, folders, files, dot_dot)) return true;
    // Listed again whole, with short names: what this search listed goes (a files-only search
    // keeps the folders an earlier one listed, and so their count).
    if (folders != nullptr) {
      ExplorerEntryListClear(folders);
      *dot_dot = false;
    }
    if (files != nullptr) ExplorerEntryListClear(files);
    append->Restart(kept);
  }
}

void DriveList(ScanAppender* append, ExplorerEntryList* list) {
  ExplorerShellDrivesForget();
  char drives[EXPLORER_DRIVE_STRINGS_SIZE];
  std::memset(drives, ' ', sizeof(drives));
  DWORD length = GetLogicalDriveStringsA(sizeof(drives), drives);
  // A result above the buffer's size is the size it would need: nothing was written.
  if (length > sizeof(drives)) length = 0;
  for (DWORD k = 0; k < length / EXPLORER_DRIVE_ROOT_STRIDE; ++k) {
    append->Drive(list, std::string_view(drives + k * EXPLORER_DRIVE_ROOT_STRIDE,
                                         EXPLORER_DRIVE_ROOT_LENGTH));
  }
}

}  // namespace

std::optional<int64_t> ExplorerScanTry(ExplorerGadgetData* gadget, std::string_view path) {
  ExplorerEntryList* scan_list = ExplorerScanListGet();
  if (gadget == nullptr || gadget->entries == nullptr || scan_list == nullptr) return std::nullopt;
  ExplorerCriticalErrorsQuiet();
  local_bias = LocalBias();
  ScanAppender append(path, gadget->entries->sortMode == EXPLORER_SORT_MODIFIED);
  ExplorerEntryListClear(scan_list);
  if (path.size() <= EXPLORER_DRIVE_LIST_PATH_MAX) {
    ExplorerEntryListClear(gadget->entries);
    parked.read.Close();
    // A drive's path is its root alone.
    ExplorerEntryListFolderSet(scan_list, "");
    DriveList(&append, scan_list);
  } else {
    const std::string search_text = SearchText(gadget, path);
    // A first-only scan or a folders-only list never shows files.
    const bool with_files =
        first_only == EXPLORER_FIRST_ONLY_OFF && gadget->listMode != EXPLORER_LIST_FOLDERS;
    ExplorerEntryListFolderSet(scan_list, path);
    ExplorerEntryList files;
    ExplorerEntryListFolderSet(&files, path);
    // A folder listed again (a header click) holds about as many entries as before, nearly
    // all of them files; the folders go in front of them at the end.
    ExplorerEntryListReserve(&files, ExplorerEntryListCount(gadget->entries));
    bool dot_dot = false;
    // With every folder listed, the folders come from a search of every name and the files
    // from the pattern's (a second pass only in that mode).
    const bool all_folders = !gadget->pattern.empty() && gadget->options != nullptr &&
                             (gadget->options->flags & EXPLORER_OPTION_ALL_FOLDERS) != 0;
    const std::string folder_text =
        all_folders
            ? ExplorerPathWithoutPattern(path, gadget->pattern, GetACP()) + EXPLORER_ALL_NAMES
            : std::string();
    const bool searched =
        all_folders
            ? SearchInto(gadget, folder_text, path, &append, scan_list, nullptr, &dot_dot) &&
                  (!with_files ||
                   SearchInto(gadget, search_text, path, &append, nullptr, &files, &dot_dot))
            : SearchInto(gadget, search_text, path, &append, scan_list,
                         with_files ? &files : nullptr, &dot_dot);
    if (!searched) {
      first_only = EXPLORER_FIRST_ONLY_OFF;
      return std::nullopt;
    }
    // Every listing but a share's top has its way up: a pattern's search, a root holding only
    // files or nothing, and files-only mode at a root give none of their own.
    if (!dot_dot && ExplorerIsShareRoot(path, GetACP()) != EXPLORER_TRUE)
      DotDotFirst(&append, scan_list);
    first_only = EXPLORER_FIRST_ONLY_OFF;
    // The files follow the folders, in the order the search gave them.
    ExplorerEntryListAppend(scan_list, &files);
  }
  ExplorerEntriesSort(scan_list, append.Count());
  ExplorerEntriesRebuild(gadget->entries);
  ExplorerEntryListClear(scan_list);
  // What the list really holds, which is what the list view may ask for.
  return ExplorerEntryListCount(gadget->entries);
}

int64_t ExplorerScan(ExplorerGadgetData* gadget, std::string_view path) {
  return ExplorerScanTry(gadget, path).value_or(0);
}

int32_t ExplorerProbeResultOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
      return PROBE_ACCESS_DENIED;
    case ERROR_FILE_NOT_FOUND:
      return PROBE_NOT_FOUND;
    default:
      return PROBE_FAILED;
  }
}

int32_t ExplorerFolderProbe(const ExplorerGadgetData* gadget, std::string_view path) {
  if (gadget == nullptr) return PROBE_FAILED;
  ExplorerCriticalErrorsQuiet();
  parked.text = SearchText(gadget, path);
  if (!parked.read.Open(parked.text, false, &parked.first)) {
    return ExplorerProbeResultOf(GetLastError());
  }
  return PROBE_OK;
}

std::string ExplorerModifiedText(int sortable) {
  char text[ENTRY_DATE_SIZE];
  const std::size_t length =
      ModifiedTextInto(find_data.ftLastWriteTime, sortable, text, sizeof(text));
  return std::string(text, length);
}

void ExplorerCriticalErrorsQuiet() {
  // Kept for the rest of the process: an empty removable drive or a lost network drive then
  // fails quietly instead of asking the user to insert a disk. The application's flags stay.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);
}

// The scan that calls it has made an empty drive fail quietly.
uint64_t ExplorerDriveSize(const char* root) {
  ULARGE_INTEGER free_to_caller;
  ULARGE_INTEGER total;
  ULARGE_INTEGER total_free;
  if (!GetDiskFreeSpaceExA(root, &free_to_caller, &total, &total_free)) return 0;
  return total.QuadPart;
}

WIN32_FIND_DATAA* ExplorerFindDataGet() {
  return &find_data;
}

int32_t ExplorerFirstOnlyGet() {
  return first_only;
}

void ExplorerFirstOnlySet(int32_t value) {
  first_only = value;
}
