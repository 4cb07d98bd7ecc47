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
// Enters (control, background, text colour) whole: 1, or 0 before the first window or when
// memory ran out (nothing is then entered).
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
std::int64_t EventTreeItem();  // the whole HTREEITEM of the last selection change
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
