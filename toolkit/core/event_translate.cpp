// The translation table from parked messages to event codes and event fields.
#include "toolkit/core/event_translate.h"

#include <commctrl.h>

#include <cstring>

#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/core/event_state.h"
#include "toolkit/core/notify_blocks.h"
#include "toolkit/core/module_seams.h"
#include "toolkit/core/core_constants.h"

namespace {

struct Drained {
  HWND window;
  UINT message;
  std::uint64_t wparam;
  std::uint64_t lparam;
};

std::uint32_t Low16(std::uint64_t value) {
  return static_cast<std::uint32_t>(value & 0xFFFF);
}
std::uint32_t High16(std::uint64_t value) {
  return static_cast<std::uint32_t>((value >> 16) & 0xFFFF);
}
std::int32_t Low32(std::uint64_t value) {
  return static_cast<std::int32_t>(value & 0xFFFFFFFF);
}
std::int32_t High32(std::uint64_t value) {
  return static_cast<std::int32_t>(value >> 32);
}
HWND AsWindow(std::uint64_t value) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
}

// A copied notification record and the size of the block that holds it (0: not a copy). The
// three layouts differ in length, so a field past the end of the posted block reads as 0: a
// list-view copy has no key flags.
struct CopiedRecord {
  const unsigned char* bytes;
  std::size_t size;
};

CopiedRecord CopiedRecordAt(std::uint64_t lparam) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(static_cast<std::uintptr_t>(lparam));
  return CopiedRecord{bytes, NotifyCopyBlockSizeAt(bytes)};
}

std::int32_t RecordInt32(const CopiedRecord& record, std::size_t offset) {
  std::int32_t value = 0;
  if (offset + sizeof value <= record.size)
    std::memcpy(&value, record.bytes + offset, sizeof value);
  return value;
}

std::uint64_t RecordUint64(const CopiedRecord& record, std::size_t offset) {
  std::uint64_t value = 0;
  if (offset + sizeof value <= record.size)
    std::memcpy(&value, record.bytes + offset, sizeof value);
  return value;
}

bool HasPropertyOne(HWND window, const char* name) {
  return reinterpret_cast<std::uintptr_t>(GetPropA(window, name)) == 1;
}

void OnCommand(const Drained& d, EventStateRecord& s) {
  const std::uint32_t id = Low16(d.wparam);
  if (d.lparam == 0) {
    s.code = EVENT_MENU;
    s.source_id = static_cast<std::int32_t>(id);
    s.source_window = d.window;
    // The tab-stop commands move the focus before the event is reported.
    if (id > TABSTOP_NEXT - 1 && id <= TABSTOP_FORCE_NEXT) TabStopCommandRun(d.window, id);
    return;
  }
  HWND control = AsWindow(d.lparam);
  s.source_window = control;
  const std::int32_t kind = GadgetKindOf(control);
  if (GetFocus() == control || kind == GADGET_KIND_STATIC || kind == GADGET_KIND_TOOLBAR) {
    s.code = EVENT_GADGET;
    s.source_id = static_cast<std::int32_t>(id);
    s.last_gadget_id = s.source_id;
  }
}

// The point a mouse message carries, in units of the window it came to.
void MousePointSet(const Drained& d, EventStateRecord& s) {
  const UINT dpi = DpiOfWindow(d.window);
  s.mouse_x = DpiUnscale(static_cast<std::int32_t>(Low16(d.lparam)), dpi);
  s.mouse_y = DpiUnscale(static_cast<std::int32_t>(High16(d.lparam)), dpi);
}

void OnMouse(const Drained& d, EventStateRecord& s) {
  s.code = static_cast<std::int32_t>(d.message);
  s.source_window = d.window;
  s.detail = Low32(d.wparam);
  MousePointSet(d, s);
}

void OnMouseButtonDown(const Drained& d, EventStateRecord& s) {
  OnMouse(d, s);
  // A relayed button-down carries the application's identifier in wParam.
  const bool relayed = static_cast<std::int64_t>(d.lparam) == -1;
  s.source_id = relayed ? Low32(d.wparam) : 0;
}

