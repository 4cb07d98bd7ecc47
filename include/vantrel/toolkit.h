// Vantrel: the application-facing operations of the toolkit.
// Installed as <vantrel/toolkit.h>; it includes only its installed siblings, by their own names.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "constants.h"
#include "display_scale.h"
#include "explorer_api.h"
#include "int_stack_api.h"

// Call it all from the one thread that runs the event loop. Nothing throws: failures come
// back as 0, -1 or a null handle, as each operation says. The toolkit's start-up (the event
// tables) has run before main, also in a program linked against the installed library; GDI+
// starts with the first image loaded. No start-up call is needed, also not in a DLL.

// The integer an application chooses for a gadget; it is also the gadget's Win32 control id.
using GadgetId = std::int32_t;

// ---- Windows --------------------------------------------------------------------------------

// Registers a window class of its own and creates the window; it becomes the current window.
// Style bit WINDOW_STYLE_TABSTOP_REQUEST on the first call turns on tab-stop navigation.
// A null title is an empty one. The window is shown only if style holds WS_VISIBLE.
// Returns the window, or null (the current window then becomes null) when CreateWindowExA
// fails; when the class cannot be registered it prints "RegisterClassEx() failed, error: "
// with the error code and returns null, leaving the current window as it was. A class name
// already taken (by another copy of the toolkit in the process, such as a DLL's) is passed
// over for the next one, and never unregistered by this copy.
// Destroying the window releases what the toolkit keeps for it and its gadgets (their
// entries, properties and companions, its shortcuts and stops); it stops being the current
// window, and its class is unregistered at the next WindowOpen, EventWait or EventPoll.
HWND WindowOpen(const char* title, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, std::uint64_t style, std::uint64_t ex_style, HWND parent);

// The window that receives the gadgets created next: null before the first WindowOpen.
// Set takes any handle, null included, unchecked, and returns it.
HWND CurrentWindowGet();
HWND CurrentWindowSet(HWND window);

// The window procedure of every toolkit window, and the MDI client it hands to DefFrameProcA.
// MainWindowProc parks the messages that become events and answers WM_CLOSE with 0 (the
// window stays: closing is the application's decision). MainWindowProcAddress returns it, for
// classes an application registers itself (they stay registered when their windows go; the
// rest is released as for WindowOpen's). FrameClientSet stores the MDI client (null: none)
// and returns it; unanswered messages of its parent then go to DefFrameProcA.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
WNDPROC MainWindowProcAddress();
HWND FrameClientSet(HWND client);

// ---- Gadget ids -----------------------------------------------------------------------------

// The window registered under id, or null for an id nobody registered.
HWND GadgetWindowOf(GadgetId id);
// The id a window was registered under, or 0 for a window that is not a gadget.
GadgetId GadgetIdOf(HWND window);
// Forgets the id (the window stays); an unknown id, or no window opened yet, changes nothing.
void GadgetUnregister(GadgetId id);
// Enters (control, background, text colour) whole, or gives a control that has an entry these
// colours: 1, or 0 before the first window or when memory ran out (nothing is then entered).
int ColourEntryAdd(HWND control, std::int64_t background, std::int64_t text);
// Takes the gadget out of tab-stop navigation; an id that is not in it changes nothing.
void TabStopEntryRemove(GadgetId id);

// ---- Gadget kinds ---------------------------------------------------------------------------

// The class name as GetClassNameA reports it (at most 127 characters); empty for no window.
std::string WindowClassNameGet(HWND window);
// The GADGET_KIND_* of the window's exact class name; GADGET_KIND_OTHER for any other class,
// and for a null or destroyed window.
std::int32_t GadgetKindOf(HWND window);

// ---- Colours --------------------------------------------------------------------------------

// Colours are COLORREF values (0x00BBGGRR) in 32-bit integers.
// Selectors of GadgetColourSet and ControlColourApply.
inline constexpr std::int32_t COLOUR_BACKGROUND = 1;
inline constexpr std::int32_t COLOUR_FRONT = 2;  // text or bar colour
inline constexpr std::int32_t COLOUR_BOTH = 3;
// Selectors of GadgetColourGet: 1 and 2 name a gadget by id, 3 and 4 a control by its handle.
inline constexpr std::int32_t COLOUR_GET_GADGET_BACKGROUND = 1;
inline constexpr std::int32_t COLOUR_GET_GADGET_FRONT = 2;
inline constexpr std::int32_t COLOUR_GET_CONTROL_BACKGROUND = 3;
inline constexpr std::int32_t COLOUR_GET_CONTROL_FRONT = 4;
// Class codes of ControlColourApply.
inline constexpr std::int32_t COLOUR_CLASS_OTHER = 0;
inline constexpr std::int32_t COLOUR_CLASS_BY_MESSAGE = 1;  // rich edit, tooltip, tree, list view
inline constexpr std::int32_t COLOUR_CLASS_SCROLLBAR = 2;
inline constexpr std::int32_t COLOUR_CLASS_COMBOBOX = 3;
inline constexpr std::int32_t COLOUR_CLASS_EXPLORER = 4;

