// The explorer gadget's windows: class, window procedure, list-view subclass, creation, release.
#include "toolkit/explorer/explorer_gadget.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "toolkit/core/code_page_text.h"
#include "toolkit/core/display_scale.h"
#include "toolkit/core/registries.h"
#include "toolkit/explorer/explorer_com.h"
#include "toolkit/explorer/explorer_entries.h"
#include "toolkit/explorer/explorer_open_path.h"
#include "toolkit/explorer/explorer_present.h"
#include "toolkit/explorer/explorer_scan.h"
#include "toolkit/explorer/explorer_watch.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/gadget_create.h"
#include "toolkit/gadgets/gadget_registry.h"
#include "toolkit/gadgets/tab_stop.h"

namespace {

constexpr DWORD kExplorerStyle = WS_CHILD | WS_VISIBLE;
constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW;
constexpr INT_PTR kClassBackground = COLOR_MENU + 1;
// The list view starts a little inside the gadget; the first resize makes it fill it.
constexpr int kListInset = 4;
constexpr int kColumnCount = 4;
constexpr int kAutoWidthDivisor = 4;
// Columns that fill the room to the pixel still make Wine's list view show a horizontal bar.
constexpr int kAutoWidthSlack = 4;
constexpr COLORREF kListBackground = 0xFFFFFF;
constexpr COLORREF kListText = 0;
constexpr std::int64_t kLow32Bits = 0xFFFFFFFF;

// The window's extra bytes hold its record too: notifications come by the hundred at every
// paint, and reading a window's own bytes asks the system nothing, where a property look-up
// costs Wine two round trips to its server (half of what the toolkit added to a page's paint).
constexpr int kRecordSlot = 0;

WNDPROC list_view_proc_previous = nullptr;
bool class_registered = false;

// The text of a fixed options field, read no further than the field itself.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(TextFieldRead(field, N, GetACP()));
}

// An automatic column takes a quarter of the room beside a vertical scroll bar, so that the four
// fit without a horizontal one; a width the options give is in units.
int ColumnWidth(std::int64_t width, std::int64_t gadget_width, UINT dpi) {
  const std::int64_t room =
      gadget_width - DpiMetric(SM_CXVSCROLL, dpi) - DpiScale(kAutoWidthSlack, dpi);
  if (width == COLUMN_WIDTH_AUTO) return static_cast<int>(room / kAutoWidthDivisor);
  return DpiScale(static_cast<int>(width), dpi);
}

void ColumnsInsert(HWND list, const ExplorerGadgetData& record) {
  const ExplorerOptions& o = *record.options;
  const std::string titles[kColumnCount] = {FieldText(o.nameTitle), FieldText(o.sizeTitle),
                                            FieldText(o.typeTitle), FieldText(o.modifiedTitle)};
  const std::int64_t widths[kColumnCount] = {o.nameWidth, o.sizeWidth, o.typeWidth,
                                             o.modifiedWidth};
  for (int column = 0; column < kColumnCount; ++column) {
    LVCOLUMNA info = {};
    info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    info.fmt = LVCFMT_LEFT;
    info.cx = ColumnWidth(widths[column], record.width, DpiOfWindow(list));
    info.pszText = const_cast<char*>(titles[column].c_str());
    info.cchTextMax = static_cast<int>(column == 0 ? sizeof(o.nameTitle) : sizeof(o.sizeTitle)) - 1;
    info.iSubItem = column + 1;
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
  }
}

