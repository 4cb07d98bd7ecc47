// Whether an application manifest declares its program DPI-aware, read from the manifest's text.
#pragma once

#include <string_view>

// True when the manifest's dpiAwareness element (which Windows 10 version 1607 and later read
// first) names system or per-monitor awareness before any other value it knows, or, without a
// value known there, when its dpiAware element is "true", "true/pm" or "per monitor". Element
// names may carry a namespace prefix; values are read without regard to case or spaces.
bool ManifestDeclaresDpiAwareness(std::string_view manifest);