// Colours a gadget: sends the colour messages its class takes, updates its colour entry (the
// colours that static texts, edit fields, list boxes and scroll bars are painted in) and
// repaints it. Does nothing before the first window; an unknown id changes no entry.
void GadgetColourSet(GadgetId id, std::int32_t background, std::int32_t front,
                     std::int32_t selector);

// A colour of a gadget's (1, 2) or a control handle's (3, 4) entry; 0 when there is none (then
// 3 and 4 also raise the no-colour flag), before the first window and for other selectors.
std::int64_t GadgetColourGet(std::int32_t identifier, std::int32_t selector);

// Sends a control the colour messages its class takes (by exact class name; only the low byte
// of the selector counts) and returns its COLOUR_CLASS_* code; toolkit windows and
// "Container..." windows get a new background. Unknown classes and null handles: code 0.
std::int32_t ControlColourApply(HWND control, std::int32_t background, std::int32_t front,
                                std::int32_t selector);

// The drop-down list colours of every combo box (any values); returns 1. Until the first call
// the drop-down lists keep the system's colours.
int ComboListColourSet(std::int32_t background, std::int32_t text);

// Sets the one-shot flag that tells the window procedure a control has no colours (any value;
// non-zero raises it); returns 1.
int NoColourFlagSet(std::int32_t value);

// Gives the window's class a solid background of the colour and repaints the window; the
// brush it replaces is deleted only if this function made it. Returns 1, or 0 for a handle
// that is no window of this process.
int WindowBackgroundSet(HWND window, std::int32_t colour);

// Window properties that the application sets on a toolkit window and the window procedure
// reads: size limits (applied while "MINMAXFLAG" is 1, values in pixels) and, under
// PROP_STATUSBAR_WINDOW, the status bar that follows the window's size. A tooltip's text is
// the property named by the decimal tool id, holding the address of the text (shown cut to 79
// characters). Absent properties mean no limits, no status bar, no text; each limit applies
// alone (a limit of 0 is no limit).
inline constexpr const char* PROP_STATUSBAR_WINDOW = "STATUSBARWINDOW";
inline constexpr const char* PROP_MINMAX_FLAG = "MINMAXFLAG";
inline constexpr const char* PROP_MINIMAL_WIDTH = "MINIMALWIDTH";
inline constexpr const char* PROP_MINIMAL_HEIGHT = "MINIMALHEIGHT";
inline constexpr const char* PROP_MAXIMAL_WIDTH = "MAXIMALWIDTH";
inline constexpr const char* PROP_MAXIMAL_HEIGHT = "MAXIMALHEIGHT";
inline constexpr std::intptr_t MINMAX_APPLY = 1;

// ---- Events ---------------------------------------------------------------------------------

// One call reports what the previous call's dispatch parked, then retrieves and dispatches one
// queued message: applications loop and ignore 0.
// EventWait blocks until a message arrives; EventPoll returns 0 at once when none is queued.
// Both return the event code: EVENT_GADGET, EVENT_MENU, a Win32 message number (WM_CLOSE when
// the user asks to close a window, which stays open until the application destroys it or
// ends), or 0 for no event this call. The accessors below describe the last event.
std::int32_t EventWait();
std::int32_t EventPoll();

// The gadget id of an EVENT_GADGET, the menu or shortcut id of an EVENT_MENU, the timer id of
// a WM_TIMER; 0 when the event has none.
std::int64_t EventSourceId();
// The id of the last gadget activated by a command, a list-view click or a column click.
std::int64_t EventLastGadgetId();
// The id of the list view of the last list notification, 0 if none since the last read.
std::int64_t EventListGadgetTake();  // then 0
// Mouse position words of a mouse event (0 to 65535, not sign-extended); 0 otherwise.
std::int64_t EventMouseX();
std::int64_t EventMouseY();
// Client width and height of the last WM_SIZE of any toolkit window.
std::int64_t EventSizeWidth();
std::int64_t EventSizeHeight();
// The window or control the event came from; null when there is none.
HWND EventSourceWindow();
// Key code, mouse key-state flags or wheel word, depending on the event; kept until replaced.
std::int64_t EventDetail();
// wParam and lParam of the message behind the event, unchanged.
std::uint64_t EventRawWParam();
std::uint64_t EventRawLParam();
// Sub-item and item of the last list-view notification, and the key flags of an activation.
std::int64_t EventItemColumn();
std::int64_t EventItemIndex();
// The column of the last column click, COLUMN_CLICK_NONE if none since the last read.
std::int32_t EventColumnClickTake();  // then -1
std::int64_t EventItemKeyFlags();
std::int64_t EventTreeItem();  // the whole HTREEITEM of the last selection change
// The id of the tree (or list) of the last item notification, 0 if none since the last read.
std::int64_t EventTreeGadgetTake();  // then 0

