// What is chosen in an explorer gadget, and the events it gives the application.
#pragma once

#include <cstdint>

#include "toolkit/explorer/explorer_gadget_data.h"

// Posts the gadget's own event (EXPLORER_EVENT_*) with the item.
void ExplorerEventPost(const ExplorerGadgetData& gadget, std::int32_t detail, std::int64_t item);

// The list view's choice changed: an EXPLORER_EVENT_CHOSEN when the chosen item is not the one
// last reported.
void ExplorerChoiceNews(ExplorerGadgetData* gadget);

// The chosen item: the focused one if it is chosen, else the first chosen; -1 for none.
std::int64_t ExplorerChosenItem(const ExplorerGadgetData& gadget);
