// The four global registries (gadgets, class names, colours, tab stops) and their look-ups.
#pragma once

#include <windows.h>

#include <cstdint>

#include <vantrel/toolkit.h>

#include "toolkit/core/handle_list.h"

// Null until the first WindowOpen; the tab-stop registry only if that call asked for it.
HandleList* GadgetRegistryGet();
HandleList* ClassNameRegistryGet();
HandleList* ColourRegistryGet();
HandleList* TabStopRegistryGet();

// Records are pairs (id, window) or triples (window, colour 1, colour 2).
inline constexpr int REGISTRY_PAIR = 2;
inline constexpr int REGISTRY_TRIPLE = 3;
inline constexpr int REGISTRY_PAIR_ID = 0;
inline constexpr int REGISTRY_PAIR_WINDOW = 1;
inline constexpr int REGISTRY_TRIPLE_CONTROL = 0;

// Enters the pair (id, window) at the end of the gadget registry; false, nothing entered, when
// memory ran out. GadgetRegister's append: the look-ups by id and by window know of it at once.
bool GadgetRegistryAppend(GadgetId id, HWND window);

bool RegistriesCreated();
void RegistriesCreate(bool with_tab_stops);

// Keys as the lists hold them: ids sign-extended, handles as their address.
std::uint64_t RegistryKeyOfId(GadgetId id);
std::uint64_t RegistryKeyOfWindow(HWND window);
// The window a handle key stands for.
HWND RegistryWindowOfKey(std::uint64_t key);
