// Window-class names as the window manager reports them, and the gadget kind they stand for.
#include <vantrel/toolkit.h>

#include "toolkit/core/gadget_kind_table.h"
#include "toolkit/core/core_constants.h"

std::string WindowClassNameGet(HWND window) {
  char name[CLASS_NAME_BUFFER] = {};
  GetClassNameA(window, name, CLASS_NAME_BUFFER);
  return std::string(name);
}

std::int32_t GadgetKindOf(HWND window) {
  // On the stack: this runs on every paint of every control.
  char name[CLASS_NAME_BUFFER] = {};
  GetClassNameA(window, name, CLASS_NAME_BUFFER);
  return GadgetKindFromClassName(name);
}
