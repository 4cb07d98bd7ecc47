// Under a multi-byte code page (932 from the run's locale, or UTF-8 from the program's
// manifest): tooltips and cells are cut before a character they cannot hold whole, and
// patterns, going up and drive roots walk paths by character. Real double clicks.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include <vantrel/toolkit.h>

#include "tests/support/wine_host.h"

namespace {

constexpr GadgetId kExplorer = 1;
// "a表示": in code page 932 the bytes of 表 are 95 5C, the second one the separator's.
const std::string kFolder = GetACP() == CP_UTF8 ? "a\xE8\xA1\xA8\xE7\xA4\xBA" : "a\x95\x5C\x8E\xA6";

std::string Cell(HWND list, int item, int column, int room = 512) {
  std::string text(room, '\0');
  ListView_GetItemText(list, item, column, text.data(), room);
  return text.c_str();
}

// Double-clicks the named row and waits for the gadget to show the expected folder.
bool Open(HWND list, const std::string& name, const std::string& expected) {
  int row = 0;
  while (row < ListView_GetItemCount(list) && Cell(list, row, 0) != name) ++row;
  RECT rect = {LVIR_LABEL, 0, 0, 0};
  SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
  POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClientToScreen(list, &at);
  HostClick(at.x, at.y);
  HostClick(at.x, at.y);
  PollUntil([&](std::int32_t) { return ExplorerPathGet(kExplorer) == expected; });
  return ExplorerPathGet(kExplorer) == expected;
}

TEST(CodePage, TooltipsAndCellsCutBeforeACharacterAndPathsWalkByCharacter) {
  ASSERT_EQ(GetACP(), UINT{VANTREL_TEST_CODE_PAGE});  // the run's locale or manifest took effect
  HWND window =
      WindowOpen("code page", 0, 0, 700, 500, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  // A tooltip's 79 bytes hold the 78 "t" and only the first byte of the character after them.
  const std::string tip = std::string(78, 't') + kFolder.substr(1);
  SetPropA(window, "7", const_cast<char*>(tip.c_str()));
  NMTTDISPINFOA info = {};
  info.hdr.idFrom = 7;
  info.hdr.code = TTN_GETDISPINFOA;
  SendMessageA(window, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.szText, std::string(78, 't'));
  const std::string id = std::to_string(GetTickCount()), root = "Z:\\tmp\\vantrel-cp-" + id + "\\";
  ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((root + kFolder).c_str(), nullptr));
  CloseHandle(CreateFileA((root + "a1.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, 0));
  // The pattern is the whole last component "a*": the entries' paths are the folder's own.
  ExplorerGadgetCreate(kExplorer, 10, 10, 660, 400, (root + "a*").c_str(), nullptr);
  HWND list = ExplorerListViewOf(kExplorer);
  const int file = Cell(list, 0, 0) == "a1.txt" ? 0 : 1;
  SHFILEINFOA shell = {};
  SHGetFileInfoA((root + "a1.txt").c_str(), 0, &shell, sizeof shell, SHGFI_TYPENAME);
  EXPECT_EQ(Cell(list, file, 2), shell.szTypeName);
  EXPECT_EQ(Cell(list, 1 - file, 0, 3), "a");               // two bytes hold "a" and half of 表
  ASSERT_TRUE(Open(list, kFolder, root + kFolder + "\\"));  // empty: its ".." alone, then "*.*"
  ASSERT_TRUE(Open(list, "..", root));
  EXPECT_EQ(ListView_GetItemCount(list), 3);  // "..", a表示 and a1.txt
  // A drive root stays one with a pattern: its ".." leads to the drive list.
  ExplorerPathSet(kExplorer, "C:\\*.*");
  EXPECT_EQ(Cell(list, 0, 0), "..");
  EXPECT_TRUE(Open(list, "..", "\\"));
  GadgetFree(kExplorer);
  HostRun("rm -rf /tmp/vantrel-cp-" + id);
}

}  // namespace
