// Scanning a folder or the drive list into an explorer gadget's entry list.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ExplorerGadgetData;

// Fills the gadget's list from the folder (or, for a path of at most one character, the
// drives) and returns how many entries it now holds; 0, lists untouched, when the folder
// cannot be searched.
int64_t ExplorerScan(ExplorerGadgetData* gadget, std::string_view path);
// The same, telling a folder that cannot be searched (nothing, lists untouched) from an empty one.
std::optional<int64_t> ExplorerScanTry(ExplorerGadgetData* gadget, std::string_view path);
// PROBE_OK, PROBE_ACCESS_DENIED, PROBE_NOT_FOUND or PROBE_FAILED for the folder's search. A
// search that succeeds is kept open for the next scan of the same path, which starts from it.
int32_t ExplorerFolderProbe(const ExplorerGadgetData* gadget, std::string_view path);
// The probe's reading of a search's error code.
int32_t ExplorerProbeResultOf(DWORD error);
// Last-write time of the record in ExplorerFindData, sortable (1) or as shown (0).
std::string ExplorerModifiedText(int sortable);
// Adds SEM_FAILCRITICALERRORS to the process's error mode, keeping the application's flags, so
// that no probe or scan of a drive without its disk asks the user for one.
void ExplorerCriticalErrorsQuiet();
// A drive's total capacity in bytes; 0 when it cannot be read.
uint64_t ExplorerDriveSize(const char* root);

// ExplorerFindData: the directory record of the scan's last search step.
WIN32_FIND_DATAA* ExplorerFindDataGet();
// ExplorerFirstOnly: EXPLORER_FIRST_ONLY_ON makes the next folder scan show one folder entry.
int32_t ExplorerFirstOnlyGet();
void ExplorerFirstOnlySet(int32_t value);
