// Vantrel: gadgets of every common kind, operations on gadgets by id, layout and window settings.
// Installed as <vantrel/gadgets.h>; <vantrel/toolkit.h> includes it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit.h"

// ---- Creation ------------------------------------------------------------------------------
//
// Every creator makes its control in the current window (CurrentWindowSet; a container's window
// works as well), registers it under id (a gadget holding the id is freed first), gives it the
// toolkit's gadget font (GadgetFontSet's default, else the system's message font) and makes it a
// Tab stop where tab-stop navigation is on. A colour entry (GadgetColourSet) paints it. It goes
// with GadgetFree or with its window. Each returns the control, or null when it cannot be made
// (no current window, say): nothing is then registered, and a gadget that held the id stays.
//
// Events (EVENT_GADGET with EventSourceId the id, one call after the act, as always):
// - button, check box, option: a click (mouse, Space, a mnemonic), after the state changed;
// - string, editor: their news while they have the focus (the focus gained and lost, each change
//   of text); read the text with GadgetTextGet;
// - list box: a click on an item, and each key pressed in it (EventDetail the virtual key);
// - combo box: its news while it has the focus (the list opened and closed, a new choice); read
//   the choice with GadgetStateGet;
// - track bar: every move (mouse or keys), the position then GadgetStateGet's;
// - spin: every step, the position then GadgetStateGet's;
// - scroll bar: WM_HSCROLL or WM_VSCROLL as the event code, stepped by the toolkit.
// The Tab commands (EVENT_MENU with TABSTOP_NEXT 0xFFF5 or TABSTOP_PREVIOUS 0xFFF6) are the
// toolkit's own Tab navigation: the focus has already moved when they arrive, and an
// application ignores them.

// Flags of the creators, by kind; 0 is the plain form.
inline constexpr std::int32_t BUTTON_DEFAULT = 0x1;    // the window's default push button
inline constexpr std::int32_t TEXT_CENTRE = 0x1;       // centred text
inline constexpr std::int32_t TEXT_RIGHT = 0x2;        // right-aligned text
inline constexpr std::int32_t TEXT_BORDER = 0x4;       // a sunken border
inline constexpr std::int32_t STRING_PASSWORD = 0x1;   // shows bullets for the letters
inline constexpr std::int32_t STRING_NUMBERS = 0x2;    // accepts digits only
inline constexpr std::int32_t STRING_READ_ONLY = 0x4;  // for string and editor
inline constexpr std::int32_t COMBO_EDITABLE = 0x1;    // a text field above the list
inline constexpr std::int32_t BAR_VERTICAL = 0x1;      // track, progress and scroll bars
inline constexpr std::int32_t CONTAINER_FRAME = 0x1;   // a frame, with the title on it

HWND ButtonGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags);
HWND CheckBoxGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, const char* text, std::int32_t flags);
// Options created one after another, with nothing else in between, form one group: choosing
// one clears the others.
HWND OptionGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags);
HWND TextGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, const char* text, std::int32_t flags);
// A single-line field.
HWND StringGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags);
// A multi-line field with scroll bars; Enter starts a new line, Tab moves on.
HWND EditorGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags);
HWND ListBoxGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, std::int32_t flags);
// A drop-down list (height: of the list dropped down), or with COMBO_EDITABLE a field above it.
HWND ComboBoxGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags);
HWND TrackBarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                          std::int32_t flags);
HWND ProgressBarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                             std::int32_t flags);
// A numbers-only field with an up-down at its right edge, both under the id; the up-down steps
// the number within the range.
HWND SpinGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t flags);
// page: the page step (and the size of the thumb).
HWND ScrollBarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                           std::int32_t page, std::int32_t flags);
// A window that holds gadgets: made current, so the gadgets created next go into it, until
// CurrentWindowSet names another. Its gadgets' events reach the application as any others; its
// title (null for none) shows on its frame. Freed with everything in it.
HWND ContainerGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, const char* title, std::int32_t flags);

// A tree with lines and buttons. Events: a click (TREE_CLICK's: the code of the button, the id),
// and a choice by keys (EVENT_GADGET, EventTreeItem the node).
HWND TreeGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t flags);
// A node under `parent` (0: at the top), last among its siblings; its handle, 0 when it fails.
std::int64_t TreeNodeAdd(GadgetId id, std::int64_t parent, const char* text);
// Removes the node with every node under it.
int TreeNodeRemove(GadgetId id, std::int64_t node);
std::string TreeNodeTextGet(GadgetId id, std::int64_t node);
// The chosen node, 0 for none.
std::int64_t TreeNodeChosenGet(GadgetId id);

