// Releasing what a toolkit window holds once it is destroyed, its window class included.
#pragma once

#include <windows.h>

#include <string>

// Forgets the name of a class that WindowOpen could not register: it is not this copy's.
void WindowClassForget(const std::string& class_name);

// Forgets a class that WindowOpen registered and unregisters it as soon as no window has it.
void WindowClassRelease(const std::string& class_name);

// Unregisters the classes of destroyed windows: a class cannot go while its window still
// exists, which it does until its WM_NCDESTROY returns. WindowOpen and the event calls run it.
void WindowClassesUnregisterPending();
