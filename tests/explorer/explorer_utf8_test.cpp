// The explorer gadget in UTF-8 mode: names in Cyrillic, Greek, accented Latin and Chinese are
// listed, sorted and opened with their exact UTF-8 bytes.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/wine_host.h"

namespace {

using Names = std::vector<std::string>;
constexpr GadgetId kExplorer = 1;
constexpr int kNameColumn = 0, kTypeColumn = 2;
// Folders in the byte order of their names; each holds one file, its own name + ".txt".
const Names kFolders = {"Vidéos", "Έγγραφα", "Документы", "文档"};
// Files in the byte order of their type keys (the last three bytes, whole characters here).
const Names kFiles = {"Ελληνικά.md", "crème.doc", "отчёт.txt", "报告.xls", "z",
                      "é",           "ω",         "я",         "文"};

// A cell as the gadget answers the list view's LVN_GETDISPINFOA, bytes untouched.
std::string Cell(int item, int column) {
  char text[MAX_PATH] = {};
  NMLVDISPINFOA info = {};
  info.hdr = {ExplorerListViewOf(kExplorer), 0, static_cast<UINT>(LVN_GETDISPINFOA)};
  info.item.mask = LVIF_TEXT;
  info.item.iItem = item;
  info.item.iSubItem = column;
  info.item.pszText = text;
  info.item.cchTextMax = sizeof text;
  SendMessageA(GadgetWindowOf(kExplorer), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return text;
}

Names Column(int column) {
  Names cells;
  for (int k = 0; k < ListView_GetItemCount(ExplorerListViewOf(kExplorer)); ++k)
    cells.push_back(Cell(k, column));
  return cells;
}

// What the list view reports for a double click on a row.
void DoubleClick(const std::string& name) {
  const Names names = Column(kNameColumn);
  NMITEMACTIVATE activate = {};
  activate.hdr = {ExplorerListViewOf(kExplorer), 0, static_cast<UINT>(NM_DBLCLK)};
  activate.iItem = static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
  SendMessageA(GadgetWindowOf(kExplorer), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&activate));
}

std::string TypeName(const std::string& path) {
  SHFILEINFOA info = {};
  SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
  return info.szTypeName;
}

// The names are made on the Unix side, as UTF-8 bytes, and reach the program through Wine.
class ExplorerUtf8 : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string make = "mkdir -p " + unix_ + " && cd " + unix_;
    for (const std::string& folder : kFolders)
      make += " && mkdir '" + folder + "' && touch '" + folder + "/" + folder + ".txt'";
    for (const std::string& file : kFiles) make += " && touch '" + file + "'";
    ASSERT_TRUE(HostRun(make));
    WindowOpen("utf-8", 0, 0, 700, 500, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  }
  static void TearDownTestSuite() { HostRun("rm -rf " + unix_); }
  void SetUp() override {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));  // the manifest of vantrel_use_utf8
    ASSERT_NE(ExplorerGadgetCreate(kExplorer, 0, 0, 680, 460, root_.c_str(), nullptr), nullptr);
  }
  void TearDown() override { GadgetFree(kExplorer); }
  static inline const std::string id_ = std::to_string(GetTickCount());
  static inline const std::string unix_ = "/tmp/vantrel-utf8-" + id_;
  static inline const std::string root_ = "Z:\\tmp\\vantrel-utf8-" + id_ + "\\";
};

TEST_F(ExplorerUtf8, NamesAreListedWithTheirBytesAndSortByThem) {
  // The manifest's other half: comctl32 is redirected to the common controls of version 6.
  ACTCTX_SECTION_KEYED_DATA comctl{};
  comctl.cbSize = sizeof comctl;
  EXPECT_TRUE(FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       "comctl32.dll", &comctl));
  // Type ascending, then descending: ".." stays first; the folders' keys are equal (any order).
  Names names;
  for (const bool ascending : {true, false}) {
    ExplorerColumnSort(kExplorer, EXPLORER_SORT_TYPE);
    names = Column(kNameColumn);
    ASSERT_EQ(names.size(), 1 + kFolders.size() + kFiles.size());
    const auto folders = names.begin() + 1 + (ascending ? 0 : kFiles.size());
    std::sort(folders, folders + kFolders.size());
    Names files = kFiles, expected = {".."};
    if (!ascending) std::reverse(files.begin(), files.end());
    for (const Names& group : {ascending ? kFolders : files, ascending ? files : kFolders})
      expected.insert(expected.end(), group.begin(), group.end());
    EXPECT_EQ(names, expected);
  }
  // The shell finds each file by the path its entry keeps; folders have no type.
  const Names types = Column(kTypeColumn);
  for (size_t row = 1; row < names.size(); ++row) {
    const bool file = row <= kFiles.size();  // descending: the files before the folders
    const std::string type = file ? TypeName(root_ + names[row]) : "";
    EXPECT_TRUE(!file || !type.empty()) << names[row];
    EXPECT_EQ(types[row], type) << names[row];
  }
}

TEST_F(ExplorerUtf8, FoldersOpenByDoubleClickOrPathAndKeepTheirPath) {
  for (const std::string& folder : kFolders) {
    const std::string inside = root_ + folder + "\\";
    for (const bool click : {true, false}) {
      if (click) {
        DoubleClick(folder);
      } else {
        EXPECT_EQ(ExplorerPathSet(kExplorer, (root_ + folder).c_str()), -1);
      }
      EXPECT_EQ(ExplorerPathGet(kExplorer), inside);
      EXPECT_EQ(Column(kNameColumn), (Names{"..", folder + ".txt"}));
      EXPECT_EQ(Cell(1, kTypeColumn), TypeName(inside + folder + ".txt"));
      DoubleClick("..");
      EXPECT_EQ(ExplorerPathGet(kExplorer), root_) << folder;
    }
  }
}

}  // namespace
