// What every gadget creator does: the control made in the current window, registered, in the
// gadget font, a Tab stop.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vantrel/toolkit.h>

// Makes a visible child control of `class_name` in the current window under id and enters it
// as GadgetRegister does, in the gadget font, enrolled as a Tab stop when `tab_stop`. Null,
// nothing registered, when the control cannot be made.
HWND GadgetControlCreate(GadgetId id, const char* class_name, const char* text, DWORD style,
                         DWORD ex_style, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, bool tab_stop);

// The font gadgets are given: GadgetFontSet's default, else the system's message font.
HFONT GadgetFontStandard();

// A window property the toolkit keeps on a spin's field: its up-down, released with it.
inline constexpr char PROP_SPIN_UP_DOWN[] = "vantrelspinupdown";
