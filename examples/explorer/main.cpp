// Explorer example: a window filled by an explorer gadget, with a view-mode switch above it;
// every event it receives is printed on one line. It runs in UTF-8 mode (vantrel_use_utf8), so
// names in any script are shown, opened and printed as UTF-8.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <vantrel/toolkit.h>

namespace {

constexpr std::uint64_t kWindowStyle =
    WS_VISIBLE | WS_OVERLAPPEDWINDOW | WINDOW_STYLE_TABSTOP_REQUEST;
constexpr GadgetId kViewSwitch = 1;
constexpr GadgetId kExplorer = 2;
constexpr int kSwitchHeight = 200;  // with its drop-down list open
constexpr int kSwitchWidth = 160;
constexpr int kExplorerTop = 28;
// The switch's items, in the order of the view modes they select.
constexpr const char* kViewNames[] = {"Icons", "Details", "Small icons", "List"};

}  // namespace

int main(int argc, char** argv) {
  WindowOpen("Vantrel explorer", 20, 20, 800, 560, kWindowStyle, 0, nullptr);
  ComboBoxGadgetCreate(kViewSwitch, 4, 2, kSwitchWidth, kSwitchHeight, 0);
  for (const char* name : kViewNames) GadgetItemAdd(kViewSwitch, -1, name);
  GadgetStateSet(kViewSwitch, EXPLORER_VIEW_DETAILS);

  std::int64_t view = EXPLORER_VIEW_DETAILS;
  bool made = false;
  for (;;) {
    const std::int32_t code = EventWait();
    if (code == 0) continue;
    // The window's first size is its client area: the explorer fills it below the switch, at
    // its full size (automatic column widths follow it), and keeps to all four edges.
    if (code == WM_SIZE && !made) {
      made = true;
      ExplorerGadgetCreate(kExplorer, 0, kExplorerTop, static_cast<std::int32_t>(EventSizeWidth()),
                           static_cast<std::int32_t>(EventSizeHeight()) - kExplorerTop,
                           argc > 1 ? argv[1] : "", nullptr);
      GadgetAnchorSet(kExplorer, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT | ANCHOR_BOTTOM);
      std::printf("path %s\n", ExplorerPathGet(kExplorer).c_str());
    }
    std::printf("event %d source %lld item %lld column %lld detail %lld\n", code,
                static_cast<long long>(EventSourceId()), static_cast<long long>(EventItemIndex()),
                static_cast<long long>(EventItemColumn()), static_cast<long long>(EventDetail()));
    std::fflush(stdout);
    if (code == WM_CLOSE) std::exit(0);
    // The switch's choice is read back rather than decoded from its notifications.
    const std::int64_t chosen = GadgetStateGet(kViewSwitch);
    if (chosen >= 0 && chosen != view) {
      view = chosen;
      ExplorerViewModeSet(kExplorer, view);
      std::printf("view %lld path %s\n", static_cast<long long>(view),
                  ExplorerPathGet(kExplorer).c_str());
      std::fflush(stdout);
    }
  }
}