void OnScroll(const Drained& d, EventStateRecord& s) {
  HWND control = AsWindow(d.lparam);
  s.source_window = control;
  const std::int32_t kind = GadgetKindOf(control);
  if (kind == GADGET_KIND_TRACKBAR) {
    s.code = EVENT_GADGET;
    s.source_id = GadgetIdOf(control);
  } else if (kind == GADGET_KIND_SCROLLBAR) {
    s.code = static_cast<std::int32_t>(d.message);
  }
}

void OnToolkitMessage(const Drained& d, EventStateRecord& s) {
  if (Low32(d.wparam) == static_cast<std::int32_t>(GADGET_NOTIFY)) {
    s.code = EVENT_GADGET;
    s.detail = High32(d.wparam);
    s.source_id = Low32(d.lparam);
    s.item_index = High32(d.lparam);
    return;
  }
  switch (d.wparam) {
    case DPI_NOTIFY:
      s.code = WM_DPICHANGED;
      s.source_window = d.window;
      s.detail = Low32(d.lparam);
      break;
    case SPIN_NOTIFY:
      s.code = EVENT_GADGET;
      s.source_id = Low32(d.lparam);
      break;
    case ITEM_NOTIFY: {
      const CopiedRecord record = CopiedRecordAt(d.lparam);
      if (record.size == 0) break;
      s.code = EVENT_GADGET;
      s.item_index = RecordInt32(record, NOTIFY_OFFSET_ITEM);
      s.item_column = RecordInt32(record, NOTIFY_OFFSET_SUBITEM);
      s.item_key_flags = RecordInt32(record, NOTIFY_OFFSET_KEY_FLAGS);
      s.source_id = Low32(RecordUint64(record, NOTIFY_OFFSET_ID_FROM));
      s.list_gadget = s.source_id;
      s.tree_gadget = s.source_id;
      break;
    }
    case TREE_CLICK:
      s.code = static_cast<std::int32_t>(High16(d.lparam));
      s.source_id = static_cast<std::int32_t>(Low16(d.lparam));
      s.tree_gadget = s.source_id;
      break;
    case TAB_NOTIFY:
      s.code = static_cast<std::int32_t>(High16(d.lparam));
      s.source_id = static_cast<std::int32_t>(Low16(d.lparam));
      break;
    default:
      break;
  }
}

void OnNotify(const Drained& d, EventStateRecord& s) {
  const CopiedRecord record = CopiedRecordAt(d.lparam);
  // Anything else (a parked tooltip request) belonged to its sender and is gone by now.
  if (record.size == 0) return;
  const std::int32_t id_from = Low32(RecordUint64(record, NOTIFY_OFFSET_ID_FROM));
  // The notification codes are unsigned in the headers: compare them as such.
  const auto code = static_cast<std::uint32_t>(RecordInt32(record, NOTIFY_OFFSET_CODE));
  switch (code) {
    case NM_CLICK:
      s.code = WM_LBUTTONDOWN;
      s.item_index = RecordInt32(record, NOTIFY_OFFSET_ITEM);
      s.item_column = RecordInt32(record, NOTIFY_OFFSET_SUBITEM);
      s.item_key_flags = RecordInt32(record, NOTIFY_OFFSET_KEY_FLAGS);
      s.source_id = s.last_gadget_id = s.list_gadget = id_from;
      break;
    case NM_RCLICK:
    case NM_DBLCLK:
      s.code = code == NM_RCLICK ? WM_RBUTTONDOWN : WM_LBUTTONDBLCLK;
      s.item_index = RecordInt32(record, NOTIFY_OFFSET_ITEM);
      s.item_column = RecordInt32(record, NOTIFY_OFFSET_SUBITEM);
      s.source_id = s.list_gadget = id_from;
      s.source_window = d.window;
      break;
    case LVN_COLUMNCLICK:
      s.code = EVENT_GADGET;
      s.list_gadget = id_from;
      s.column_click = RecordInt32(record, NOTIFY_OFFSET_SUBITEM);
      s.item_index = RecordInt32(record, NOTIFY_OFFSET_ITEM);
      s.item_column = RecordInt32(record, NOTIFY_OFFSET_SUBITEM);
      s.source_id = s.last_gadget_id = id_from;
      break;
    case LVN_ITEMCHANGING: {
      const auto new_state =
          static_cast<std::uint32_t>(RecordInt32(record, NOTIFY_OFFSET_NEW_STATE));
      const auto old_state =
          static_cast<std::uint32_t>(RecordInt32(record, NOTIFY_OFFSET_OLD_STATE));
      if (new_state == LIST_ITEM_SELECTED_FOCUSED && old_state == 0) {
        s.code = EVENT_GADGET;
        s.source_id = id_from;
        s.item_index = RecordInt32(record, NOTIFY_OFFSET_ITEM);
      }
      break;
    }
    case TVN_SELCHANGEDA:
      s.tree_gadget = id_from;
      // The whole handle: a 64-bit program's items may lie above 4 GiB.
      s.tree_item = static_cast<std::int64_t>(RecordUint64(record, NOTIFY_OFFSET_TREE_NEW_ITEM));
      break;
    default:
      break;
  }
}

