// Where the core reaches behaviour of the modules above it: they install it, the core calls it.
#pragma once

#include <windows.h>

// Tab navigation: the event calls hand TABSTOP_NEXT, TABSTOP_PREVIOUS and TABSTOP_FORCE_NEXT
// to the installed handler; until one is installed the commands only become events.
using TabStopCommandHandler = void (*)(HWND window, unsigned command);
void TabStopCommandHandlerSet(TabStopCommandHandler handler);
void TabStopCommandRun(HWND window, unsigned command);

// Composite gadgets: an outer window whose colours and focus belong to an inner control (the
// explorer's list view). The resolver answers the inner control of an outer window of its
// kind, and null for any other window.
using InnerControlResolver = HWND (*)(HWND window);
void InnerControlResolverSet(InnerControlResolver resolver);
// The inner control of a composite gadget; null for every other window.
HWND InnerControlOf(HWND window);

// Window release: when a toolkit window is destroyed, the gadgets module releases the gadgets
// in it while they still exist (WM_DESTROY), then what it attached to the window itself, such
// as its shortcuts (WM_NCDESTROY). Until installed, nothing is done.
using WindowReleaseHandler = void (*)(HWND window);
void WindowReleaseHandlersSet(WindowReleaseHandler gadgets, WindowReleaseHandler window);
void WindowGadgetsReleaseRun(HWND window);
void WindowReleaseRun(HWND window);

// Layout: when a toolkit window changes size, the gadgets module moves the gadgets anchored to
// its edges. Until installed, nothing moves.
using WindowLayoutHandler = void (*)(HWND window, int width, int height);
void WindowLayoutHandlerSet(WindowLayoutHandler handler);
void WindowLayoutRun(HWND window, int width, int height);