// A report list with titled columns and whole rows chosen. Rows are its items (GadgetItemAdd
// and the others read and change their first cell). Events: a click (WM_LBUTTONDOWN's code,
// with EventItemIndex and EventItemColumn) and a choice by keys (EVENT_GADGET with the row).
HWND ListViewGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags);
// A column after the others; its index, -1 when it fails.
std::int64_t ListViewColumnAdd(GadgetId id, const char* title, std::int32_t width);
int ListViewCellSet(GadgetId id, std::int64_t row, std::int32_t column, const char* text);
std::string ListViewCellGet(GadgetId id, std::int64_t row, std::int32_t column);

// A tab panel: its pages hold gadgets, and choosing a tab (EVENT_GADGET with the id) shows its
// page alone.
HWND TabPanelGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags);
// A page after the others, made current: the gadgets created next go onto it. The page window;
// null when it fails.
HWND TabPanelPageAdd(GadgetId id, const char* title);
// The page of tab `index`; null for none.
HWND TabPanelPageGet(GadgetId id, std::int32_t index);
// Chooses tab `index` and shows its page alone.
int TabPanelPageShow(GadgetId id, std::int32_t index);

// A date picker and a month calendar. A change of date is an event (EVENT_GADGET, EventDetail
// 0). Dates are numbers YYYYMMDD.
HWND DateGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::int32_t flags);
HWND CalendarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags);
// 0 for another kind of gadget or a day that does not exist.
int GadgetDateSet(GadgetId id, std::int64_t date);
std::int64_t GadgetDateGet(GadgetId id);

// A tooltip for any gadget: the text shows when the mouse rests on it (its first 79 bytes, cut
// before a character that does not fit). Another call changes the text.
int GadgetToolTipSet(GadgetId id, const char* text);

// A new image for a picture gadget (a bitmap or an icon, still the application's): as it is
// (top left), centred, or scaled to the gadget keeping its proportions and smoothly resampled,
// on the dialog face. The gadget keeps its size.
inline constexpr std::int32_t PICTURE_FIT_NONE = 0;
inline constexpr std::int32_t PICTURE_FIT_CENTRE = 1;
inline constexpr std::int32_t PICTURE_FIT_SCALE = 2;
int PictureGadgetImageSet(GadgetId id, HANDLE image, std::int32_t fit);

// ---- Operations by id ----------------------------------------------------------------------
//
// Each returns 1 when done and 0 when the id names no gadget (or, where said, a gadget of
// another kind, or a value out of range); nothing else changes then. Getters answer -1 (or an
// empty text) for an unknown id.

// Places the gadget (x, y in its window's client coordinates).
int GadgetMove(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height);
int GadgetShow(GadgetId id, std::int32_t shown);
int GadgetEnable(GadgetId id, std::int32_t enabled);
// Gives the gadget the keyboard focus (and its window, if it is the active one).
int GadgetFocusSet(GadgetId id);

// Which edges of its window a gadget keeps its distance to as the window changes size: the
// distances of the moment are kept. ANCHOR_LEFT | ANCHOR_TOP (the default) keeps it in place;
// ANCHOR_LEFT | ANCHOR_RIGHT stretches it with the width; ANCHOR_RIGHT alone moves it along.
inline constexpr std::int32_t ANCHOR_LEFT = 0x1;
inline constexpr std::int32_t ANCHOR_TOP = 0x2;
inline constexpr std::int32_t ANCHOR_RIGHT = 0x4;
inline constexpr std::int32_t ANCHOR_BOTTOM = 0x8;
int GadgetAnchorSet(GadgetId id, std::int32_t anchors);

// The gadget's colours (0x00BBGGRR), its background and its text: kept in its colour entry (made
// when it has none; GadgetColourSet changes a part of one) and shown at once.
int GadgetColoursSet(GadgetId id, std::int32_t background, std::int32_t text);

// The gadget's text (a button's caption, a field's contents), in the active code page; a null
// text is refused. The getter answers the whole text.
int GadgetTextSet(GadgetId id, const char* text);
std::string GadgetTextGet(GadgetId id);

