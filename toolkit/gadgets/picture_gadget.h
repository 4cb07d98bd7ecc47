// The picture gadget: a static control that shows a bitmap or an icon and reports clicks.
#pragma once

#include <windows.h>

#include <cstdint>

using GadgetId = std::int32_t;

// Creates the picture in the current window and registers it under id (replacing a gadget
// that held the id). style is SS_* bits: exactly 14 (SS_BITMAP) takes a bitmap, anything else
// an icon. image may be null; it stays the caller's. Returns the control, or null.
HWND PictureGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, HANDLE image, std::int32_t border,
                         std::int32_t style);
