// Scanning a folder or the drive list into an explorer gadget's entry list.
#include "toolkit/explorer/explorer_scan.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_constants.h"
#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_gadget_data.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_shell_cache.h"
#include "toolkit/explorer/explorer_sort.h"
#include "toolkit/explorer/explorer_text.h"

namespace {

WIN32_FIND_DATAA find_data;
int32_t first_only = EXPLORER_FIRST_ONLY_OFF;

// Both date texts of a record come from one conversion: the last one is kept, keyed by the
// file time. A scan forgets it first, so a change of time zone shows at the next scan.
struct LocalTimeCache {
  bool valid = false;
  FILETIME utc{};
  SYSTEMTIME local{};
};
LocalTimeCache local_time;

bool LocalTimeOf(const FILETIME& utc, SYSTEMTIME* local) {
  if (local_time.valid && local_time.utc.dwLowDateTime == utc.dwLowDateTime &&
      local_time.utc.dwHighDateTime == utc.dwHighDateTime) {
    *local = local_time.local;
    return true;
  }
  FILETIME local_file_time;
  if (!FileTimeToLocalFileTime(&utc, &local_file_time) ||
      !FileTimeToSystemTime(&local_file_time, local)) {
    return false;
  }
  local_time.valid = true;
  local_time.utc = utc;
  local_time.local = *local;
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

// A file met while the folders are listed, appended after them.
struct FileFound {
  std::string name;
  uint64_t size;
  FILETIME written;
};

// Appends the record at hand, or the name given, below the search path; counts what it adds.
class ScanAppender {
 public:
  ScanAppender(ExplorerEntryList* list, std::string_view path) : list_(list), path_(path) {
    full_path_.reserve(path.size() + MAX_PATH);
  }
  void Folder(std::string_view name) {
    Append(name, 0, find_data.ftLastWriteTime, ENTRY_KIND_FOLDER);
  }
  void File(const FileFound& file) { Append(file.name, file.size, file.written, ENTRY_KIND_FILE); }
  void Drive(std::string_view root) {
    // Only the entries really appended are counted, so the sort never looks for more.
    if (ExplorerEntryAdd(list_, root, ExplorerDriveSize(std::string(root).c_str()), root, "",
                         ENTRY_KIND_FILE, 0, "") != nullptr) {
      ++count_;
    }
  }
  int64_t Count() const { return count_; }

 private:
  void Append(std::string_view name, uint64_t size, const FILETIME& written, int32_t kind) {
    char shown[ENTRY_DATE_SIZE];
    char key[ENTRY_DATE_SIZE];
    const std::size_t shown_length = ModifiedTextInto(written, 0, shown, sizeof(shown));
    const std::size_t key_length = ModifiedTextInto(written, 1, key, sizeof(key));
    full_path_.assign(path_);
    full_path_.append(name);
    // The entry keeps whole characters of a path too long for it.
    full_path_.resize(TextFitLength(full_path_, ENTRY_PATH_SIZE - 1, GetACP()));
    if (ExplorerEntryAdd(list_, name, size, full_path_, std::string_view(shown, shown_length), kind,
                         0, std::string_view(key, key_length)) != nullptr) {
      ++count_;
    }
  }

  ExplorerEntryList* list_;
  std::string_view path_;
  std::string full_path_;
  int64_t count_ = 0;
};

// Appends the folders of an open search, ".." made at a drive root, and keeps its files in
// `files` when that is given; returns at its end. One pass serves both, since folders and
// files come from the same search: a second pass would read a big folder twice.
void FolderPass(HANDLE search, const ExplorerGadgetData* gadget, std::string_view path,
                ScanAppender* append, std::vector<FileFound>* files) {
  const bool share_root = ExplorerIsShareRoot(path, GetACP()) == EXPLORER_TRUE;
  // A root stays a root whatever pattern it carries: its ".." leads to the drive list.
  const bool drive_root = ExplorerIsDriveRoot(path, gadget->pattern, GetACP());
  const bool files_only = gadget->listMode == EXPLORER_LIST_FILES;
  bool dot_dot_made = false;
  do {
    if (!IsDirectory(find_data)) {
      if (files != nullptr)
        files->push_back({find_data.cFileName, SizeOf(find_data), find_data.ftLastWriteTime});
      continue;
    }
    const char* name = find_data.cFileName;
    const bool dot_dot = std::strcmp(name, EXPLORER_DOT_DOT) == 0;
    if (dot_dot && share_root) continue;
    if (std::strcmp(name, EXPLORER_DOT) == 0) continue;
    if (files_only) {
      // Only the way up is listed among the folders.
      if (!dot_dot || dot_dot_made) continue;
    } else {
      if (!dot_dot_made && drive_root) {
        // A drive root has no ".." of its own: one is made at its first folder.
        append->Folder(EXPLORER_DOT_DOT);
        dot_dot_made = true;
      }
      if (dot_dot_made && dot_dot) continue;
    }
    append->Folder(name);
    if (first_only == EXPLORER_FIRST_ONLY_ON) return;
  } while (FindNextFileA(search, &find_data));
}

void DriveList(ScanAppender* append) {
  ExplorerShellDrivesForget();
  char drives[EXPLORER_DRIVE_STRINGS_SIZE];
  std::memset(drives, ' ', sizeof(drives));
  DWORD length = GetLogicalDriveStringsA(sizeof(drives), drives);
  // A result above the buffer's size is the size it would need: nothing was written.
  if (length > sizeof(drives)) length = 0;
  for (DWORD k = 0; k < length / EXPLORER_DRIVE_ROOT_STRIDE; ++k) {
    append->Drive(
        std::string_view(drives + k * EXPLORER_DRIVE_ROOT_STRIDE, EXPLORER_DRIVE_ROOT_LENGTH));
  }
}

}  // namespace

std::optional<int64_t> ExplorerScanTry(ExplorerGadgetData* gadget, std::string_view path) {
  ExplorerEntryList* scan_list = ExplorerScanListGet();
  if (gadget == nullptr || gadget->entries == nullptr || scan_list == nullptr) return std::nullopt;
  ExplorerCriticalErrorsQuiet();
  local_time.valid = false;
  ScanAppender append(scan_list, path);
  if (path.size() <= EXPLORER_DRIVE_LIST_PATH_MAX) {
    ExplorerEntryListClear(gadget->entries);
    DriveList(&append);
  } else {
    const std::string search_text = SearchText(gadget, path);
    HANDLE search = FindFirstFileA(search_text.c_str(), &find_data);
    if (search == INVALID_HANDLE_VALUE) {
      first_only = EXPLORER_FIRST_ONLY_OFF;
      return std::nullopt;
    }
    ExplorerEntryListClear(gadget->entries);
    // A first-only scan or a folders-only list never shows files.
    const bool with_files =
        first_only == EXPLORER_FIRST_ONLY_OFF && gadget->listMode != EXPLORER_LIST_FOLDERS;
    std::vector<FileFound> files;
    FolderPass(search, gadget, path, &append, with_files ? &files : nullptr);
    FindClose(search);
    first_only = EXPLORER_FIRST_ONLY_OFF;
    for (const FileFound& file : files) append.File(file);
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
  WIN32_FIND_DATAA record;
  HANDLE search = FindFirstFileA(SearchText(gadget, path).c_str(), &record);
  if (search == INVALID_HANDLE_VALUE) return ExplorerProbeResultOf(GetLastError());
  FindClose(search);
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
