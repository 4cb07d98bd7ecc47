// Message box: a modal box that never shows an empty caption or text and gives the focus back.
#pragma once

// MessageShow is application-facing: declared with the others.
#include "toolkit/core/toolkit.h"
