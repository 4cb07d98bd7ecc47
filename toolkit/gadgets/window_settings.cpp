// Window settings by a call: the size limits the window procedure applies.
#include <vantrel/toolkit.h>

namespace {

void LimitStore(HWND window, const char* name, std::int32_t value) {
  if (value > 0) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(value)));
  } else {
    RemovePropA(window, name);
  }
}

}  // namespace

int WindowSizeLimitsSet(HWND window, std::int32_t min_width, std::int32_t min_height,
                        std::int32_t max_width, std::int32_t max_height) {
  // The window procedure of a toolkit window's class reads them; no other would.
  const auto procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
  if (!IsWindow(window) || procedure != MainWindowProcAddress()) return 0;
  LimitStore(window, PROP_MINIMAL_WIDTH, min_width);
  LimitStore(window, PROP_MINIMAL_HEIGHT, min_height);
  LimitStore(window, PROP_MAXIMAL_WIDTH, max_width);
  LimitStore(window, PROP_MAXIMAL_HEIGHT, max_height);
  SetPropA(window, PROP_MINMAX_FLAG, reinterpret_cast<HANDLE>(MINMAX_APPLY));
  return 1;
}
