// Image loading: image files decoded by GDI+ and flattened onto a colour, and icon files.
#pragma once

#include <cstdint>

#include <windows.h>

// Decodes any image GDI+ reads and flattens it onto background, read as 0xRRGGBB (blue in the
// low byte; bits 24 and up are ignored). A relative name is resolved against the current
// directory. Returns a bitmap the caller owns, or null after printing "FAIL" when the file
// cannot be decoded.
HBITMAP ImageLoadFile(const char* fileName, std::int64_t background);

// Loads an icon file at the system's icon size. Returns an icon the caller owns, or null
// (silently) when the file is missing or not an icon.
HICON IconLoadFile(const char* fileName);