// The gadget's state: a check box's or option's check (0 or 1), a list box's or combo box's
// chosen item (-1 for none), a track bar's, progress bar's, scroll bar's or spin's position
// (kept within its range). 0 for a gadget of another kind or an item out of range.
int GadgetStateSet(GadgetId id, std::int64_t state);
std::int64_t GadgetStateGet(GadgetId id);
// The range of a track, progress or scroll bar or a spin; 0 for another kind or maximum below
// minimum.
int GadgetRangeSet(GadgetId id, std::int32_t minimum, std::int32_t maximum);

// Items of a list box, combo box or list view (rows): added at `index` (-1: at the end), removed,
// counted, cleared, read and changed. The adder answers the item's index, -1 when it fails.
std::int64_t GadgetItemAdd(GadgetId id, std::int64_t index, const char* text);
int GadgetItemRemove(GadgetId id, std::int64_t index);
std::int64_t GadgetItemCount(GadgetId id);
int GadgetItemsClear(GadgetId id);
std::string GadgetItemTextGet(GadgetId id, std::int64_t index);
int GadgetItemTextSet(GadgetId id, std::int64_t index, const char* text);

// ---- Windows -------------------------------------------------------------------------------

// The tracking size limits of a toolkit window in pixels (the outer size); 0 for a limit not
// set. Returns 1, or 0 for a window that is not one.
int WindowSizeLimitsSet(HWND window, std::int32_t min_width, std::int32_t min_height,
                        std::int32_t max_width, std::int32_t max_height);
int WindowTitleSet(HWND window, const char* title);
std::string WindowTitleGet(HWND window);

// A status bar at the foot of the current window, registered under id, that follows the
// window's size; fields: its number of fields, each of the width in `widths` (-1: to the right
// edge; null: one field over the whole width).
HWND StatusBarCreate(GadgetId id, std::int32_t fields, const std::int32_t* widths);
// A field's text; 0 for an id that is no status bar, a field out of range or a null text.
int StatusBarTextSet(GadgetId id, std::int32_t field, const char* text);

// ---- Menus ---------------------------------------------------------------------------------
//
// A chosen item arrives as EVENT_MENU with its id as EventSourceId (ids 1 to MENU_ID_MAX). A
// shortcut's keys are shown after a tab in the item's text ("Open\tCtrl+O"), and bound with
// ShortcutAdd to the same id. A window's menu bar goes with the window; a pop-up menu is the
// application's until MenuFree.
inline constexpr std::int32_t MENU_ID_MAX = 0xEFFF;  // above: the toolkit's Tab commands
inline constexpr std::int32_t MENU_ITEM_CHECKED = 0x1;
inline constexpr std::int32_t MENU_ITEM_DISABLED = 0x2;

HMENU MenuBarCreate();
HMENU MenuCreate();
int MenuItemAdd(HMENU menu, std::int32_t id, const char* text);
int MenuSeparatorAdd(HMENU menu);
// A drop-down menu under `title` (in a menu bar) or a submenu (in a menu).
int MenuSubmenuAdd(HMENU menu, HMENU submenu, const char* title);
// By id, in the menu and every menu under it; 0 when no item has the id.
int MenuItemCheckSet(HMENU menu, std::int32_t id, std::int32_t checked);
int MenuItemEnableSet(HMENU menu, std::int32_t id, std::int32_t enabled);
// MENU_ITEM_CHECKED and MENU_ITEM_DISABLED bits; -1 when no item has the id.
std::int32_t MenuItemStateGet(HMENU menu, std::int32_t id);
// Gives the window its menu bar (null: none).
int WindowMenuSet(HWND window, HMENU bar);
// Shows the menu at the mouse for the window, until an item is chosen or the user clicks away.
int MenuPopup(HMENU menu, HWND window);
int MenuFree(HMENU menu);

// ---- Requesters ----------------------------------------------------------------------------
//
// The system's dialogs, modal to the active window; each answers nothing (an empty text or
// list, -1, null) when cancelled. Filters: "Images|*.png;*.jpg|All files|*.*".
inline constexpr std::int32_t FILE_REQUEST_MULTIPLE = 0x1;  // several files at once

// The files chosen, as whole paths.
std::vector<std::string> FileOpenRequest(const char* title, const char* initial, const char* filter,
                                         std::int32_t flags);
std::string FileSaveRequest(const char* title, const char* initial, const char* filter);
std::string FolderRequest(const char* title);
// A colour as 0x00BBGGRR.
std::int64_t ColourRequest(std::int32_t initial);
// A font the caller owns (DeleteObject when done).
HFONT FontRequest(HFONT initial);
