// The explorer gadget in UTF-8 mode: names in Cyrillic, Greek, accented Latin and Chinese are
// listed, sorted and opened with their exact UTF-8 bytes.
#include "tests/explorer/explorer_list_view.h"
#include "tests/explorer/explorer_test_support.h"

namespace {

constexpr GadgetId kExplorer = 1;
// Files in the byte order of their type keys (the last three bytes, whole characters here), and
// folders, whose type keys are equal, each holding one file: its own name + ".txt".
const std::string kFiles = "Ελληνικά.md crème.doc отчёт.txt 报告.xls z é ω я 文";
const std::string kReversed = "文 я ω é z 报告.xls отчёт.txt crème.doc Ελληνικά.md";
const Strings kFolders = {"Vidéos", "Έγγραφα", "Документы", "文档"};

// The names are made on the Unix side, as UTF-8 bytes, and reach the program through Wine. The
// code page itself is checked by this program's code page test.
TEST(ExplorerUtf8, NamesAreListedSortedTypedAndOpenedWithTheirBytes) {
  std::string make = "mkdir -p " + kUnixRoot + " && cd " + kUnixRoot + " && touch " + kFiles;
  for (const std::string& folder : kFolders)
    make += " && mkdir " + folder + " && touch " + folder + "/" + folder + ".txt";
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
  const std::string folders = "Vidéos|Έγγραφα|Документы|文档";
  for (const std::string& expected :
       {".. " + folders + " " + kFiles, ".. " + kReversed + " " + folders}) {
    ExplorerColumnSort(kExplorer, EXPLORER_SORT_TYPE);
    EXPECT_EQ(Shown(Column(list), expected), expected);
  }
  // The shell finds each entry by the path it keeps; folders have no type.
  const Strings names = Column(list);
  for (size_t row = 1; row < names.size(); ++row)
    ExpectShellCells(list, static_cast<int>(row), kRoot + names[row],
                     std::ranges::find(kFolders, names[row]) == kFolders.end());
  // Each folder opens by its path, and ".." leads back by a real double click (a UTF-8 name
  // double clicked is opened by this program's code page test).
  for (const std::string& folder : kFolders) {
    const std::string inside = kRoot + folder + "\\";
    EXPECT_EQ(ExplorerPathSet(kExplorer, (kRoot + folder).c_str()), -1);
    EXPECT_EQ(ExplorerPathGet(kExplorer), inside);
    EXPECT_EQ(Column(list), (Strings{"..", folder + ".txt"}));
    ExpectShellCells(list, 1, inside + folder + ".txt", true);
    EXPECT_EQ(Open(kExplorer, ".."), kRoot) << folder;
  }
  HostRun("rm -rf " + kUnixRoot);
}

}  // namespace
