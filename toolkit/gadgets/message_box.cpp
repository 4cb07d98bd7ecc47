// Message box: a modal box that never shows an empty caption or text and gives the focus back.
#include <vantrel/toolkit.h>

#include <string>

#include "toolkit/gadgets/gadget_constants.h"

namespace {

// A box never shows an empty caption or message: one space stands in for nothing.
std::string ShownText(const char* text) {
  if (text == nullptr || *text == '\0') return MESSAGE_EMPTY_TEXT;
  return text;
}

}  // namespace

std::int64_t MessageShow(const char* title, const char* text, std::int64_t flags, HWND owner) {
  HWND focus = GetFocus();
  const std::string shownText = ShownText(text);
  const std::string shownTitle = ShownText(title);
  const int pressed = MessageBoxA(owner, shownText.c_str(), shownTitle.c_str(),
                                  static_cast<UINT>(static_cast<std::uint64_t>(flags)));
  // The box moves the focus to itself and, on closing, to its owner: put it back where it was,
  // clearing it when no window had it.
  SetFocus(focus);
  return pressed;
}
