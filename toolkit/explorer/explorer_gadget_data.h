// ExplorerGadgetData: the record of one explorer gadget, and ExplorerCurrent, the one served.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/explorer/explorer_constants.h"

struct HWND__;  // the Win32 window handle's pointee, so that this header needs no windows.h
struct ExplorerOptions;
struct ExplorerEntryList;

struct ExplorerGadgetData {
  HWND__* listView = nullptr;  // must stay first: other code reads it by offset
  int64_t width = 0;
  int64_t height = 0;
  int64_t selectedIndex = 0;
  std::string path;     // current folder ending in "\", plus the pattern; "\" lists the drives
  std::string pattern;  // such as *.txt; empty shows every name
  int64_t listMode = EXPLORER_LIST_ALL;
  ExplorerOptions* options = nullptr;
  ExplorerEntryList* entries = nullptr;
  bool ownsOptions = false;     // options is the gadget's own default record, freed with it
  bool choiceClearing = false;  // a reload is clearing the list's choice: no news to pass on
  int64_t chosenReported = -1;  // the chosen item the last EXPLORER_EVENT_CHOSEN named
  bool watching = true;         // the folder shown is listed again when it changes
  void* watch = nullptr;        // the change notification of the folder watched (a HANDLE)
  std::string watchedPath;      // the path that notification watches
  uint32_t watchedDrives = 0;   // the drive list's drives when last listed
  int watchChanged = 0;         // ticks that saw changes not yet listed
};

// The drive list's path, and whether a gadget shows the drive list.
inline constexpr char EXPLORER_DRIVE_LIST_PATH[] = "\\";
inline bool ExplorerShowsDrives(const ExplorerGadgetData& gadget) {
  return gadget.path.size() <= EXPLORER_DRIVE_LIST_PATH_MAX;
}

ExplorerGadgetData* ExplorerCurrentGet();
void ExplorerCurrentSet(ExplorerGadgetData* gadget);
