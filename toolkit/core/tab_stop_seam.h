// Where the event calls hand the tab-stop commands to the tab-stop navigation.
#pragma once

#include <windows.h>

using TabStopCommandHandler = void (*)(HWND window, unsigned command);

// The tab-stop module installs its handler; until then the commands only become events.
void TabStopCommandHandlerSet(TabStopCommandHandler handler);
void TabStopCommandRun(HWND window, unsigned command);
