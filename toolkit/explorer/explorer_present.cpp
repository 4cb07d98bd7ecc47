// The explorer's list presentation: cell answers, clicks, the Enter key and moves.
#include "toolkit/explorer/explorer_present.h"

#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_choice.h"
#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_find_item.h"
#include "toolkit/explorer/explorer_record.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present_text.h"
#include "toolkit/explorer/explorer_scan.h"
#include "toolkit/explorer/explorer_shell_cache.h"
#include "toolkit/explorer/explorer_watch.h"

namespace {

constexpr char kTypeOfDotDot[] = " ";
constexpr char kNotFoundPattern[] = "*..*";  // finds nothing but a folder's ".."
constexpr char kAllNamesPattern[] = "*.*";
constexpr std::int32_t kReplaceFirstOnly = 0;
constexpr std::int32_t kIgnoreCase = 0;
constexpr std::int32_t kLoadedAnew = -1;
constexpr std::int32_t kNotLoaded = 0;

ExplorerProbeFunction probe_function = nullptr;

void SystemLower(char* text, std::size_t length) {
  CharLowerBuffA(text, static_cast<DWORD>(length));
}

bool EndsWithDotDot(const char* name) {
  const std::size_t length = std::strlen(name);
  return length >= 2 && std::strcmp(name + length - 2, EXPLORER_DOT_DOT) == 0;
}

// A choice of this many items at most is cleared item by item; a bigger one goes with the
// list view's own reset, whose cost does not grow with the choice.
constexpr int kFewChosen = 8;

// Nothing chosen and the top shown, the rows kept: the list view need not update its scroll
// bars, the costliest part of a reload (10 to 20 ms under Wine). The changes are the gadget's
// own, no news for the application.
void ChoiceClearQuietly(HWND list, ExplorerGadgetData* gadget) {
  gadget->choiceClearing = true;
  for (int item; (item = ListView_GetNextItem(list, -1, LVNI_SELECTED)) >= 0;)
    ListView_SetItemState(list, item, 0, LVIS_SELECTED);
  const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
  if (focused >= 0) ListView_SetItemState(list, focused, 0, LVIS_FOCUSED);
  gadget->choiceClearing = false;
  ListView_SetSelectionMark(list, -1);
  ListView_EnsureVisible(list, 0, FALSE);
}

// The list view reset to `count` rows. Both messages update the scroll bars; with redrawing
// off that happens once, when it comes back on. A hidden list stays so: on Windows turning
// redrawing back on shows a window (Wine's list view keeps its visibility).
void ListReset(HWND list, std::int64_t count) {
  const bool visible = (GetWindowLongPtrA(list, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible) SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOINVALIDATEALL);
  if (visible) SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

// Shows a new listing of `count` rows: nothing chosen, at the top, repainted as a whole. A
// listing of as many rows as before (a header click) keeps the rows.
void ListShow(HWND list, ExplorerGadgetData* gadget, std::int64_t count) {
  if (count == ListView_GetItemCount(list) && ListView_GetSelectedCount(list) <= kFewChosen) {
    ChoiceClearQuietly(list, gadget);
  } else {
    // The choice goes with the rows, quietly too: a new listing starts with nothing chosen.
    gadget->choiceClearing = true;
    ListReset(list, count);
    gadget->choiceClearing = false;
  }
  gadget->chosenReported = -1;
  // Windows need not repaint when redrawing resumes, nor when the choice goes.
  InvalidateRect(list, nullptr, TRUE);
}

// Loads the list view anew from the search path. A folder that cannot be searched (gone since
// it was probed) leaves the list as it was.
bool ListReload(HWND list, ExplorerGadgetData* gadget, std::string_view path) {
  const std::optional<std::int64_t> count = ExplorerScanTry(gadget, path);
  if (!count.has_value()) return false;
  ListShow(list, gadget, *count);
  return true;
}

// The name of the listing's item, empty for none.
std::string_view NameOf(const ExplorerGadgetData& gadget, int item) {
  const ExplorerEntry* entry =
      item < 0 ? nullptr : ExplorerEntryFind(gadget.entries, static_cast<std::int64_t>(item) + 1);
  return entry != nullptr ? std::string_view(entry->name) : std::string_view();
}

// What the user had in a listing: the chosen names, the focused one and the top row's.
struct ListPlace {
  std::vector<std::string> chosen;
  std::string focused;
  std::string top;
};

ListPlace ListPlaceOf(const ExplorerGadgetData& gadget) {
  HWND list = gadget.listView;
  ListPlace place;
  for (int item = -1; (item = ListView_GetNextItem(list, item, LVNI_SELECTED)) >= 0;)
    place.chosen.emplace_back(NameOf(gadget, item));
  place.focused = NameOf(gadget, ListView_GetNextItem(list, -1, LVNI_FOCUSED));
  place.top = NameOf(gadget, ListView_GetTopIndex(list));
  return place;
}

// The same names chosen, focused and on top in the new listing, where they still are.
void ListPlaceApply(HWND list, const ExplorerGadgetData& gadget, const ListPlace& place) {
  if (place.chosen.empty() && place.focused.empty() && place.top.empty()) return;
  std::unordered_map<std::string_view, int> items;
  const std::int64_t count = ExplorerEntryListCount(gadget.entries);
  for (int item = 0; item < count; ++item) items.emplace(NameOf(gadget, item), item);
  const auto find = [&items](std::string_view name) {
    const auto found = items.find(name);
    return found != items.end() ? found->second : -1;
  };
  for (const std::string& name : place.chosen) {
    if (const int item = find(name); item >= 0)
      ListView_SetItemState(list, item, LVIS_SELECTED, LVIS_SELECTED);
  }
  if (const int item = find(place.focused); item >= 0) {
    ListView_SetItemState(list, item, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_SetSelectionMark(list, item);
  }
  // Scrolled to the end first, the top row then comes to the top.
  if (const int item = find(place.top); item > 0) {
    ListView_EnsureVisible(list, static_cast<int>(count - 1), FALSE);
    ListView_EnsureVisible(list, item, FALSE);
  }
}

// The scan puts the pattern between folder and name; the shell needs the real path.
std::string EntryPathClean(const ExplorerGadgetData& gadget, std::string path) {
  if (gadget.pattern.empty()) return path;
  return TextReplace(path, gadget.pattern, "", 1, kReplaceFirstOnly, kIgnoreCase, GetACP(),
                     SystemLower);
}

void CellText(ExplorerGadgetData* gadget, const NMHDR& header, LVITEMA* item,
              const ExplorerEntry* entry) {
  switch (item->iSubItem) {
    case 0:
      TextCopyBounded(item->pszText, item->cchTextMax, entry->name, GetACP());
      if (SendMessageA(header.hwndFrom, LVM_GETITEMSTATE, item->iItem, LVIS_SELECTED) != 0) {
        gadget->selectedIndex = item->iItem;
      }
      break;
    case 1:
      TextCopyBounded(item->pszText, item->cchTextMax, ExplorerSizeText(entry->kind, entry->size),
                      GetACP());
      break;
    case 2:
      if (EndsWithDotDot(entry->name)) {
        TextCopyBounded(item->pszText, item->cchTextMax, kTypeOfDotDot, GetACP());
      } else if (entry->kind == ENTRY_KIND_FILE) {
        const std::string path =
            EntryPathClean(*gadget, ExplorerEntryPath(*gadget->entries, *entry));
        TextCopyBounded(item->pszText, item->cchTextMax, ExplorerShellTypeName(*entry, path),
                        GetACP());
      }
      break;
    case 3:
      TextCopyBounded(item->pszText, item->cchTextMax, entry->modifiedText, GetACP());
      break;
    default:
      break;
  }
}

void CellImage(const ExplorerGadgetData& gadget, LVITEMA* item, const ExplorerEntry* entry) {
  std::string path = ExplorerEntryPath(*gadget.entries, *entry);
  if (path.empty()) return;
  path = EntryPathClean(gadget, std::move(path));
  item->iImage =
      ExplorerShellIcon(*entry, EndsWithDotDot(entry->name) ? EXPLORER_DOT_DOT : path.c_str());
}

void OnDisplayInfo(ExplorerGadgetData* gadget, NMLVDISPINFOA* request) {
  LVITEMA& item = request->item;
  const ExplorerEntry* entry =
      ExplorerEntryFind(gadget->entries, static_cast<std::int64_t>(item.iItem) + 1);
  if (entry == nullptr) return;
  if ((item.mask & LVIF_TEXT) != 0) CellText(gadget, request->hdr, &item, entry);
  // Only the first column shows an icon, though Wine asks for one in every column.
  if ((item.mask & LVIF_IMAGE) != 0 && item.iSubItem == 0) CellImage(*gadget, &item, entry);
}

// Every click flips the order, on whichever column, and reads the folder again.
void OnColumnClick(ExplorerGadgetData* gadget, const NMLISTVIEW& click) {
  gadget->entries->ascending ^= 1;
  gadget->entries->sortMode = click.iSubItem;
  ListReload(click.hdr.hwndFrom, gadget, gadget->path);
}

void OnActivate(ExplorerGadgetData* gadget, const NMITEMACTIVATE& activation) {
  gadget->listView = activation.hdr.hwndFrom;
  if (activation.iItem != -1) ExplorerOpen(activation.iItem, "", nullptr, EXPLORER_OPEN_ENTRY);
}

// The pattern matched nothing in the target: show its ".." alone, and every name from now on.
std::int32_t NotFoundFallback(ExplorerGadgetData* gadget, const std::string& target) {
  if (gadget->pattern.empty()) return kNotLoaded;
  const std::string folder = ExplorerFallbackFolder(target, GetACP());
  if (folder.empty()) return kNotLoaded;
  gadget->path = folder;
  gadget->pattern = kNotFoundPattern;
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  ListShow(gadget->listView, gadget, ExplorerScan(gadget, folder + kNotFoundPattern));
  gadget->pattern = kAllNamesPattern;
  // The path carries the pattern in force, so that a later sort searches a real pattern.
  gadget->path = folder + kAllNamesPattern;
  return kLoadedAnew;
}

void AccessDeniedShow(const ExplorerGadgetData& gadget) {
  if (gadget.options == nullptr) return;
  const ExplorerOptions& o = *gadget.options;
  const std::string title(TextFieldRead(o.errorTitle, sizeof(o.errorTitle), GetACP()));
  const std::string text(TextFieldRead(o.accessDeniedText, sizeof(o.accessDeniedText), GetACP()));
  MessageShow(title.c_str(), text.c_str(), MB_ICONERROR, nullptr);
}

// Type-ahead: the list asks which item the typed text names. Wine asks in UTF-16 even an
// ANSI window, which Windows asks in its code page: both are answered.
LRESULT OnFindItem(const ExplorerGadgetData& gadget, const NMHDR* header) {
  if (header->code == LVN_ODFINDITEMW) {
    const auto& request = *reinterpret_cast<const NMLVFINDITEMW*>(header);
    const std::wstring_view typed = request.lvfi.psz != nullptr ? request.lvfi.psz : L"";
    return static_cast<LRESULT>(
        ExplorerFindItem(gadget.entries, request.iStart, request.lvfi.flags, typed));
  }
  const auto& request = *reinterpret_cast<const NMLVFINDITEMA*>(header);
  return static_cast<LRESULT>(ExplorerFindItem(gadget.entries, request.iStart, request.lvfi.flags,
                                               ExplorerFindText(request.lvfi.psz)));
}

}  // namespace

std::optional<LRESULT> ExplorerPresentNotify(NMHDR* header) {
  ExplorerGadgetData* gadget = ExplorerCurrentGet();
  if (gadget == nullptr || gadget->entries == nullptr) return std::nullopt;
  switch (header->code) {
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      return OnFindItem(*gadget, header);
    case LVN_GETDISPINFOA:
      OnDisplayInfo(gadget, reinterpret_cast<NMLVDISPINFOA*>(header));
      break;
    case NM_DBLCLK:
      OnActivate(gadget, *reinterpret_cast<NMITEMACTIVATE*>(header));
      break;
    case LVN_COLUMNCLICK:
      OnColumnClick(gadget, *reinterpret_cast<NMLISTVIEW*>(header));
      break;
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
      ExplorerChoiceNews(gadget);
      break;
    default:
      break;
  }
  return std::nullopt;
}

void ExplorerPresentEnterKey(HWND list) {
  ExplorerGadgetData* gadget = ExplorerRecordOfWindow(GetParent(list));
  if (gadget == nullptr) return;
  // The item the user sees chosen now: nothing after a reload, so Enter never repeats a move.
  const int item = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
  if (item < 0 || ListView_GetItemState(list, item, LVIS_SELECTED) == 0) return;
  ExplorerCurrentSet(gadget);
  gadget->listView = list;
  ExplorerOpen(item, "", nullptr, EXPLORER_OPEN_ENTRY);
}

std::int32_t ExplorerOpen(std::int64_t index, std::string_view text, HWND list, std::int32_t mode) {
  ExplorerGadgetData* gadget = ExplorerCurrentGet();
  if (gadget == nullptr) return kNotLoaded;
  // The text may be the gadget's own path or the last name, both rewritten below.
  const std::string given(text);
  char name[EXPLORER_OPEN_NAME_SIZE] = {};
  const bool entered = given.empty() && mode == EXPLORER_OPEN_ENTRY;
  if (!given.empty()) {
    if (list != nullptr) gadget->listView = list;
  } else if (const ExplorerEntry* entry = ExplorerEntryFind(gadget->entries, index + 1)) {
    // A file is opened by the application, which the event tells; a drive is entered.
    if (entry->kind == ENTRY_KIND_FILE && gadget->path.size() > EXPLORER_DRIVE_LIST_PATH_MAX) {
      ExplorerEventPost(*gadget, EXPLORER_EVENT_OPENED, index);
      return kNotLoaded;
    }
    // The name the entry's path was made with: one outside the code page shows question marks,
    // but its short name opens it.
    TextCopyBounded(name, sizeof(name), ExplorerEntryPathLeaf(*entry), GetACP());
  }
  const ExplorerOpenPlan plan =
      ExplorerOpenPlanMake(gadget->path, gadget->pattern, name, given, mode, GetACP());
  const ExplorerProbeFunction probe =
      probe_function != nullptr ? probe_function : ExplorerFolderProbe;
  const std::int32_t outcome = plan.driveList ? PROBE_OK : probe(gadget, plan.target);
  std::int32_t result = kNotLoaded;
  switch (outcome) {
    case PROBE_OK:
      if (!ListReload(gadget->listView, gadget, plan.target)) return kNotLoaded;
      gadget->path = plan.target;
      result = kLoadedAnew;
      break;
    case PROBE_NOT_FOUND:
      result = NotFoundFallback(gadget, plan.target);
      break;
    case PROBE_ACCESS_DENIED:
      AccessDeniedShow(*gadget);
      return kNotLoaded;
    default:
      return kNotLoaded;
  }
  ExplorerWatchRenew(gadget);
  if (entered && result == kLoadedAnew) ExplorerEventPost(*gadget, EXPLORER_EVENT_ENTERED, -1);
  return result;
}

void ExplorerProbeFunctionSet(ExplorerProbeFunction probe) {
  probe_function = probe;
}

std::int32_t ExplorerPathSet(GadgetId id, const char* path) {
  ExplorerGadgetData* gadget = ExplorerRecordOf(id);
  if (gadget == nullptr) return kNotLoaded;
  ExplorerCurrentSet(gadget);
  // Resolved first: a move that fails keeps the path it had, never one with ".." in it.
  const std::string given = ExplorerPathResolve(path != nullptr ? path : "", GetACP());
  const std::string previous_pattern = gadget->pattern;
  gadget->pattern = ExplorerPatternOf(given, GetACP());
  const std::int32_t result = ExplorerOpen(0, given, gadget->listView, EXPLORER_OPEN_PATH);
  // A move that did not happen leaves the pattern that goes with the unchanged path.
  if (result == kNotLoaded) gadget->pattern = previous_pattern;
  return result;
}

bool ExplorerListRefresh(ExplorerGadgetData* gadget) {
  HWND list = gadget->listView;
  const ListPlace place = ListPlaceOf(*gadget);
  const std::string chosen_before(NameOf(*gadget, static_cast<int>(ExplorerChosenItem(*gadget))));
  const std::optional<std::int64_t> count = ExplorerScanTry(gadget, gadget->path);
  if (!count.has_value()) return false;
  const bool visible = (GetWindowLongPtrA(list, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible) SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  gadget->choiceClearing = true;
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(*count), LVSICF_NOINVALIDATEALL);
  ListPlaceApply(list, *gadget, place);
  gadget->choiceClearing = false;
  if (visible) SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  // The same item chosen is no news, though its row may have moved; another one is.
  const std::int64_t chosen = ExplorerChosenItem(*gadget);
  if (NameOf(*gadget, static_cast<int>(chosen)) == chosen_before) gadget->chosenReported = chosen;
  ExplorerChoiceNews(gadget);
  return true;
}

bool ExplorerListMove(ExplorerGadgetData* gadget, const std::string& target) {
  if (!ListReload(gadget->listView, gadget, target)) return false;
  gadget->path = target;
  return true;
}

std::int32_t ExplorerWatchSet(GadgetId id, std::int32_t on) {
  ExplorerGadgetData* gadget = ExplorerRecordOf(id);
  if (gadget == nullptr) return kNotLoaded;
  const bool again = on != 0 && !gadget->watching;
  gadget->watching = on != 0;
  ExplorerWatchRenew(gadget);
  // What changed while nobody watched shows now.
  if (again) {
    ExplorerCurrentSet(gadget);
    ExplorerListRefresh(gadget);
  }
  return kLoadedAnew;
}

std::int32_t ExplorerListModeSet(GadgetId id, std::int64_t mode) {
  ExplorerGadgetData* gadget = ExplorerRecordOf(id);
  if (gadget == nullptr) return kNotLoaded;
  ExplorerCurrentSet(gadget);
  gadget->listMode = mode;
  const std::string path = gadget->path;
  return ExplorerOpen(0, path, gadget->listView, EXPLORER_OPEN_PATH);
}
