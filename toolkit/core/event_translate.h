// Turns one drained message into the current event.
#pragma once

#include "toolkit/core/message_park.h"

// Fills the event record from the message; the event code stays 0 when it gives no event.
void EventTranslate(const PendingMessage& pending);