void OnCreate(HWND window) {
  ExplorerGadgetData* record = ExplorerCurrentGet();
  if (record == nullptr) return;
  if (record->options == nullptr) {
    record->options = new (std::nothrow) ExplorerOptions;
    if (record->options == nullptr) return;
    record->ownsOptions = true;
    ExplorerOptionsDefault(record->options);
  }
  // Clicks in the list are the gadget's events, not the window's bare button presses.
  HWND list = CreateWindowExA(WS_EX_NOPARENTNOTIFY, WC_LISTVIEWA, "", EXPLORER_LIST_REPORT_STYLE, 0,
                              0, static_cast<int>(record->width - kListInset),
                              static_cast<int>(record->height - kListInset), window, nullptr,
                              nullptr, nullptr);
  record->listView = list;
  // Set only with its list view, through which the release finds the window to clear it in.
  if (list != nullptr) SetWindowLongPtrA(window, kRecordSlot, reinterpret_cast<LONG_PTR>(record));
  SetPropA(window, PROP_EXPLORER_LIST_WINDOW, list);
  ColourEntryAdd(list, kListBackground, kListText);
  ComboListColourSet(kListBackground, kListText);
  // In scaled mode the gadgets' font of the window's DPI, which its rows follow.
  HFONT font = DpiScalingOn() ? GadgetFontOf(window) : GadgetFontDefaultGet();
  if (font != nullptr) SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  list_view_proc_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ExplorerListViewProc)));
  HIMAGELIST small_icons = ExplorerIconsFor(DpiOfWindow(window));
  ColumnsInsert(list, *record);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  ImageList_SetBkColor(small_icons, CLR_NONE);
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small_icons));
  SendMessageA(list, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  const std::int64_t count = ExplorerScan(record, record->path);
  SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOINVALIDATEALL);
  if (list != nullptr) ExplorerWatchRenew(record);
}

void OnSize(HWND window, LPARAM lparam) {
  if (ExplorerGadgetData* record = ExplorerRecordOfWindow(window)) {
    MoveWindow(record->listView, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
    // The automatic columns follow the gadget's width.
    ExplorerColumnsFit(record->listView, *record, LOWORD(lparam), false);
  }
}

bool OnTimer(HWND window, WPARAM timer) {
  if (timer != EXPLORER_WATCH_TIMER) return false;
  ExplorerWatchTick(window);
  return true;
}

// Answers what the list asks, then passes every notification on to the toolkit window as if
// it came from the explorer gadget itself. True with the result when the list needs one.
bool OnNotify(HWND window, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lparam);
  if (header == nullptr) return false;
  // Only the explorer's own list view speaks for it.
  HWND owner = GetParent(header->hwndFrom);
  if (owner == window) {
    auto* record = reinterpret_cast<ExplorerGadgetData*>(GetWindowLongPtrA(window, kRecordSlot));
    if (record != nullptr && record->choiceClearing) return false;
    if (record != nullptr) ExplorerCurrentSet(record);
  }
  const std::optional<LRESULT> answer = ExplorerPresentNotify(header);
  header->idFrom = static_cast<UINT_PTR>(static_cast<INT_PTR>(GadgetIdOf(owner)));
  SendMessageA(GetParent(window), WM_NOTIFY, wparam, lparam);
  if (answer.has_value()) *result = *answer;
  return answer.has_value();
}

// The release routine kept in "EXPLORERLISTFREEPROC".
void ExplorerDataRelease(void* record) {
  ExplorerDataFree(static_cast<ExplorerGadgetData*>(record));
}

}  // namespace

void ExplorerColumnsFit(HWND list, const ExplorerGadgetData& record, int width, bool every) {
  if (record.options == nullptr) return;
  const ExplorerOptions& o = *record.options;
  const std::int64_t widths[kColumnCount] = {o.nameWidth, o.sizeWidth, o.typeWidth,
                                             o.modifiedWidth};
  const UINT dpi = DpiOfWindow(list);
  for (int column = 0; column < kColumnCount; ++column) {
    if (every || widths[column] == COLUMN_WIDTH_AUTO)
      ListView_SetColumnWidth(list, column, ColumnWidth(widths[column], width, dpi));
  }
}

std::int64_t ExplorerDataFree(ExplorerGadgetData* record) {
  if (record == nullptr) return -1;
  if (record->listView != nullptr) {
    // The window may outlive its record, and its list view still has news while it goes.
    HWND window = GetParent(record->listView);
    if (GetWindowLongPtrA(window, kRecordSlot) == reinterpret_cast<LONG_PTR>(record)) {
      SetWindowLongPtrA(window, kRecordSlot, 0);
    }
    // The colour entry is keyed by the list view, which the gadget release does not look at.
    if (HandleList* colours = ColourRegistryGet()) {
      if (HandleListFind(colours, RegistryKeyOfWindow(record->listView)) != nullptr) {
        HandleListRemoveTriple(colours, RegistryKeyOfWindow(record->listView));
      }
    }
  }
  ExplorerWatchClose(record);
  delete record->entries;
  if (record->ownsOptions) delete record->options;
  if (ExplorerCurrentGet() == record) ExplorerCurrentSet(nullptr);
  delete record;
  return -1;
}

