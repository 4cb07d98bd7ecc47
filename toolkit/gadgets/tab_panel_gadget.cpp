// Tab panel gadgets: a tab control whose pages hold gadgets; switching tabs shows its page.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

namespace {

HWND TabsOf(GadgetId id) {
  HWND tabs = GadgetWindowOf(id);
  return tabs != nullptr && GadgetKindOf(tabs) == GADGET_KIND_TABCONTROL ? tabs : nullptr;
}

// The page area of the tab control, in its window's client coordinates.
RECT PageArea(HWND tabs) {
  RECT area;
  GetClientRect(tabs, &area);
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(tabs, GetParent(tabs), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

}  // namespace

HWND TabPanelGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags) {
  return GadgetControlCreate(id, WC_TABCONTROLA, nullptr, WS_CLIPSIBLINGS, 0, x, y, width, height,
                             true);
}

HWND TabPanelPageAdd(GadgetId id, const char* title) {
  HWND tabs = TabsOf(id);
  if (tabs == nullptr || title == nullptr) return nullptr;
  // The tab first: the page area lies below the row of tabs, which the first tab makes.
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(title);
  const LRESULT count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
  const LRESULT index = SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(&item));
  if (index < 0) return nullptr;
  // A page is a container over the page area, above the tab control among its siblings; it is
  // made current, so the gadgets created next go onto it.
  const RECT area = PageArea(tabs);
  HWND previous = CurrentWindowGet();
  CurrentWindowSet(GetParent(tabs));
  HWND page = TabPageCreate(area);
  CurrentWindowSet(page != nullptr ? page : previous);
  if (page == nullptr) {
    SendMessageA(tabs, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    return nullptr;
  }
  SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  item.mask = TCIF_PARAM;
  item.lParam = reinterpret_cast<LPARAM>(page);
  SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  // Only the chosen tab's page shows: the first is chosen at first.
  if (index > 0) ShowWindow(page, SW_HIDE);
  SetPropA(page, PROP_TAB_PANEL, tabs);
  return page;
}

void TabPagesPlace(HWND tabs) {
  const RECT area = PageArea(tabs);
  const auto count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    if (HWND page = TabPanelPageGet(GadgetIdOf(tabs), index)) {
      SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

HWND TabPanelPageGet(GadgetId id, std::int32_t index) {
  HWND tabs = TabsOf(id);
  if (tabs == nullptr || index < 0) return nullptr;
  TCITEMA item = {};
  item.mask = TCIF_PARAM;
  if (SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item)) == 0) {
    return nullptr;
  }
  return reinterpret_cast<HWND>(item.lParam);
}

int TabPanelPageShow(GadgetId id, std::int32_t index) {
  HWND tabs = TabsOf(id);
  HWND page = TabPanelPageGet(id, index);
  if (page == nullptr) return 0;
  ShowWindow(
      TabPanelPageGet(id, static_cast<std::int32_t>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0))),
      SW_HIDE);
  SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowWindow(page, SW_SHOWNA);
  return 1;
}
