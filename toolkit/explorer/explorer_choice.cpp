// What is chosen in an explorer gadget, answered at the moment of the call, and its events.
#include "toolkit/explorer/explorer_choice.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/code_page_text.h"
#include "toolkit/core/gadget_events.h"
#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_record.h"

namespace {

const ExplorerEntry* EntryOf(const ExplorerGadgetData& gadget, std::int64_t item) {
  return item < 0 ? nullptr : ExplorerEntryFind(gadget.entries, item + 1);
}

std::int32_t KindOf(const ExplorerGadgetData& gadget, const ExplorerEntry* entry) {
  if (entry == nullptr) return EXPLORER_ITEM_NONE;
  if (ExplorerShowsDrives(gadget)) return EXPLORER_ITEM_DRIVE;
  return entry->kind == ENTRY_KIND_FOLDER ? EXPLORER_ITEM_FOLDER : EXPLORER_ITEM_FILE;
}

// The path the item opens: where a move into it leads for a folder, a drive or "..".
std::string PathOf(const ExplorerGadgetData& gadget, const ExplorerEntry* entry) {
  if (entry == nullptr) return std::string();
  const std::string leaf(ExplorerEntryPathLeaf(*entry));
  if (KindOf(gadget, entry) == EXPLORER_ITEM_FILE) {
    return ExplorerPathWithoutPattern(gadget.path, gadget.pattern, GetACP()) + leaf;
  }
  const ExplorerOpenPlan plan =
      ExplorerOpenPlanMake(gadget.path, gadget.pattern, leaf, "", EXPLORER_OPEN_ENTRY, GetACP());
  if (plan.driveList || plan.target.empty()) return EXPLORER_DRIVE_LIST_PATH;
  return ExplorerPathWithoutPattern(plan.target, gadget.pattern, GetACP());
}

const ExplorerGadgetData* Shown(GadgetId id) {
  const ExplorerGadgetData* gadget = ExplorerRecordOf(id);
  return gadget != nullptr && gadget->listView != nullptr && gadget->entries != nullptr ? gadget
                                                                                        : nullptr;
}

}  // namespace

void ExplorerEventPost(const ExplorerGadgetData& gadget, std::int32_t detail, std::int64_t item) {
  HWND window = GetParent(gadget.listView);
  GadgetEventPost(window, GadgetIdOf(window), detail, static_cast<std::int32_t>(item));
}

std::int64_t ExplorerChosenItem(const ExplorerGadgetData& gadget) {
  HWND list = gadget.listView;
  const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
  if (focused >= 0 && ListView_GetItemState(list, focused, LVIS_SELECTED) != 0) return focused;
  return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

void ExplorerChoiceNews(ExplorerGadgetData* gadget) {
  const std::int64_t chosen = ExplorerChosenItem(*gadget);
  if (chosen == gadget->chosenReported) return;
  gadget->chosenReported = chosen;
  ExplorerEventPost(*gadget, EXPLORER_EVENT_CHOSEN, chosen);
}

std::int64_t ExplorerChosenIndexGet(GadgetId id) {
  const ExplorerGadgetData* gadget = Shown(id);
  return gadget != nullptr ? ExplorerChosenItem(*gadget) : -1;
}

std::string ExplorerChosenPathGet(GadgetId id) {
  const ExplorerGadgetData* gadget = Shown(id);
  return gadget != nullptr ? PathOf(*gadget, EntryOf(*gadget, ExplorerChosenItem(*gadget)))
                           : std::string();
}

std::int32_t ExplorerChosenKindGet(GadgetId id) {
  const ExplorerGadgetData* gadget = Shown(id);
  return gadget != nullptr ? KindOf(*gadget, EntryOf(*gadget, ExplorerChosenItem(*gadget)))
                           : EXPLORER_ITEM_NONE;
}

std::vector<std::string> ExplorerChosenPathsGet(GadgetId id) {
  std::vector<std::string> paths;
  const ExplorerGadgetData* gadget = Shown(id);
  if (gadget == nullptr) return paths;
  for (int item = -1; (item = ListView_GetNextItem(gadget->listView, item, LVNI_SELECTED)) >= 0;)
    paths.push_back(PathOf(*gadget, EntryOf(*gadget, item)));
  return paths;
}
