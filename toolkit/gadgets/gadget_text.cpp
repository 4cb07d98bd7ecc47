// A gadget's text or a window's title: a caption or a field's contents, whole, in the active
// code page.
#include <vantrel/toolkit.h>

int WindowTitleSet(HWND window, const char* title) {
  if (!IsWindow(window) || title == nullptr) return 0;
  return SetWindowTextA(window, title) != 0 ? 1 : 0;
}

std::string WindowTitleGet(HWND window) {
  if (!IsWindow(window)) return std::string();
  // The length the control gives may count characters, not bytes of a multi-byte code page:
  // room for both, the text as written.
  std::string title(static_cast<std::size_t>(GetWindowTextLengthA(window)) * 2 + 1, '\0');
  title.resize(static_cast<std::size_t>(
      GetWindowTextA(window, title.data(), static_cast<int>(title.size()))));
  return title;
}

int GadgetTextSet(GadgetId id, const char* text) {
  HWND gadget = GadgetWindowOf(id);
  return gadget != nullptr ? WindowTitleSet(gadget, text) : 0;
}

std::string GadgetTextGet(GadgetId id) {
  HWND gadget = GadgetWindowOf(id);
  return gadget != nullptr ? WindowTitleGet(gadget) : std::string();
}
