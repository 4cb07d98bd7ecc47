// One pass over the records of a folder's search, through the folder's handle where it can.
#include "toolkit/explorer/explorer_folder_read.h"

#include <cstring>
#include <cwchar>
#include <new>
#include <string_view>
#include <utility>

#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_constants.h"

namespace {

// A batch of this size holds some 600 records of a folder with short names.
constexpr std::size_t kBatchBytes = 64 * 1024;
constexpr wchar_t kDot[] = L".";
constexpr wchar_t kDotDot[] = L"..";
constexpr char kDriveColon = ':';

FILETIME FileTimeOf(const LARGE_INTEGER& time) {
  FILETIME converted;
  converted.dwLowDateTime = time.LowPart;
  converted.dwHighDateTime = static_cast<DWORD>(time.HighPart);
  return converted;
}

bool EndsWithAllNames(std::string_view text) {
  const std::string_view all = EXPLORER_ALL_NAMES;
  return text.size() > all.size() && text.substr(text.size() - all.size()) == all &&
         text[text.size() - all.size() - 1] == EXPLORER_PATH_SEPARATOR;
}

// A drive letter's root, such as C:\, where Wine's search functions leave out "." and "..".
bool IsDriveRoot(std::string_view folder) {
  return folder.size() == EXPLORER_DRIVE_ROOT_PATH_MAX && folder[1] == kDriveColon;
}

// A character the code page lacks becomes this, never a look-alike: best fit would turn "Ωdir"
// into "Odir", another file's name, where "?" (which no file name holds) makes the scan take the
// short name instead.
constexpr char kUnmapped[] = "?";

// Wide text in the file functions' code page; the number of bytes written, 0 when they do not
// fit. UTF-8 holds every character and takes neither the flag nor a default character.
int Narrow(UINT code_page, const wchar_t* text, int length, char* out, int room) {
  const bool utf8 = code_page == CP_UTF8;
  return WideCharToMultiByte(code_page, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, text, length, out, room,
                             utf8 ? nullptr : kUnmapped, nullptr);
}

// The name in the file functions' code page, cut to whole characters within `room` - 1 bytes.
void NameStore(const wchar_t* name, int length, UINT code_page, char* out, int room) {
  int stored = Narrow(code_page, name, length, out, room - 1);
  if (stored == 0 && length > 0) {
    // Longer than the field: made whole, then cut at a character.
    std::string whole(static_cast<std::size_t>(length) * TEXT_CHAR_BYTES_MAX, '\0');
    whole.resize(static_cast<std::size_t>(
        Narrow(code_page, name, length, whole.data(), static_cast<int>(whole.size()))));
    stored = static_cast<int>(TextFitLength(whole, static_cast<std::size_t>(room - 1), code_page));
    std::memcpy(out, whole.data(), static_cast<std::size_t>(stored));
  }
  out[stored] = '\0';
}

// A search's record as FindFirstFileExA gives it, with the names converted as above.
void RecordFromWide(const WIN32_FIND_DATAW& wide, UINT code_page, WIN32_FIND_DATAA* record) {
  record->dwFileAttributes = wide.dwFileAttributes;
  record->ftCreationTime = wide.ftCreationTime;
  record->ftLastAccessTime = wide.ftLastAccessTime;
  record->ftLastWriteTime = wide.ftLastWriteTime;
  record->nFileSizeHigh = wide.nFileSizeHigh;
  record->nFileSizeLow = wide.nFileSizeLow;
  record->dwReserved0 = wide.dwReserved0;
  record->dwReserved1 = wide.dwReserved1;
  NameStore(wide.cFileName, static_cast<int>(std::wcslen(wide.cFileName)), code_page,
            record->cFileName, sizeof(record->cFileName));
  NameStore(wide.cAlternateFileName, static_cast<int>(std::wcslen(wide.cAlternateFileName)),
            code_page, record->cAlternateFileName, sizeof(record->cAlternateFileName));
}

}  // namespace

ExplorerFolderRead& ExplorerFolderRead::operator=(ExplorerFolderRead&& other) noexcept {
  if (this != &other) {
    Close();
    Swap(&other);
  }
  return *this;
}

