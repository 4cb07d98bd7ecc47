// Constants shared by the gadget modules: names fixed once, used by the logic and the tests.
#pragma once

#include <cstddef>
#include <cstdint>

// Image loading: GDI+ start-up version, and the alpha bits forced into the background colour.
inline constexpr std::uint32_t IMAGE_GDIPLUS_VERSION = 1;
inline constexpr char IMAGE_GDIPLUS_DLL[] = "gdiplus.dll";
inline constexpr std::uint32_t IMAGE_BACKGROUND_OPAQUE = 0xFF000000u;
inline constexpr std::uint32_t IMAGE_BACKGROUND_RGB_MASK = 0x00FFFFFFu;
// Last major Windows version (XP, 2000) whose GDI+ needs the image composited by hand.
inline constexpr int IMAGE_LAST_COMPOSITING_MAJOR_VERSION = 5;
// Pixels of a flattened image: 32-bit, alpha in the top byte, always opaque.
inline constexpr unsigned IMAGE_PIXEL_BITS = 32;
inline constexpr std::uint32_t IMAGE_PIXEL_OPAQUE = 0xFF000000u;
// The line printed when an image cannot be loaded or GDI+ cannot start.
inline constexpr char IMAGE_LOAD_FAILURE_LINE[] = "FAIL\n";

// Message box: what an empty title or text is shown as.
inline constexpr char MESSAGE_EMPTY_TEXT[] = " ";

// Gadget release: window properties cleared from a gadget, by the kinds that keep them.
inline constexpr char PROP_STATUSBAR_ARRAY[] = "STATUSBARARRAY";
inline constexpr char PROP_STATUSBAR_FIELDS[] = "STATUSBARNUMBERFIELDS";
inline constexpr char PROP_EXPLORER_FREE_PROC[] = "EXPLORERLISTFREEPROC";
inline constexpr char PROP_EXPLORER_LIST_WINDOW[] = "EXPLORERGADGETLISTVIEWWINDOW";
inline constexpr char PROP_STACK_INDEXES[] = "stackindexes";
inline constexpr const char* SPLITTER_PROPS[] = {"HANDLEPAN",    "POSITIONPAN", "STYLEPAN",
                                                 "SPLITTERMOVE", "GADGET1",     "GADGET2"};

// Gadget release: the window classes with a clean-up of their own.
inline constexpr char CLASS_EXPLORER_GADGET[] = "ExplorerGadget";
inline constexpr char CLASS_TREE_VIEW[] = "SysTreeView32";
inline constexpr char CLASS_LIST_VIEW[] = "SysListView32";
inline constexpr char CLASS_UP_DOWN[] = "msctls_updown32";
inline constexpr char CLASS_IMAGE_COMBO[] = "ComboBoxEx32";
inline constexpr char CLASS_SPLITTER[] = "SplitterGadget";

// Picture gadget: a visible child static that reports clicks (WS_CHILD | WS_VISIBLE | SS_NOTIFY).
inline constexpr char PICTURE_CLASS[] = "static";
inline constexpr std::uint32_t PICTURE_BASE_STYLE = 0x50000100u;
inline constexpr std::int32_t PICTURE_STYLE_BITMAP = 14;          // SS_BITMAP, exactly
inline constexpr std::uint32_t PICTURE_BORDER_EX_STYLE = 0x200u;  // WS_EX_CLIENTEDGE

// Tab-stop navigation: the stop order starts with 101 slots and grows 50 past the last stop.
inline constexpr std::size_t TABSTOP_ORDER_SLOTS = 101;
inline constexpr std::size_t TABSTOP_ORDER_GROWTH = 50;
// Gadget creators look for their top-level toolkit window through at most this many windows.
inline constexpr int TABSTOP_ENROL_SEARCH_LIMIT = 1001;
inline constexpr char PROP_TABSTOP_SHORTCUT[] = "tabstopshortcut";
// Exact class names, and upper-cased ones of the editors that use Tab themselves.
inline constexpr char CLASS_TOOLBAR[] = "ToolbarWindow32";
inline constexpr const char* TABSTOP_RICH_EDIT_CLASSES[] = {"RICHEDIT20W", "RICHEDIT20A"};
inline constexpr char TABSTOP_EDITOR_CLASS[] = "SCINTILLA";
