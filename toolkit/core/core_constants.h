// Named constants the window and event core keeps to itself, free of any platform header.
#pragma once

#include <cstddef>
#include <cstdint>

#include <vantrel/constants.h>

// Window creation.
inline constexpr const char* WINDOW_CLASS_PREFIX = "CLASSCLASS_";
inline constexpr unsigned WINDOW_CLASS_STYLE = 0x23;  // CS_VREDRAW | CS_HREDRAW | CS_OWNDC
inline constexpr int WINDOW_CLASS_BACKGROUND = 16;    // COLOR_BTNFACE + 1
inline constexpr const char* REGISTER_CLASS_FAILED = "RegisterClassEx() failed, error: ";

// Class-name query buffer: at most 127 characters and a zero byte.
inline constexpr int CLASS_NAME_BUFFER = 128;

// Notification copies: NMITEMACTIVATE, NMLISTVIEW and NMTREEVIEWA as the 64-bit layouts have them.
inline constexpr std::size_t NOTIFY_COPY_ITEM_ACTIVATE = 72;
inline constexpr std::size_t NOTIFY_COPY_LIST_VIEW = 64;
inline constexpr std::size_t NOTIFY_COPY_TREE_VIEW = 152;

// Byte offsets read from a copied notification record.
inline constexpr std::size_t NOTIFY_OFFSET_ID_FROM = 8;
inline constexpr std::size_t NOTIFY_OFFSET_CODE = 16;
inline constexpr std::size_t NOTIFY_OFFSET_ITEM = 24;
inline constexpr std::size_t NOTIFY_OFFSET_SUBITEM = 28;
inline constexpr std::size_t NOTIFY_OFFSET_NEW_STATE = 32;
inline constexpr std::size_t NOTIFY_OFFSET_OLD_STATE = 36;
inline constexpr std::size_t NOTIFY_OFFSET_KEY_FLAGS = 64;
inline constexpr std::size_t NOTIFY_OFFSET_TREE_NEW_ITEM = 96;

// A list-view item that became selected and focused, from nothing.
inline constexpr std::uint32_t LIST_ITEM_SELECTED_FOCUSED = 3;

// Event hooks: the enable flag's value while a hook is on.
inline constexpr int HOOK_ENABLED = 100;

// Window properties read or written by the core.
inline constexpr const char* PROP_TABSTOP_ENABLE = "tabstopenable";
// The gadget Tab last focused (one r, exactly so), and the one to focus on re-activation.
inline constexpr const char* PROP_TABSTOP_CURRENT_GADGET = "tabstopcurentgadget";
inline constexpr const char* PROP_TABSTOP_ACTIVE_WINDOW = "tabstop_act_win";
inline constexpr const char* PROP_PAGE_STEP = "pagestep";
inline constexpr const char* PROP_EVENT_MOUSE_BUTTON = "eventmousebutton";
inline constexpr const char* PROP_PANEL_EVENT = "panelevent";
