// Test helpers that reach outside Wine (real X11 input) and pump the toolkit's events.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Runs a Linux command line through /bin/sh and waits for it without dispatching messages
// (Wine cannot wait on a Unix process, so completion is signalled through a file).
bool HostRun(const std::string& command, DWORD timeout_ms = 10000);

// Real X11 input through xdotool; screen coordinates equal X root ones on Wine's desktop. A click
// is placed in the client coordinates of `client` when one is given.
bool HostClick(int x, int y, HWND client = nullptr);
bool HostKeys(const std::string& keys);

// The centre of a window in screen coordinates.
POINT WindowCentre(HWND window);

// Calls EventPoll until `done` holds for a returned code or the time runs out; returns the
// non-zero codes seen, in order.
std::vector<std::int32_t> PollUntil(const std::function<bool(std::int32_t)>& done,
                                    DWORD timeout_ms = 5000);

// Calls EventPoll until the queue and the slots are empty (a few zero results in a row).
void PollDrain();

// Runs raw PeekMessage/DispatchMessage for the given time.
void PumpFor(DWORD milliseconds);
