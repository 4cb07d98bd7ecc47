// Events a gadget raises itself: posted as the toolkit's message, reported one call later.
#include "toolkit/core/gadget_events.h"

namespace {

constexpr int kHighHalf = 32;

}  // namespace

void GadgetEventPost(HWND gadget, GadgetId id, std::int32_t detail, std::int32_t item) {
  // wParam: the notification, the detail above it; lParam: the id, the item above it.
  const std::uint64_t wparam =
      GADGET_NOTIFY | (static_cast<std::uint64_t>(static_cast<std::uint32_t>(detail)) << kHighHalf);
  const std::uint64_t lparam =
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(id))) |
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(item)) << kHighHalf);
  PostMessageA(GetAncestor(gadget, GA_ROOT), TOOLKIT_MESSAGE, static_cast<WPARAM>(wparam),
               static_cast<LPARAM>(lparam));
}
