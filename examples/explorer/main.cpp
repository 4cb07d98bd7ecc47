// Explorer example: a window filled by an explorer gadget, with a view-mode switch above it;
// every event it receives is printed on one line. It runs in UTF-8 mode (vantrel_use_utf8), so
// names in any script are shown, opened and printed as UTF-8.
#include <windows.h>
#include <commctrl.h>

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

void ViewSwitchFill(HWND combo) {
  for (const char* name : kViewNames) {
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = -1;
    item.pszText = const_cast<char*>(name);
    SendMessageA(combo, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(combo, CB_SETCURSEL, EXPLORER_VIEW_DETAILS, 0);
}

void ExplorerFit(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  MoveWindow(GadgetWindowOf(kExplorer), 0, kExplorerTop, client.right, client.bottom - kExplorerTop,
             TRUE);
}

}  // namespace

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  HWND window = WindowOpen("Vantrel explorer", 20, 20, 800, 560, kWindowStyle, 0, nullptr);
  HWND view_switch =
      ImageComboCreate(kViewSwitch, 4, 2, kSwitchWidth, kSwitchHeight, 16, CBS_DROPDOWNLIST);
  ViewSwitchFill(view_switch);
  RECT client;
  GetClientRect(window, &client);
  // Created at its full size: automatic column widths are a quarter of the creation width.
  ExplorerGadgetCreate(kExplorer, 0, kExplorerTop, client.right, client.bottom - kExplorerTop,
                       argc > 1 ? argv[1] : "", nullptr);
  std::printf("path %s\n", ExplorerPathGet(kExplorer).c_str());
  std::fflush(stdout);

  LRESULT view = EXPLORER_VIEW_DETAILS;
  for (;;) {
    const std::int32_t code = EventWait();
    if (code == 0) continue;
    std::printf("event %d source %lld item %lld column %lld\n", code,
                static_cast<long long>(EventSourceId()), static_cast<long long>(EventItemIndex()),
                static_cast<long long>(EventItemColumn()));
    std::fflush(stdout);
    if (code == WM_CLOSE) std::exit(0);
    if (code == WM_SIZE) ExplorerFit(window);
    // The switch's choice is read back rather than decoded from its notifications.
    const LRESULT chosen = SendMessageA(view_switch, CB_GETCURSEL, 0, 0);
    if (chosen != CB_ERR && chosen != view) {
      view = chosen;
      ExplorerViewModeSet(kExplorer, view);
      std::printf("view %lld path %s\n", static_cast<long long>(view),
                  ExplorerPathGet(kExplorer).c_str());
      std::fflush(stdout);
    }
  }
}
