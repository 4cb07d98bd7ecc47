// The picture gadget: a static control that shows a bitmap or an icon and reports clicks.
#pragma once

// PictureGadgetCreate is application-facing: declared with the others.
#include "toolkit/core/toolkit.h"
