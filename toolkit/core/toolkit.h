// Vantrel: the application-facing operations of the toolkit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/core/constants.h"

// The integer an application chooses for a gadget; it is also the gadget's Win32 control id.
using GadgetId = std::int32_t;

// ---- Windows --------------------------------------------------------------------------------

// Registers a window class of its own and creates the window; it becomes the current window.
// Style bit WINDOW_STYLE_TABSTOP_REQUEST on the first call turns on tab-stop navigation.
// A null title is an empty one.
HWND WindowOpen(const char* title, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, std::uint64_t style, std::uint64_t ex_style, HWND parent);

// The window that receives the gadgets created next.
HWND CurrentWindowGet();
HWND CurrentWindowSet(HWND window);

// The window procedure of every toolkit window, and the MDI client it hands to DefFrameProcA.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
WNDPROC MainWindowProcAddress();
HWND FrameClientSet(HWND client);

// ---- Gadget ids -----------------------------------------------------------------------------

HWND GadgetWindowOf(GadgetId id);
GadgetId GadgetIdOf(HWND window);
void GadgetUnregister(GadgetId id);
int ColourEntryAdd(HWND control, std::int64_t background, std::int64_t text);
void TabStopEntryRemove(GadgetId id);

// ---- Gadget kinds ---------------------------------------------------------------------------

// The class name as GetClassNameA reports it (at most 127 characters); empty for no window.
std::string WindowClassNameGet(HWND window);
std::int32_t GadgetKindOf(HWND window);

// ---- Events ---------------------------------------------------------------------------------

// One call reports what the previous call's dispatch parked, then retrieves and dispatches one
// queued message: applications loop and ignore 0.
std::int32_t EventWait();
std::int32_t EventPoll();

std::int64_t EventSourceId();
std::int64_t EventLastGadgetId();
std::int64_t EventListGadgetTake();  // then 0
std::int64_t EventMouseX();
std::int64_t EventMouseY();
std::int64_t EventSizeWidth();
std::int64_t EventSizeHeight();
HWND EventSourceWindow();
std::int64_t EventDetail();
std::uint64_t EventRawWParam();
std::uint64_t EventRawLParam();
std::int64_t EventItemColumn();
std::int64_t EventItemIndex();
std::int32_t EventColumnClickTake();  // then -1
std::int64_t EventItemKeyFlags();
std::int64_t EventTreeItem();
std::int64_t EventTreeGadgetTake();  // then 0

// The MSG that the last call retrieved; valid until the next EventWait/EventPoll.
MSG* EventMessageRecord();

// For loops that poll without pause: every n-th call sleeps one millisecond.
void EventPollThrottle(std::int64_t n);

// Page step of a scroll-bar gadget (10 when unset).
int ScrollPageStepSet(GadgetId id, std::int64_t step);
int ScrollPageStepSetHandle(HWND window, std::int64_t step);

// ---- Hooks ----------------------------------------------------------------------------------

// Called first for every message of a toolkit window; a non-zero result answers the message.
using WindowProcHookFunction = std::int64_t (*)(HWND, UINT, WPARAM, LPARAM);
// Called after every retrieved message; the point holds x in its low half.
using PostDispatchHookFunction = void (*)(HWND, UINT, WPARAM, LPARAM, DWORD time,
                                          std::uint64_t point);

// `which` is HOOK_WINDOW_PROC or HOOK_POST_DISPATCH and must match the function's kind;
// other values change nothing. Both return 1.
int MessageHookSet(WindowProcHookFunction function, int which);
int MessageHookSet(PostDispatchHookFunction function, int which);
int MessageHookClear(int which);

// ---- Gadgets, images and message boxes ------------------------------------------------------

#include "toolkit/gadgets/gadget_registry.h"
#include "toolkit/gadgets/image_load.h"
#include "toolkit/gadgets/int_stack.h"
#include "toolkit/gadgets/message_box.h"
#include "toolkit/gadgets/picture_gadget.h"

