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
// The same for a DPI (scaled mode: the message font of that DPI, kept for the process), and for
// the gadgets of a window at its DPI.
HFONT GadgetFontForDpi(UINT dpi);
HFONT GadgetFontOf(HWND window);

// A window property the toolkit keeps on a spin's field: its up-down, released with it.
inline constexpr char PROP_SPIN_UP_DOWN[] = "vantrelspinupdown";
// A spin field's up-down; null for any other window.
inline HWND SpinUpDownOf(HWND field) {
  return static_cast<HWND>(GetPropA(field, PROP_SPIN_UP_DOWN));
}

// A page of a tab panel: a container without an id over `area` of the current window.
HWND TabPageCreate(const RECT& area);
// A window property on a tab page: the tab control it belongs to.
inline constexpr char PROP_TAB_PANEL[] = "vantreltabpanel";

// The longest texts read back from a tree node and a list-view cell, in bytes.
inline constexpr int TREE_NODE_TEXT_MAX = 1024;
inline constexpr int LIST_VIEW_CELL_TEXT_MAX = 1024;

// Shows an image in a picture gadget (a bitmap or an icon), fitted as PictureGadgetImageSet says;
// the gadget keeps its size. 0 when a scaled copy cannot be made.
int PictureImageShow(HWND picture, HANDLE image, bool bitmap, std::int32_t fit);
// Scaled mode, after a DPI change: the picture's image shown again at its window's DPI.
void PictureImageRenew(HWND picture);

// Scaled mode, after a DPI change: a status bar's field edges and a list view's column widths
// turned from one DPI to the other through units; a tab panel's pages over its page area again.
void StatusBarFieldsRescale(HWND bar, UINT old_dpi, UINT new_dpi);
void ListViewColumnsRescale(HWND list, UINT old_dpi, UINT new_dpi);
void TabPagesPlace(HWND tabs);
// The tooltip control of a top-level window; null before its first tooltip.
HWND GadgetToolTipWindowOf(HWND window);

// Releases: a gadget's tooltip text, and the scaled copy a picture shows.
void GadgetToolTipForget(HWND gadget);
void PictureCopyForget(HWND picture);
