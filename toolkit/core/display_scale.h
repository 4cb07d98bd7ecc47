// The display scale inside the toolkit: the program's opt-in, each window's DPI, 96-DPI units as
// pixels and back, the 96-DPI places kept for gadgets, and what a DPI change sets going.
#pragma once

#include <windows.h>

#include <cstdint>

#include <vantrel/display_scale.h>

inline constexpr UINT DPI_UNITS = DPI_STANDARD;

// Whether the program's own manifest asks for scaled mode; read once.
bool DpiScalingOn();

// The DPI a window's coordinates follow: that of its top-level window. DPI_UNITS when scaling
// is off; the system's for no window.
UINT DpiOfWindow(HWND window);
// The DPI of the display a new top-level window opens on.
UINT DpiOfSystem();

// A value in units as pixels at `dpi`, and back: rounded to the nearest, halves away from zero.
int DpiScale(int value, UINT dpi);
int DpiUnscale(int value, UINT dpi);

// A place in 96-DPI units (left, top, width, height), or its pixels.
struct DpiRect {
  int x, y, width, height;
};
// Its edges are scaled, not its size: gadgets that touch at 96 DPI touch at every DPI.
DpiRect DpiScaleRect(const DpiRect& units, UINT dpi);
// The pixels of a place in units given for a child of `parent`; as given when scaling is off.
DpiRect DpiPlaceOf(HWND parent, const DpiRect& units);

// Creates a child window of `parent` under control id `id` at a place in units, and keeps the
// place for it: every gadget is made this way. Null when the window cannot be made.
HWND DpiChildCreate(DWORD ex_style, const char* class_name, const char* text, DWORD style,
                    const DpiRect& units, HWND parent, int id);

// The 96-DPI place kept for a gadget (scaled mode only): it is where a DPI change puts the gadget
// again, so that changes back and forth leave no drift.
void DpiGeometryKeep(HWND gadget, const DpiRect& units);
bool DpiGeometryGet(HWND gadget, DpiRect* units);
void DpiGeometryForget(HWND gadget);

// The outer size a window of that style has beyond its client, at a DPI.
SIZE DpiFrameExtent(DWORD style, DWORD ex_style, bool menu, UINT dpi);

// A window's outer extent, along one axis, for an outer extent in units: the frame the window
// has at its DPI and the client scaled, as a 96-DPI program's window of that size would be.
int DpiOuterExtent(HWND window, int units, bool horizontal);

// The system's metric and message font at a DPI (Windows 10 1607 and later know every DPI;
// before, the system's own are scaled from its DPI). The metric is the system's own when scaling
// is off.
int DpiMetric(int index, UINT dpi);
LOGFONTA DpiMessageFont(UINT dpi);

// What the modules above do when a window's DPI changes, after the window and its kept gadgets
// are in their new places: fonts, pictures, columns, pages. At most a few are installed.
using DpiChangeHandler = void (*)(HWND window, UINT old_dpi, UINT new_dpi);
void DpiChangeHandlerAdd(DpiChangeHandler handler);

// A destroyed window's DPI goes with it.
void DpiWindowForget(HWND window);

// Gives a new top-level window the client its units ask for at the window's DPI.
void DpiWindowOpened(HWND window, int client_width_units, int client_height_units);