bool ExplorerClassRegister() {
  WNDCLASSEXA info = {};
  info.cbSize = sizeof(info);
  info.style = kClassStyle;
  info.lpfnWndProc = ExplorerWindowProc;
  info.hInstance = GetModuleHandleA(nullptr);
  info.hbrBackground = reinterpret_cast<HBRUSH>(kClassBackground);
  info.cbWndExtra = sizeof(ExplorerGadgetData*);
  info.lpszClassName = CLASS_EXPLORER_GADGET;
  if (RegisterClassExA(&info) == 0) {
    std::fputs(EXPLORER_REGISTER_FAILED_LINE, stdout);
    std::fflush(stdout);
    return false;
  }
  return true;
}

LRESULT CALLBACK ExplorerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      break;
    case WM_SIZE:
      OnSize(window, lparam);
      break;
    case WM_NOTIFY:
      if (OnNotify(window, wparam, lparam, &result)) return result;
      break;
    case WM_TIMER:
      if (OnTimer(window, wparam)) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CALLBACK ExplorerListViewProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
  // On the press: the release may belong to a key that closed a message box.
  if (message == WM_KEYDOWN && wparam == VK_RETURN) ExplorerPresentEnterKey(list);
  return CallWindowProcA(list_view_proc_previous, list, message, wparam, lparam);
}

HWND ExplorerGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, const char* path, ExplorerOptions* options) {
  auto* record = new (std::nothrow) ExplorerGadgetData;
  if (record == nullptr) return nullptr;
  record->entries = new (std::nothrow) ExplorerEntryList;
  if (record->entries == nullptr) {
    delete record;
    return nullptr;
  }
  if (!class_registered) {
    // Tried once per process, whatever the outcome.
    ExplorerClassRegister();
    class_registered = true;
  }
  const std::string_view given = path != nullptr ? path : "";
  record->pattern = ExplorerPatternOf(given, GetACP());
  record->path = ExplorerPathStored(given, record->pattern, GetACP());
  record->options = options;
  ExplorerCurrentSet(record);
  ExplorerComEnsure();
  const INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  const DWORD ex_style = options != nullptr ? static_cast<DWORD>(options->exStyle & kLow32Bits) : 0;
  const DpiRect units = {x, y, width, height};
  // The window's creation reads its pixel size from the record.
  const DpiRect place = DpiPlaceOf(CurrentWindowGet(), units);
  record->width = place.width;
  record->height = place.height;
  HWND window = DpiChildCreate(ex_style, CLASS_EXPLORER_GADGET, "", kExplorerStyle, units,
                               CurrentWindowGet(), id);
  if (window == nullptr) {
    // No window holds the record, so nothing else would ever free it.
    ExplorerDataFree(record);
    return nullptr;
  }
  GadgetRegister(id, window);
  SetPropA(window, PROP_COMPANION, record);
  SetPropA(window, PROP_EXPLORER_FREE_PROC,
           reinterpret_cast<HANDLE>(static_cast<GadgetDataFreeFunction>(ExplorerDataRelease)));
  TabStopEnrolGadget(id);
  return window;
}

HWND ExplorerListViewOf(GadgetId id) {
  const ExplorerGadgetData* record = ExplorerRecordOf(id);
  return record != nullptr ? record->listView : nullptr;
}

std::string ExplorerPathGet(GadgetId id) {
  const ExplorerGadgetData* record = ExplorerRecordOf(id);
  if (record == nullptr) return std::string();
  return ExplorerPathWithoutPattern(record->path, record->pattern, GetACP());
}

std::int64_t ExplorerColumnSort(GadgetId id, std::int64_t column) {
  const ExplorerGadgetData* record = ExplorerRecordOf(id);
  if (record == nullptr) return 0;
  NMLISTVIEW click = {};
  click.hdr.hwndFrom = record->listView;
  click.hdr.code = LVN_COLUMNCLICK;
  click.iSubItem = static_cast<int>(column);
  return SendMessageA(GadgetWindowOf(id), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
}

std::int64_t ExplorerSelectedIndexGet(GadgetId id) {
  const ExplorerGadgetData* record = ExplorerRecordOf(id);
  return record != nullptr ? record->selectedIndex : -1;
}