// The MSG that the last call retrieved; valid until the next EventWait/EventPoll.
MSG* EventMessageRecord();

// For loops that poll without pause: every n-th call sleeps one millisecond (n of 1 or less:
// every call).
void EventPollThrottle(std::int64_t n);

// The window procedure moves a scroll-bar gadget's bar (or the window's own bar, for messages
// from it) by a line, a page or to the thumb; trackbars and up-downs move themselves.
// Page step of a scroll-bar gadget (10 when unset). Returns 1, or 0 when the id names no
// gadget or the handle no window.
int ScrollPageStepSet(GadgetId id, std::int64_t step);
int ScrollPageStepSetHandle(HWND window, std::int64_t step);

// ---- Keyboard shortcuts and Tab navigation ---------------------------------------------------

// Binds key (a VK_ code; low 16 bits kept) with modifiers (FSHIFT, FCONTROL, FALT; FVIRTKEY is
// always added) to command (low 16 bits kept) on a top-level window: pressing it there or in a
// child gives EVENT_MENU with the command. A shortcut with the same command gets the new key
// instead (a command above 65535 never is the same: it is added). Returns the window's new
// accelerator table; null if it could not be made (the window then keeps the shortcuts it had) or
// for a null window (nothing changes).
HACCEL ShortcutAdd(HWND window, std::int32_t modifiers, std::int32_t key, std::int32_t command);

// Drops all shortcuts of the window. Tab navigation's go too and do not come back with more
// stops. A window without shortcuts, or null, changes nothing. No result.
void ShortcutRemoveAll(HWND window);

// Makes the gadget a Tab stop of the top-level window (stops are visited in ascending id
// order; id 0 never is one; enrolling it again changes nothing). Tab in a control inside a
// gadget (the edit of a combo box) steps from that gadget. The first stop adds the window's
// Tab, Shift+Tab and Ctrl+Tab shortcuts. Does nothing unless the first WindowOpen asked for
// tab stops, or for a null window. No result.
void TabStopEnrol(HWND window, GadgetId id);

// ---- Hooks ----------------------------------------------------------------------------------

// Called first for every message of a toolkit window; a non-zero result answers the message.
using WindowProcHookFunction = std::int64_t (*)(HWND, UINT, WPARAM, LPARAM);
// Called after every retrieved message; the point holds x in its low half.
using PostDispatchHookFunction = void (*)(HWND, UINT, WPARAM, LPARAM, DWORD time,
                                          std::uint64_t point);

// Installs the function as hook `which`: HOOK_WINDOW_PROC takes a WindowProcHookFunction,
// HOOK_POST_DISPATCH a PostDispatchHookFunction. Returns 1, or 0 (nothing installed) for a
// function of the other kind or another value of which. MessageHookSet(nullptr, which) turns
// that hook off (1; 0 for another value). MessageHookClear turns that hook off too (any other
// value changes nothing) and returns 1.
int MessageHookSet(WindowProcHookFunction function, int which);
int MessageHookSet(PostDispatchHookFunction function, int which);
int MessageHookSet(std::nullptr_t, int which);
int MessageHookClear(int which);

// ---- Gadgets, images and message boxes ------------------------------------------------------

// Enters a control the application made itself under id, so that its notifications come
// back as gadget events; any gadget that held the id is freed first (see GadgetFree), unless
// it is this window, which then stays as it is. A control has one id: one registered under
// another id leaves it (that id then names nothing). The window is not checked. Returns 1, or 0
// (nothing entered) before the first WindowOpen or when memory ran out (the id is then free).
int GadgetRegister(GadgetId id, HWND window);

// Destroys the gadget and releases its registry entries, properties and companions, and those
// of every gadget inside it (a container's); an id that names no gadget is harmless. Images the
// application gave it stay the application's.
void GadgetFree(GadgetId id);

