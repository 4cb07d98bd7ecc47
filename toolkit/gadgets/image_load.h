// Image loading: image files decoded by GDI+ and flattened onto a colour, and icon files.
#pragma once

// ImageLoadFile and IconLoadFile are application-facing: declared with the others.
#include "toolkit/core/toolkit.h"
