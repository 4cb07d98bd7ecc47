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
// PROP_STATUSBAR_WINDOW (gadget_constants.h), the status bar that follows the window's size.
// A tooltip's text is the property named by the decimal tool id, holding the address of the
// text (shown cut to 79 characters). Absent properties mean no limits, no status bar, no text.
inline constexpr const char* PROP_MINMAX_FLAG = "MINMAXFLAG";
inline constexpr const char* PROP_MINIMAL_WIDTH = "MINIMALWIDTH";
inline constexpr const char* PROP_MINIMAL_HEIGHT = "MINIMALHEIGHT";
inline constexpr const char* PROP_MAXIMAL_WIDTH = "MAXIMALWIDTH";
inline constexpr const char* PROP_MAXIMAL_HEIGHT = "MAXIMALHEIGHT";
inline constexpr std::intptr_t MINMAX_APPLY = 1;

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
