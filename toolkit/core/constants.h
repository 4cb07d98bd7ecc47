// Named constants of the window and event core, free of any platform header.
#pragma once

#include <cstddef>
#include <cstdint>

// Event codes that are not Win32 message numbers.
inline constexpr int EVENT_NONE = 0;
inline constexpr int EVENT_GADGET = 1025;
inline constexpr int EVENT_MENU = 1026;

// The toolkit's own notification: WM_USER posted to a top-level window with one of these wParams.
inline constexpr unsigned TOOLKIT_MESSAGE = 0x0400;  // WM_USER
inline constexpr std::uint64_t SPIN_NOTIFY = 0xF1F1;
inline constexpr std::uint64_t ITEM_NOTIFY = 0xF1F2;
inline constexpr std::uint64_t TREE_CLICK = 0xF1F3;
inline constexpr std::uint64_t TAB_NOTIFY = 0xF1F4;
inline constexpr unsigned RELAY_MESSAGE = 1029;  // WM_USER + 5, accepted from outside

// Tab-stop commands, carried as WM_COMMAND ids without a control.
inline constexpr unsigned TABSTOP_NEXT = 0xFFF5;
inline constexpr unsigned TABSTOP_PREVIOUS = 0xFFF6;
inline constexpr unsigned TABSTOP_FORCE_NEXT = 0xFFF7;

// Gadget kinds: the numbers are fixed, gaps included, because callers compare against them.
inline constexpr std::int32_t GADGET_KIND_OTHER = 0;
inline constexpr std::int32_t GADGET_KIND_LISTBOX = 2;
inline constexpr std::int32_t GADGET_KIND_COMBOBOX = 3;
inline constexpr std::int32_t GADGET_KIND_TABCONTROL = 4;
inline constexpr std::int32_t GADGET_KIND_SCROLLBAR = 5;
inline constexpr std::int32_t GADGET_KIND_LISTVIEW = 6;
inline constexpr std::int32_t GADGET_KIND_TRACKBAR = 7;
inline constexpr std::int32_t GADGET_KIND_PROGRESS = 8;
inline constexpr std::int32_t GADGET_KIND_DATETIME = 9;
inline constexpr std::int32_t GADGET_KIND_CALENDAR = 10;
inline constexpr std::int32_t GADGET_KIND_COMBOLIST = 13;
inline constexpr std::int32_t GADGET_KIND_UPDOWN = 14;
inline constexpr std::int32_t GADGET_KIND_TOOLBAR = 15;
inline constexpr std::int32_t GADGET_KIND_STATIC = 16;
inline constexpr std::int32_t GADGET_KIND_TREEVIEW = 17;

// Window creation.
inline constexpr std::uint64_t WINDOW_STYLE_TABSTOP_REQUEST = 0x1000;
inline constexpr const char* WINDOW_CLASS_PREFIX = "CLASSCLASS_";
inline constexpr unsigned WINDOW_CLASS_STYLE = 0x23;  // CS_VREDRAW | CS_HREDRAW | CS_OWNDC
inline constexpr int WINDOW_CLASS_BACKGROUND = 16;    // COLOR_BTNFACE + 1
inline constexpr const char* REGISTER_CLASS_FAILED = "RegisterClassEx() failed, error: ";

// Class-name query buffer: at most 127 characters and a zero byte.
inline constexpr int CLASS_NAME_BUFFER = 128;

// Notification copies: NMITEMACTIVATE, NMLISTVIEW and NMTREEVIEWA as the 64-bit layouts have them.
inline constexpr std::size_t NOTIFY_COPY_ITEM_ACTIVATE = 72;
inline constexpr std::size_t NOTIFY_COPY_LIST_VIEW = 64;
inline constexpr std::size_t NOTIFY_COPY_TREE_VIEW = 152;

// Byte offsets read from a copied notification record.
inline constexpr std::size_t NOTIFY_OFFSET_ID_FROM = 8;
inline constexpr std::size_t NOTIFY_OFFSET_CODE = 16;
inline constexpr std::size_t NOTIFY_OFFSET_ITEM = 24;
inline constexpr std::size_t NOTIFY_OFFSET_SUBITEM = 28;
inline constexpr std::size_t NOTIFY_OFFSET_NEW_STATE = 32;
inline constexpr std::size_t NOTIFY_OFFSET_OLD_STATE = 36;
inline constexpr std::size_t NOTIFY_OFFSET_KEY_FLAGS = 64;
inline constexpr std::size_t NOTIFY_OFFSET_TREE_NEW_ITEM = 96;

// A list-view item that became selected and focused, from nothing.
inline constexpr std::uint32_t LIST_ITEM_SELECTED_FOCUSED = 3;

// Event hooks: which slot, and the enable flag's value while a hook is on.
inline constexpr int HOOK_WINDOW_PROC = 0;
inline constexpr int HOOK_POST_DISPATCH = 1;
inline constexpr int HOOK_ENABLED = 100;

// Window properties read or written by the core.
inline constexpr const char* PROP_TABSTOP_ENABLE = "tabstopenable";
// The gadget Tab last focused (one r, exactly so), and the one to focus on re-activation.
inline constexpr const char* PROP_TABSTOP_CURRENT_GADGET = "tabstopcurentgadget";
inline constexpr const char* PROP_TABSTOP_ACTIVE_WINDOW = "tabstop_act_win";
inline constexpr const char* PROP_PAGE_STEP = "pagestep";
inline constexpr const char* PROP_EVENT_MOUSE_BUTTON = "eventmousebutton";
inline constexpr const char* PROP_PANEL_EVENT = "panelevent";

// Column-click value that means "no column clicked".
inline constexpr std::int32_t COLUMN_CLICK_NONE = -1;
