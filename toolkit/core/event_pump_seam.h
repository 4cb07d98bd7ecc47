// Test seam of EventPollThrottle: the function it sleeps with.
#pragma once

#include <windows.h>

using ThrottleSleepFunction = void(WINAPI*)(DWORD milliseconds);

// Replaces Sleep for the throttle; null goes back to Sleep.
void EventPollThrottleSleepSet(ThrottleSleepFunction sleep);
