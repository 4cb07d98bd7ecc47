// Constants shared by the gadget modules: names fixed once, used by the logic and the tests.
#pragma once

#include <cstdint>

// Integer stack: the result of popping an empty stack (a pushable value too; see IntStackCount).
inline constexpr std::int32_t INTSTACK_EMPTY = -2;

// Image loading: GDI+ start-up version, and the alpha bits forced into the background colour.
inline constexpr std::uint32_t IMAGE_GDIPLUS_VERSION = 1;
inline constexpr std::uint32_t IMAGE_BACKGROUND_OPAQUE = 0xFF000000u;
inline constexpr std::uint32_t IMAGE_BACKGROUND_RGB_MASK = 0x00FFFFFFu;
// Last major Windows version (XP, 2000) whose GDI+ needs the image composited by hand.
inline constexpr int IMAGE_LAST_COMPOSITING_MAJOR_VERSION = 5;
// The line printed when an image cannot be loaded or GDI+ cannot start.
inline constexpr char IMAGE_LOAD_FAILURE_LINE[] = "FAIL\n";

// Message box: what an empty title or text is shown as.
inline constexpr char MESSAGE_EMPTY_TEXT[] = " ";
