// Control notifications: clicks, selections, tab pages, spins and tooltip texts as events.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

#include <vantrel/toolkit.h>

#include "toolkit/core/code_page_text.h"
#include "toolkit/core/gadget_events.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/notify_blocks.h"
#include "toolkit/core/window_proc_handlers.h"

namespace {

// 1 after a key went down in a tree view: its next selection change is the keyboard's.
std::int32_t tree_key_flag = 0;

constexpr std::size_t kTooltipTextMax = sizeof(NMTTDISPINFOA{}.szText) - 1;  // 79

void PostToolkit(HWND window, std::uint64_t notification, LPARAM lparam) {
  PostMessageA(window, TOOLKIT_MESSAGE, static_cast<WPARAM>(notification), lparam);
}

// The event code in the high word, the control id in the low word.
LPARAM EventWord(UINT event, UINT_PTR id_from) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(event) << 16) | LOWORD(id_from));
}

// Copies the record into its block and parks it; the block, or null when it is missing.
void* ParkCopy(HWND window, WPARAM wparam, NotifyBlockKind kind, const NMHDR* header) {
  void* block = NotifyCopyBlockFill(kind, header);
  if (block != nullptr) EventSlotAStore(window, WM_NOTIFY, wparam, reinterpret_cast<LPARAM>(block));
  return block;
}

void OnClick(HWND window, WPARAM wparam, const NMHDR* header, UINT event) {
  switch (GadgetKindOf(header->hwndFrom)) {
    case GADGET_KIND_TREEVIEW:
      tree_key_flag = 0;
      PostToolkit(window, TREE_CLICK, EventWord(event, header->idFrom));
      break;
    case GADGET_KIND_TABCONTROL:
      PostToolkit(window, TAB_NOTIFY, EventWord(event, header->idFrom));
      break;
    case GADGET_KIND_LISTVIEW:
      if (void* block = ParkCopy(window, wparam, NOTIFY_BLOCK_ITEM_ACTIVATE, header)) {
        PostToolkit(window, ITEM_NOTIFY, reinterpret_cast<LPARAM>(block));
      }
      break;
    default:
      break;
  }
}

void OnTooltipText(HWND window, WPARAM wparam, NMHDR* header) {
  const std::string name = std::to_string(static_cast<std::uint64_t>(header->idFrom));
  const auto* text = static_cast<const char*>(GetPropA(window, name.c_str()));
  if (text != nullptr) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    // Enough of the text to tell whether the character at the cut is whole.
    const std::string_view shown(text, strnlen(text, kTooltipTextMax + TEXT_CHAR_BYTES_MAX - 1));
    TextCopyBounded(info->szText, sizeof(info->szText), shown, GetACP());
  }
  EventSlotAStore(window, WM_NOTIFY, wparam, reinterpret_cast<LPARAM>(header));
}

void OnTreeSelection(HWND window, WPARAM wparam, const NMHDR* header) {
  void* block = ParkCopy(window, wparam, NOTIFY_BLOCK_TREE_VIEW, header);
  if (block != nullptr && tree_key_flag == 1) {
    PostToolkit(window, ITEM_NOTIFY, reinterpret_cast<LPARAM>(block));
    tree_key_flag = 0;
  }
}

// Each tab's item data is the window handle of its page.
HWND SelectedTabPage(HWND tab_control) {
  TCITEMA item = {};
  item.mask = TCIF_PARAM;
  const LRESULT index = SendMessageA(tab_control, TCM_GETCURSEL, 0, 0);
  SendMessageA(tab_control, TCM_GETITEMA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
  return reinterpret_cast<HWND>(item.lParam);
}

void OnTabChanged(HWND window, const NMHDR* header) {
  HWND page = SelectedTabPage(header->hwndFrom);
  PostToolkit(window, TAB_NOTIFY, EventWord(EVENT_GADGET, header->idFrom));
  ShowWindow(page, SW_SHOWNORMAL);
}

// The up-down reports only as the gadget it belongs to, which carries the same id.
void OnSpin(HWND window, const NMHDR* header) {
  HWND owner = static_cast<HWND>(GetPropA(header->hwndFrom, PROP_COMPANION));
  const auto id = static_cast<GadgetId>(header->idFrom);
  if (header->idFrom == static_cast<UINT_PTR>(GadgetIdOf(owner))) {
    PostToolkit(window, SPIN_NOTIFY, static_cast<LPARAM>(id));
  }
}

}  // namespace

void OnControlNotify(HWND window, WPARAM wparam, LPARAM lparam) {
  auto* header = reinterpret_cast<NMHDR*>(lparam);
  if (header == nullptr) return;
  switch (header->code) {
    case NM_CLICK:
      OnClick(window, wparam, header, WM_LBUTTONDOWN);
      break;
    case NM_RCLICK:
      OnClick(window, wparam, header, WM_RBUTTONDOWN);
      break;
    case NM_DBLCLK:
      OnClick(window, wparam, header, WM_LBUTTONDBLCLK);
      break;
    case TVN_KEYDOWN:
      tree_key_flag = 1;
      break;
    case TTN_GETDISPINFOA:
      OnTooltipText(window, wparam, header);
      break;
    case LVN_COLUMNCLICK:
    case LVN_ITEMCHANGING:
      ParkCopy(window, wparam, NOTIFY_BLOCK_LIST_VIEW, header);
      break;
    case TVN_SELCHANGEDA:
      OnTreeSelection(window, wparam, header);
      break;
    case TCN_SELCHANGE:
      OnTabChanged(window, header);
      break;
    case TCN_SELCHANGING:
      ShowWindow(SelectedTabPage(header->hwndFrom), SW_HIDE);
      break;
    case UDN_DELTAPOS:
      OnSpin(window, header);
      break;
    case DTN_DATETIMECHANGE:
    case MCN_SELCHANGE:
      // A date picker's or calendar's new date.
      GadgetEventPost(header->hwndFrom, static_cast<GadgetId>(header->idFrom), 0, -1);
      break;
    default:
      break;
  }
}
