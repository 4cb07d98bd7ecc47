// Named constants an application uses with the toolkit, free of any platform header.
#pragma once

#include <cstdint>

// Event codes that are not Win32 message numbers. Every other non-zero code that EventWait and
// EventPoll return is the number of the Win32 message behind the event (16 WM_CLOSE, 5 WM_SIZE).
inline constexpr int EVENT_NONE = 0;
inline constexpr int EVENT_GADGET = 1025;
inline constexpr int EVENT_MENU = 1026;

// The toolkit's own notification: WM_USER posted to a top-level window with one of these wParams.
inline constexpr unsigned TOOLKIT_MESSAGE = 0x0400;  // WM_USER
inline constexpr std::uint64_t SPIN_NOTIFY = 0xF1F1;
inline constexpr std::uint64_t ITEM_NOTIFY = 0xF1F2;
inline constexpr std::uint64_t TREE_CLICK = 0xF1F3;
inline constexpr std::uint64_t TAB_NOTIFY = 0xF1F4;
// A gadget's own event (an explorer's choice, say): the detail in wParam's high 32 bits, the
// gadget's id in lParam's low 32 bits and the item in its high 32 bits.
inline constexpr std::uint64_t GADGET_NOTIFY = 0xF1F8;
// A window's DPI changed (scaled mode), after the toolkit laid it out again: reported as event
// WM_DPICHANGED (0x02E0) with EventDetail the new DPI. The DPI travels in lParam.
inline constexpr std::uint64_t DPI_NOTIFY = 0xF1F9;
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

// Window creation: the style bit that asks the first WindowOpen for tab-stop navigation.
inline constexpr std::uint64_t WINDOW_STYLE_TABSTOP_REQUEST = 0x1000;

// Event hooks: which slot.
inline constexpr int HOOK_WINDOW_PROC = 0;
inline constexpr int HOOK_POST_DISPATCH = 1;

// Column-click value that means "no column clicked".
inline constexpr std::int32_t COLUMN_CLICK_NONE = -1;

// Integer stack: the result of popping an empty stack (a pushable value too; see IntStackCount).
inline constexpr std::int32_t INTSTACK_EMPTY = -2;

// Why the last ImageLoadFile failed (ImageLoadErrorGet); IMAGE_LOAD_OK after a success.
inline constexpr std::int32_t IMAGE_LOAD_OK = 0;
inline constexpr std::int32_t IMAGE_LOAD_MISSING = 1;       // no such file (or no name)
inline constexpr std::int32_t IMAGE_LOAD_NOT_AN_IMAGE = 2;  // a file GDI+ cannot decode
inline constexpr std::int32_t IMAGE_LOAD_TOO_LARGE = 3;     // beyond the limits below, or empty
inline constexpr std::int32_t IMAGE_LOAD_NO_MEMORY = 4;
inline constexpr std::int32_t IMAGE_LOAD_FAILED = 5;  // GDI+ could not start or convert it

// The largest image ImageLoadFile makes: a side of 32,768 pixels and 64 Mi pixels in all (a
// 256 MB bitmap). A metafile's frame can ask for any size in a few bytes.
inline constexpr std::uint32_t IMAGE_LOAD_SIDE_MAX = 32768;
inline constexpr std::uint64_t IMAGE_LOAD_PIXELS_MAX = std::uint64_t{1} << 26;
