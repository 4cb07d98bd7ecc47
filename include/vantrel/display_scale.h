// The display scale. A program built with vantrel_use_per_monitor_dpi (or any manifest that
// declares it DPI-aware) runs in scaled mode: every coordinate it gives the toolkit or gets from
// it is in 96-DPI units, turned into pixels by the DPI of the window concerned, and fonts,
// pictures and icons follow that DPI. Without it coordinates are pixels, and Windows stretches
// the program's windows as a bitmap on a scaled display.
#pragma once

#include <windows.h>

#include <cstdint>

// The DPI of the units: a value at this DPI is a value in pixels.
inline constexpr std::int32_t DPI_STANDARD = 96;

// 1 in scaled mode, 0 in the default one.
std::int32_t DpiScalingGet();

// The DPI the window's coordinates are scaled by: its top-level window's, which follows every
// DPI change. DPI_STANDARD in the default mode (where Windows scales the window itself); 0 for no
// window.
std::int32_t WindowDpiGet(HWND window);

// A length in 96-DPI units as pixels of the window, for an application that draws itself
// (rounded to the nearest pixel, halves away from zero). As given in the default mode, and for
// no window.
std::int32_t WindowDpiScale(HWND window, std::int32_t value);
