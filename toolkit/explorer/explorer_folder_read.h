// One pass over the records of a folder's search, through the folder's handle where it can.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Reads the records of a search one by one into a WIN32_FIND_DATAA, as FindFirstFileExA and
// FindNextFileA fill it. A search of every name of a folder ("...\*.*") without short names
// reads the folder through its handle, a batch of records per call, which costs Wine about a
// third less than FindNextFileA. Any other search, and a folder that its handle cannot read,
// goes through FindFirstFileExW, whose successes and error codes are FindFirstFileExA's. Both
// ways convert names without best fit: a character the code page lacks becomes "?".
class ExplorerFolderRead {
 public:
  ExplorerFolderRead() = default;
  ExplorerFolderRead(const ExplorerFolderRead&) = delete;
  ExplorerFolderRead& operator=(const ExplorerFolderRead&) = delete;
  ExplorerFolderRead(ExplorerFolderRead&& other) noexcept { Swap(&other); }
  ExplorerFolderRead& operator=(ExplorerFolderRead&& other) noexcept;
  ~ExplorerFolderRead() { Close(); }

  // Starts the search of `text` with its first record in `record`; false, the system's error
  // as the last error, when the search finds nothing or cannot be made. Short names come only
  // when asked for.
  bool Open(const std::string& text, bool short_names, WIN32_FIND_DATAA* record);
  // The next record; false after the last.
  bool Next(WIN32_FIND_DATAA* record);
  bool IsOpen() const { return search_ != INVALID_HANDLE_VALUE || ReadsThroughHandle(); }
  // Whether the records come through the folder's handle rather than a search.
  bool ReadsThroughHandle() const { return folder_ != INVALID_HANDLE_VALUE; }
  void Close();

 private:
  bool FolderOpen(const std::string& folder);
  bool BatchRead(bool restart);
  // The record at the batch's read position, which then moves on; false for a record that a
  // search does not give.
  bool RecordTake(WIN32_FIND_DATAA* record);
  void Swap(ExplorerFolderRead* other) noexcept;

  HANDLE search_ = INVALID_HANDLE_VALUE;  // a FindFirstFileExA search
  HANDLE folder_ = INVALID_HANDLE_VALUE;  // a folder read through its handle
  std::vector<std::uint64_t> batch_;      // 8-byte aligned, as the records in it must be
  std::size_t position_ = 0;              // byte offset of the next record in the batch
  bool batch_left_ = false;               // whether the batch holds records not yet taken
  bool drive_root_ = false;
  UINT code_page_ = CP_ACP;
};
