// Entering gadgets under their ids, and releasing a gadget with everything attached to it.
#pragma once

// GadgetRegister and GadgetFree are application-facing: declared with the others.
#include <vantrel/toolkit.h>

// The release routine an explorer gadget keeps in "EXPLORERLISTFREEPROC".
using GadgetDataFreeFunction = void (*)(void* data);

// The status-bar part of the release.
void StatusBarPropsClear(GadgetId id);

// GadgetFree's release; `destroy` false leaves the window to the caller (one being destroyed
// with the window that holds it).
void GadgetRelease(GadgetId id, bool destroy);
