// Helpers shared by the explorer's tests under Wine: a folder made on the Unix side, cells read
// back through the list view, rows opened by real clicks.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/wine_host.h"

using Strings = std::vector<std::string>;

// The program's own folder, made by the Unix side and reached through Wine's drive Z:.
inline const std::string kTestId = std::to_string(GetCurrentProcessId());
inline const std::string kUnixRoot = "/tmp/vantrel-explorer-" + kTestId;
inline const std::string kRoot = "Z:\\tmp\\vantrel-explorer-" + kTestId + "\\";

inline std::string Cell(HWND list, int item, int column, int room = 512) {
  std::string text(room, '\0');
  ListView_GetItemText(list, item, column, text.data(), room);
  return text.c_str();
}

inline Strings Column(HWND list) {
  Strings cells;
  for (int k = 0; k < ListView_GetItemCount(list); ++k) cells.push_back(Cell(list, k, 0));
  return cells;
}

inline int Row(HWND list, const std::string& name) {
  const Strings names = Column(list);
  return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

inline bool Until(const std::function<bool()>& done, DWORD timeout_ms = 5000) {
  PollUntil([&](int32_t) { return done(); }, timeout_ms);
  return done();
}

inline void Click(HWND window, RECT rect, int clicks) {
  // Two in a row make a double click.
  for (int k = 0; k < clicks; ++k)
    HostClick((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, window);
}

// Clicks the named item (twice: a double click); once the click has come back as the gadget's
// own event, the gadget's path (by then any move is done), else "no event".
inline std::string Open(GadgetId id, const std::string& name, int clicks = 2) {
  HWND list = ExplorerListViewOf(id);
  RECT rect = {LVIR_LABEL, 0, 0, 0};
  SendMessageA(list, LVM_GETITEMRECT, Row(list, name), reinterpret_cast<LPARAM>(&rect));
  Click(list, rect, clicks);
  bool seen = false;
  PollUntil([&](int32_t code) {
    return seen =
               code == (clicks == 2 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) && EventSourceId() == id;
  });
  return seen ? ExplorerPathGet(id) : "no event";
}

// The shell's answers for the path, as the row's Type cell (for a file or drive) and icon.
inline void ExpectShellCells(HWND list, int row, const std::string& path, bool typed) {
  SHFILEINFOA shell = {};
  SHGetFileInfoA(path.c_str(), 0, &shell, sizeof shell, SHGFI_TYPENAME | SHGFI_SYSICONINDEX);
  EXPECT_TRUE(!typed || shell.szTypeName[0]) << path;  // else the shell did not find it
  EXPECT_EQ(Cell(list, row, 2), path == ".." ? " " : typed ? shell.szTypeName : "") << path;
  LVITEMA icon = {LVIF_IMAGE, row, 0, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 0};
  // Files of a type without icon have 0.
  EXPECT_TRUE(ListView_GetItem(list, &icon) && icon.iImage == shell.iIcon &&
              (icon.iImage || typed));
}
