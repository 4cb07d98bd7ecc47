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
