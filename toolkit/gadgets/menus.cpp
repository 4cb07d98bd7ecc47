// Menus: a window's menu bar and pop-up menus, whose items arrive as EVENT_MENU with their ids.
#include <vantrel/toolkit.h>

namespace {

// What CheckMenuItem and EnableMenuItem answer when no item has the id.
constexpr DWORD kNoSuchItem = static_cast<DWORD>(-1);
constexpr BOOL kNoSuchItemEnabled = -1;

UINT ByState(bool on, UINT yes, UINT no) {
  return on ? yes : no;
}

}  // namespace

HMENU MenuBarCreate() {
  return CreateMenu();
}

HMENU MenuCreate() {
  return CreatePopupMenu();
}

int MenuItemAdd(HMENU menu, std::int32_t id, const char* text) {
  if (menu == nullptr || text == nullptr || id <= 0 || id > MENU_ID_MAX) return 0;
  return AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(id), text) != 0 ? 1 : 0;
}

int MenuSeparatorAdd(HMENU menu) {
  if (menu == nullptr) return 0;
  return AppendMenuA(menu, MF_SEPARATOR, 0, nullptr) != 0 ? 1 : 0;
}

int MenuSubmenuAdd(HMENU menu, HMENU submenu, const char* title) {
  if (menu == nullptr || submenu == nullptr || title == nullptr) return 0;
  return AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), title) != 0 ? 1 : 0;
}

int MenuItemCheckSet(HMENU menu, std::int32_t id, std::int32_t checked) {
  if (menu == nullptr) return 0;
  // By command, through every submenu; -1 when no item has the id.
  return CheckMenuItem(menu, static_cast<UINT>(id),
                       MF_BYCOMMAND | ByState(checked != 0, MF_CHECKED, MF_UNCHECKED)) !=
                 kNoSuchItem
             ? 1
             : 0;
}

int MenuItemEnableSet(HMENU menu, std::int32_t id, std::int32_t enabled) {
  if (menu == nullptr) return 0;
  return EnableMenuItem(menu, static_cast<UINT>(id),
                        MF_BYCOMMAND | ByState(enabled != 0, MF_ENABLED, MF_GRAYED)) !=
                 kNoSuchItemEnabled
             ? 1
             : 0;
}

std::int32_t MenuItemStateGet(HMENU menu, std::int32_t id) {
  if (menu == nullptr) return -1;
  const UINT state = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
  if (state == static_cast<UINT>(-1)) return -1;
  return ((state & MF_CHECKED) != 0 ? MENU_ITEM_CHECKED : 0) |
         ((state & (MF_GRAYED | MF_DISABLED)) != 0 ? MENU_ITEM_DISABLED : 0);
}

int WindowMenuSet(HWND window, HMENU bar) {
  if (!IsWindow(window)) return 0;
  if (SetMenu(window, bar) == 0) return 0;
  DrawMenuBar(window);
  return 1;
}

int MenuPopup(HMENU menu, HWND window) {
  if (menu == nullptr || !IsWindow(window)) return 0;
  POINT at;
  GetCursorPos(&at);
  // The window must be in front for the menu to close when the user clicks elsewhere; the
  // chosen item comes to it as WM_COMMAND, an EVENT_MENU.
  SetForegroundWindow(window);
  const BOOL shown =
      TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
  return shown != 0 ? 1 : 0;
}

int MenuFree(HMENU menu) {
  return menu != nullptr && DestroyMenu(menu) != 0 ? 1 : 0;
}
