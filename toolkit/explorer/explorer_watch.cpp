// Watching the folder an explorer shows: a change notification checked on a timer of the
// explorer window, so that everything runs on the application's thread, in its event loop.
#include "toolkit/explorer/explorer_watch.h"

#include <string>

#include "toolkit/explorer/explorer_choice.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present.h"
#include "toolkit/explorer/explorer_record.h"

namespace {

// A change is listed at the first tick without a newer one, so that a burst of changes (a
// thousand files copied in) costs a few listings; a folder that never rests is listed every
// few ticks all the same. Both keep a change within half a second of the screen.
constexpr UINT kTickMilliseconds = 120;
constexpr int kTicksAtMost = 3;
constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                           FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                           FILE_NOTIFY_CHANGE_LAST_WRITE;

HWND WindowOf(const ExplorerGadgetData& gadget) {
  return GetParent(gadget.listView);
}

// The folder shown is gone: the nearest parent that still opens is shown, as if entered.
void NearestParentShow(ExplorerGadgetData* gadget) {
  std::string folder = ExplorerPathWithoutPattern(gadget->path, gadget->pattern, GetACP());
  while (folder.size() > EXPLORER_DRIVE_LIST_PATH_MAX) {
    const ExplorerOpenPlan up =
        ExplorerOpenPlanMake(folder, "", EXPLORER_DOT_DOT, "", EXPLORER_OPEN_ENTRY, GetACP());
    folder = up.driveList || up.target.empty() ? EXPLORER_DRIVE_LIST_PATH : up.target;
    if (ExplorerListMove(gadget, folder + gadget->pattern)) break;
  }
  if (folder.size() <= EXPLORER_DRIVE_LIST_PATH_MAX)
    ExplorerListMove(gadget, EXPLORER_DRIVE_LIST_PATH);
  ExplorerEventPost(*gadget, EXPLORER_EVENT_ENTERED, -1);
}

}  // namespace

void ExplorerWatchClose(ExplorerGadgetData* gadget) {
  if (gadget->watch != nullptr) FindCloseChangeNotification(static_cast<HANDLE>(gadget->watch));
  gadget->watch = nullptr;
  gadget->watchedPath.clear();
  gadget->watchChanged = 0;
}

void ExplorerWatchRenew(ExplorerGadgetData* gadget) {
  if (gadget == nullptr || gadget->listView == nullptr) return;
  if (!gadget->watching) {
    ExplorerWatchClose(gadget);
    return;
  }
  const std::string folder = ExplorerPathWithoutPattern(gadget->path, gadget->pattern, GetACP());
  if (folder != gadget->watchedPath) {
    ExplorerWatchClose(gadget);
    gadget->watchedPath = folder;
    if (!ExplorerShowsDrives(*gadget)) {
      HANDLE watch = FindFirstChangeNotificationA(folder.c_str(), FALSE, kChanges);
      gadget->watch = watch != INVALID_HANDLE_VALUE ? watch : nullptr;
    }
  }
  gadget->watchedDrives = GetLogicalDrives();
  SetTimer(WindowOf(*gadget), EXPLORER_WATCH_TIMER, kTickMilliseconds, nullptr);
}

void ExplorerWatchTick(HWND window) {
  ExplorerGadgetData* gadget = ExplorerRecordOfWindow(window);
  if (gadget == nullptr || gadget->entries == nullptr || !gadget->watching) {
    KillTimer(window, EXPLORER_WATCH_TIMER);
    return;
  }
  ExplorerCurrentSet(gadget);
  if (ExplorerShowsDrives(*gadget)) {
    if (GetLogicalDrives() != gadget->watchedDrives) {
      gadget->watchedDrives = GetLogicalDrives();
      ExplorerListRefresh(gadget);
    }
    return;
  }
  auto watch = static_cast<HANDLE>(gadget->watch);
  const bool changed = watch != nullptr && WaitForSingleObject(watch, 0) == WAIT_OBJECT_0;
  if (changed) {
    FindNextChangeNotification(watch);
    ++gadget->watchChanged;
  }
  // A folder that goes may not say so through its notification: it is looked for every tick.
  const DWORD attributes = GetFileAttributesA(gadget->watchedPath.c_str());
  const bool there =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (there) {
    // Listed once the changes rest, or after a few ticks of them.
    if (gadget->watchChanged == 0 || (changed && gadget->watchChanged < kTicksAtMost)) return;
    gadget->watchChanged = 0;
    if (ExplorerListRefresh(gadget)) return;
  }
  // The folder went away (its notification may be gone with it).
  ExplorerWatchClose(gadget);
  NearestParentShow(gadget);
  ExplorerWatchRenew(gadget);
}
