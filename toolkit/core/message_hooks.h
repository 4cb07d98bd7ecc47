// Calls into the application's message hooks, when they are enabled.
#pragma once

#include <windows.h>

// True when the window-procedure hook answered the message; *result holds its answer.
bool WindowProcHookCall(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

void PostDispatchHookCall(const MSG& message);