// ---- Explorer gadget, fonts and image combo box ----

#include "toolkit/explorer/explorer_constants.h"
#include "toolkit/explorer/explorer_options.h"

// Colours of every combo box's drop-down list (and the explorer's list): stores the pair and
// returns 1.
int ComboListColourSet(std::int32_t background, std::int32_t text);

// View modes of ExplorerViewModeSet.
inline constexpr std::int64_t EXPLORER_VIEW_ICONS = 0;
inline constexpr std::int64_t EXPLORER_VIEW_DETAILS = 1;
inline constexpr std::int64_t EXPLORER_VIEW_SMALL_ICONS = 2;
inline constexpr std::int64_t EXPLORER_VIEW_LIST = 3;

// Creates a file browser in the current window, registered under id (a gadget holding the id is
// freed first): a virtual report list of the folder `path` (null or "" for the drive list;
// "C:\Data\*.txt" shows only matching names, in sub-folders too) with columns Name, Size,
// Type and Modified. options may be null (defaults); a given record must outlive the gadget.
// Returns the explorer window, or null (nothing created) when memory or the window is missing.
HWND ExplorerGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, const char* path, ExplorerOptions* options);

// The explorer's inner list view; null for an id that names no explorer gadget.
HWND ExplorerListViewOf(GadgetId id);

// The folder shown, ending in "\" and without the pattern ("\" for the drive list); empty for
// an id that names no explorer gadget.
std::string ExplorerPathGet(GadgetId id);

// Opens a folder ("C:\Data", "C:\Data\*.txt", "" for the drive list). Returns -1 when the list
// was loaded anew; 0 when the folder cannot be opened (list unchanged; a folder without read
// rights shows the options' access-denied box) or the id names no explorer gadget.
std::int32_t ExplorerPathSet(GadgetId id, const char* path);

// Shows folders and files (EXPLORER_LIST_ALL), folders only (EXPLORER_LIST_FOLDERS) or files
// and ".." (EXPLORER_LIST_FILES; other values list all) and lists the folder again. Returns as
// ExplorerPathSet.
std::int32_t ExplorerListModeSet(GadgetId id, std::int64_t mode);

// Switches the list to EXPLORER_VIEW_ICONS, _DETAILS, _SMALL_ICONS or _LIST; the last two list
// the folder again without its pattern. Returns -1 when applied, 0 for another mode, an id of 0
// or below, or an id that names no explorer gadget.
std::int64_t ExplorerViewModeSet(std::int64_t id, std::int64_t mode);

// Acts as a click on that column's header (EXPLORER_SORT_NAME ... _MODIFIED): every call flips
// ascending and descending, and the folder is read again. Returns the WM_NOTIFY result (0);
// 0 for an id that names no explorer gadget.
std::int64_t ExplorerColumnSort(GadgetId id, std::int64_t column);

// The 0-based index of the item last painted as selected (0 at first); -1 for an id that
// names no explorer gadget.
std::int64_t ExplorerSelectedIndexGet(GadgetId id);

// Font of gadgets: (-1, -1) clears the default, (-1, font) sets the font given to gadgets
// created later (both return 0); (id, font) sends WM_SETFONT to the gadget (an explorer's
// list view) and returns its result, 0 for an unknown id.
std::int64_t GadgetFontSet(GadgetId id, std::int64_t font);
// The default font of new gadgets; null when none is set.
HFONT GadgetFontDefaultGet();

// Creates a ComboBoxEx32 (style: CBS_* bits besides WS_CHILD | WS_VISIBLE) in the current
// window under id, with an empty image list of image_size square images. Returns the combo,
// or null (nothing registered) when it cannot be created.
HWND ImageComboCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t image_size, std::int32_t style);

// The gadget's companion value (an explorer's record, a combo's image list); null if none or
// for an unknown id.
HANDLE GadgetExtraGet(GadgetId id);