void ExplorerFolderRead::Swap(ExplorerFolderRead* other) noexcept {
  std::swap(search_, other->search_);
  std::swap(folder_, other->folder_);
  std::swap(batch_, other->batch_);
  std::swap(position_, other->position_);
  std::swap(batch_left_, other->batch_left_);
  std::swap(drive_root_, other->drive_root_);
  std::swap(code_page_, other->code_page_);
}

bool ExplorerFolderRead::Open(const std::string& text, bool short_names, WIN32_FIND_DATAA* record) {
  Close();
  // The names come in the code page that the A file functions use, by its number, which
  // cutting a long name by whole characters needs.
  code_page_ = AreFileApisANSI() ? GetACP() : GetOEMCP();
  if (!short_names && EndsWithAllNames(text) &&
      FolderOpen(text.substr(0, text.size() - std::strlen(EXPLORER_ALL_NAMES))) && Next(record)) {
    return true;
  }
  // The search function says what went wrong, or finds what the handle could not read. Its
  // wide form, so that names are converted as the handle's are.
  Close();
  const int length = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(code_page_, 0, text.data(), length, wide.data(), length)));
  WIN32_FIND_DATAW found;
  search_ = FindFirstFileExW(wide.c_str(), short_names ? FindExInfoStandard : FindExInfoBasic,
                             &found, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search_ == INVALID_HANDLE_VALUE) return false;
  RecordFromWide(found, code_page_, record);
  return true;
}

bool ExplorerFolderRead::FolderOpen(const std::string& folder) {
  // Shared every way, as a search shares it: no one else is kept from the folder.
  folder_ = CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder_ == INVALID_HANDLE_VALUE) return false;
  drive_root_ = IsDriveRoot(folder);
  try {
    batch_.resize(kBatchBytes / sizeof(std::uint64_t));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return BatchRead(true);
}

bool ExplorerFolderRead::BatchRead(bool restart) {
  batch_left_ = GetFileInformationByHandleEx(
                    folder_, restart ? FileFullDirectoryRestartInfo : FileFullDirectoryInfo,
                    batch_.data(), static_cast<DWORD>(batch_.size() * sizeof(batch_[0]))) != 0;
  position_ = 0;
  return batch_left_;
}

bool ExplorerFolderRead::Next(WIN32_FIND_DATAA* record) {
  if (search_ != INVALID_HANDLE_VALUE) {
    WIN32_FIND_DATAW found;
    if (FindNextFileW(search_, &found) == 0) return false;
    RecordFromWide(found, code_page_, record);
    return true;
  }
  while (folder_ != INVALID_HANDLE_VALUE && (batch_left_ || BatchRead(false))) {
    if (RecordTake(record)) return true;
  }
  return false;
}

bool ExplorerFolderRead::RecordTake(WIN32_FIND_DATAA* record) {
  const auto* info = reinterpret_cast<const FILE_FULL_DIR_INFO*>(
      reinterpret_cast<const char*>(batch_.data()) + position_);
  position_ += info->NextEntryOffset;
  batch_left_ = info->NextEntryOffset != 0;
  const std::wstring_view name(info->FileName, info->FileNameLength / sizeof(wchar_t));
  // A search of a drive's root gives no "." or "..", which Wine's file system has there.
  if (drive_root_ && (name == kDot || name == kDotDot)) return false;
  record->dwFileAttributes = info->FileAttributes;
  record->ftCreationTime = FileTimeOf(info->CreationTime);
  record->ftLastAccessTime = FileTimeOf(info->LastAccessTime);
  record->ftLastWriteTime = FileTimeOf(info->LastWriteTime);
  record->nFileSizeHigh = static_cast<DWORD>(info->EndOfFile.HighPart);
  record->nFileSizeLow = info->EndOfFile.LowPart;
  // A search gives a reparse point's tag where the record has its extended attributes' size.
  record->dwReserved0 =
      (info->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? info->EaSize : 0;
  record->dwReserved1 = 0;
  record->cAlternateFileName[0] = '\0';
  NameStore(info->FileName, static_cast<int>(name.size()), code_page_, record->cFileName,
            sizeof(record->cFileName));
  return true;
}

void ExplorerFolderRead::Close() {
  if (search_ != INVALID_HANDLE_VALUE) FindClose(search_);
  if (folder_ != INVALID_HANDLE_VALUE) CloseHandle(folder_);
  search_ = folder_ = INVALID_HANDLE_VALUE;
  batch_left_ = false;
}
