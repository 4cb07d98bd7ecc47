// Maps an exact window-class name to the kind of control it stands for.
#pragma once

#include <cstdint>

// Exact, case-sensitive, whole-name comparison; unknown names (and null) give GADGET_KIND_OTHER.
std::int32_t GadgetKindFromClassName(const char* class_name);