// Decodes any image GDI+ reads and flattens it onto background, read as 0xRRGGBB (blue in the
// low byte; bits 24 and up are ignored). A relative name is resolved against the current
// directory. Returns a bitmap the caller owns, or null after printing "FAIL" when the file
// cannot be decoded (a null name included), when the image is empty or larger than
// IMAGE_LOAD_SIDE_MAX or IMAGE_LOAD_PIXELS_MAX, or when it cannot be converted.
HBITMAP ImageLoadFile(const char* fileName, std::int64_t background);

// Frees a bitmap or icon that the loaders made, once no gadget shows it. 1, or 0 for null or a
// handle that is neither.
int ImageFree(HANDLE image);

// Why the last ImageLoadFile returned null (IMAGE_LOAD_MISSING, _NOT_AN_IMAGE, _TOO_LARGE,
// _NO_MEMORY, _FAILED), or IMAGE_LOAD_OK when it succeeded or none was made.
std::int32_t ImageLoadErrorGet();

// Loads an icon file at the system's icon size. Returns an icon the caller owns, or null
// (silently) when the file is missing or not an icon.
HICON IconLoadFile(const char* fileName);

// Shows a modal MessageBoxA (flags: its MB_* type, low 32 bits used) owned by owner (may be
// null). An empty or missing title or text is shown as " ". Afterwards the focus is given back
// to the window that had it before (none if none had it). Returns the id of the button that
// closed the box (IDOK, ...), or 0 if the box could not be shown.
std::int64_t MessageShow(const char* title, const char* text, std::int64_t flags, HWND owner);

// Creates the picture in the current window and registers it under id (replacing a gadget
// that held the id); a click on it comes back as EVENT_GADGET with EventSourceId id. style is
// SS_* bits: exactly 14 (SS_BITMAP) takes a bitmap, anything else an icon. image may be null;
// it stays the caller's. Returns the control, or null when it cannot be made (no current
// window, say): nothing is then registered, and a gadget that held the id stays.
HWND PictureGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, HANDLE image, std::int32_t border,
                         std::int32_t style);

// ---- Explorer gadget, fonts and image combo box ----

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

// What is chosen at the moment of the call (the focused item if it is chosen, else the first
// chosen): its 0-based index, -1 when nothing is chosen or the id names no explorer gadget.
std::int64_t ExplorerChosenIndexGet(GadgetId id);
// Its full path, as it opens (a folder's and a drive's end in "", ".." is the parent folder,
// the drive list is ""); empty when nothing is chosen.
std::string ExplorerChosenPathGet(GadgetId id);
// Its kind: EXPLORER_ITEM_FOLDER, _FILE, _DRIVE, or EXPLORER_ITEM_NONE.
std::int32_t ExplorerChosenKindGet(GadgetId id);
// The paths of every chosen item (the user chooses several with Ctrl and Shift), in list order.
std::vector<std::string> ExplorerChosenPathsGet(GadgetId id);

// Watching: a shown folder is listed again when entries are added, removed, renamed or changed
// in it (within half a second, the choice, the focus and the scroll position kept), and a
// folder that goes away gives way to its nearest existing parent; the drive list follows drives
// that come and go. On (1, the default) or off (0). Returns -1 when applied, 0 for an id that
// names no explorer gadget.
std::int32_t ExplorerWatchSet(GadgetId id, std::int32_t on);

// Font of gadgets: (-1, -1) clears the default, (-1, font) sets the font given to gadgets
// created later (both return 0); (id, font) sends WM_SETFONT to the gadget (an explorer's
// list view) and returns its result, 0 for an unknown id.
std::int64_t GadgetFontSet(GadgetId id, std::int64_t font);
// The default font of new gadgets; null when none is set.
HFONT GadgetFontDefaultGet();

// Creates a ComboBoxEx32 (style: CBS_* bits besides WS_CHILD | WS_VISIBLE) in the current
// window under id, with an empty image list of image_size square images (in scaled mode a
// size in units: the list's images are that size at the window's DPI when the combo is made,
// and stay so). Returns the combo, or null (nothing registered) when it cannot be created.
HWND ImageComboCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t image_size, std::int32_t style);

// The gadget's companion value (an explorer's record, a combo's image list); null if none or
// for an unknown id.
HANDLE GadgetExtraGet(GadgetId id);

// The window property that holds a gadget's companion value. On an up-down control the
// application sets it to the gadget the control belongs to (registered under the up-down's
// own id): only then do the up-down's clicks come back, as SPIN_NOTIFY.
inline constexpr const char* PROP_COMPANION = "addparam60000";

// Gadgets of every common kind, operations by id, layout and window settings.
#include "gadgets.h"
