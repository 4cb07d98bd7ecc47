// The explorer gadget in UTF-8 mode: names in Cyrillic, Greek, accented Latin and Chinese are
// listed, sorted and opened with their exact UTF-8 bytes.
#include "tests/explorer/explorer_list_view.h"

namespace {

constexpr GadgetId kExplorer = 1;
// Folders in the byte order of their names; each holds one file, its own name + ".txt".
const Strings kFolders = {"Vidéos", "Έγγραφα", "Документы", "文档"};
// Files in the byte order of their type keys (the last three bytes, whole characters here).
const Strings kFiles = {"Ελληνικά.md", "crème.doc", "отчёт.txt", "报告.xls", "z",
                        "é",           "ω",         "я",         "文"};

// The names are made on the Unix side, as UTF-8 bytes, and reach the program through Wine. The
// code page itself is checked by this program's code page test.
TEST(ExplorerUtf8, NamesAreListedSortedTypedAndOpenedWithTheirBytes) {
  std::string make = "mkdir -p " + kUnixRoot + " && cd " + kUnixRoot;
  for (const std::string& folder : kFolders)
    make += " && mkdir '" + folder + "' && touch '" + folder + "/" + folder + ".txt'";
  for (const std::string& file : kFiles) make += " && touch '" + file + "'";
  ASSERT_TRUE(HostRun(make));
  // The manifest's other half: comctl32 is redirected to the common controls of version 6.
  ACTCTX_SECTION_KEYED_DATA comctl{};
  comctl.cbSize = sizeof comctl;
  EXPECT_TRUE(FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       "comctl32.dll", &comctl));
  WindowOpen("utf-8", 0, 0, 700, 500, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  ASSERT_NE(ExplorerGadgetCreate(kExplorer, 0, 0, 680, 460, kRoot.c_str(), nullptr), nullptr);
  HWND list = ExplorerListViewOf(kExplorer);
  // Type ascending, then descending: ".." stays first; the folders' keys are equal (any order).
  Strings names;
  for (const bool ascending : {true, false}) {
    ExplorerColumnSort(kExplorer, EXPLORER_SORT_TYPE);
    names = Column(list);
    ASSERT_EQ(names.size(), 1 + kFolders.size() + kFiles.size());
    const auto folders = names.begin() + 1 + (ascending ? 0 : kFiles.size());
    std::sort(folders, folders + kFolders.size());
    Strings expected = kFolders;
    if (ascending) expected.insert(expected.end(), kFiles.begin(), kFiles.end());
    if (!ascending) expected.insert(expected.begin(), kFiles.rbegin(), kFiles.rend());
    expected.insert(expected.begin(), "..");
    EXPECT_EQ(names, expected);
  }
  // The shell finds each entry by the path it keeps (descending: the files before the folders).
  for (size_t row = 1; row < names.size(); ++row)
    ExpectShellCells(list, static_cast<int>(row), kRoot + names[row], row <= kFiles.size());
  // Each folder opens by a real double click and by its path, and ".." leads back.
  for (const std::string& folder : kFolders) {
    const std::string inside = kRoot + folder + "\\";
    for (const bool click : {true, false}) {
      if (click) {
        EXPECT_EQ(Open(kExplorer, folder), inside);
      } else {
        EXPECT_EQ(ExplorerPathSet(kExplorer, (kRoot + folder).c_str()), -1);
      }
      EXPECT_EQ(ExplorerPathGet(kExplorer), inside);
      EXPECT_EQ(Column(list), (Strings{"..", folder + ".txt"}));
      ExpectShellCells(list, 1, inside + folder + ".txt", true);
      EXPECT_EQ(Open(kExplorer, ".."), kRoot) << folder;
    }
  }
  GadgetFree(kExplorer);
  HostRun("rm -rf " + kUnixRoot);
}

}  // namespace