void OnParentNotify(const Drained& d, EventStateRecord& s) {
  const std::uint32_t event = Low16(d.wparam);
  if (event != WM_LBUTTONDOWN && event != WM_RBUTTONDOWN && event != WM_MBUTTONDOWN) return;
  if (HasPropertyOne(d.window, PROP_EVENT_MOUSE_BUTTON)) {
    SetPropA(d.window, PROP_EVENT_MOUSE_BUTTON, nullptr);  // one click swallowed
    return;
  }
  s.code = HasPropertyOne(d.window, PROP_PANEL_EVENT) ? 0 : static_cast<std::int32_t>(event);
  MousePointSet(d, s);
}

}  // namespace

void EventTranslate(const PendingMessage& pending) {
  const Drained d{AsWindow(pending.window), static_cast<UINT>(pending.message), pending.wparam,
                  pending.lparam};
  EventStateRecord& s = EventStateMutable();
  switch (d.message) {
    case 0:
      break;
    case WM_CLOSE:
    case WM_SIZE:
      s.code = static_cast<std::int32_t>(d.message);
      s.source_window = d.window;
      break;
    case WM_COMMAND:
      OnCommand(d, s);
      break;
    case WM_KEYDOWN:
      s.code = WM_KEYDOWN;
      s.source_window = d.window;
      s.detail = static_cast<std::int32_t>(Low16(d.wparam));
      break;
    case WM_KEYUP:
      s.code = WM_KEYUP;
      s.source_window = d.window;
      s.source_id = static_cast<std::int32_t>(Low16(d.wparam));
      break;
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnMouse(d, s);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnMouseButtonDown(d, s);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnScroll(d, s);
      break;
    case WM_TIMER:
      s.code = WM_TIMER;
      s.source_window = d.window;
      s.source_id = Low32(d.wparam);
      break;
    case WM_ACTIVATE:
      if (Low16(d.wparam) == WA_CLICKACTIVE) {
        s.code = WM_ACTIVATE;
        s.source_window = d.window;
      }
      break;
    case TOOLKIT_MESSAGE:
      OnToolkitMessage(d, s);
      break;
    case WM_NOTIFY:
      OnNotify(d, s);
      break;
    case WM_PARENTNOTIFY:
      OnParentNotify(d, s);
      break;
    case WM_VKEYTOITEM:
      s.code = EVENT_GADGET;
      s.detail = static_cast<std::int32_t>(Low16(d.wparam));
      s.source_id = GadgetIdOf(AsWindow(d.lparam));
      break;
    default:
      s.code = static_cast<std::int32_t>(d.message);
      break;
  }
}
