// The explorer gadget on screen and its scan under Wine: real folders and drives made by the test,
// cells read back through the list view, real clicks and keys through xdotool.
#include <objbase.h>

#include <array>
#include <thread>

#include "tests/explorer/explorer_list_view.h"
#include "tests/explorer/explorer_test_support.h"
#include "tests/support/program_steps.h"
#include "toolkit/core/registries.h"
#include "toolkit/explorer/explorer_folder_read.h"
#include "toolkit/explorer/explorer_present.h"
#include "toolkit/explorer/explorer_scan.h"

namespace {

constexpr GadgetId kMain = 1, kOther = 2, kSpare = 3;
const std::string kLong(255, 'n');         // the longest name a folder entry can have
const std::string kHigh = "\xC0\xC1.txt";  // bytes above 127 ("АБ.txt" in 1251, "ÀÁ.txt" in 1252)
// The files by ascending size (s0.bin sorts as one byte): name, size made, size shown.
// clang-format off
const struct { std::string name; const char *size, *text; } kFiles[] = {
    {"s0.bin", "0", "0 B"}, {kLong, "5", "5 B"}, {kHigh, "7", "7 B"}, {"a.txt", "10", "10 B"}, {"s1023.bin", "1023", "1023 B"},
    {"s1024.bin", "1024", "1 KB"}, {"s1048575.bin", "1048575", "1023 KB"}, {"s1048576.bin", "1048576", "1.00 MB"},
    {"g1.bin", "1G", "1 GB"}, {"g15.bin", "1536M", "1.5 GB"}, {"g1075.bin", "11008M", "10.7 GB"}};
// clang-format on

// kRoot holds sub\ (inner.txt), Old.txt\ (keep.dat), New.txt\ (b.txt), denied\ and the files of
// kFiles, sparse, all but the long name written at 05:03:09 on 1 February 2021.
// scan_ (beside kRoot) holds tree\ with sub1\ (folders f.txt\ and g\, files x.txt and y.dat),
// sub2\ (big.bin), a.txt, b.dat and c.txt (of 2000), all empty (kRoot's files show the sizes a
// scan reads); beside tree\, the folders of drives and a share only the Unix side can make
// (dosdevices links of the prefix): R:\ holds two files, S:\ a folder and a file,
// \\vantrelhost\share\ a folder and a file.
class ExplorerGadget : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Wine reuses process ids: what a run that crashed left under this one's names goes first.
    std::string make = "rm -rf " + kUnixRoot + " " + scan_ + " && mkdir " + kUnixRoot + " && cd " +
                       kUnixRoot + " && mkdir sub Old.txt" +
                       " New.txt denied && touch sub/inner.txt Old.txt/keep.dat New.txt/b.txt";
    for (const auto& file : kFiles)
      make += " && truncate -s " + std::string(file.size) + " " + file.name;
    ASSERT_TRUE(HostRun(make + " && touch -d '2021-02-01 05:03:09' *.* && echo -n 12345>" + kLong));
    const std::string made = " && ln -sfn " + scan_;
    make = "mkdir -p " + scan_ + " && cd " + scan_ +
           " && mkdir -p tree/sub1/f.txt tree/sub1/g tree/sub2 r s/d1 share/dir " + at +
           "unc/vantrelhost\\\" && touch r/one.txt r/two.txt s/f.txt share/top.txt" + made + "/r " +
           at + "r:\\\"" + made + "/s " + at + "s:\\\"" + made + "/share " + at +
           "unc/vantrelhost/share\\\" && cd tree && touch a.txt b.dat sub1/x.txt sub1/y.dat" +
           " sub2/big.bin && touch -d 2000-01-01 c.txt";
    ASSERT_TRUE(HostRun(make));
    WindowOpen("explorer", 0, 0, 900, 760, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
    SetTimer(nullptr, 0, 20, BoxAnswer);  // answers every message box
  }
  static void TearDownTestSuite() {
    HostRun("rm -rf " + kUnixRoot + " " + scan_ + " " + at + "r:\\\"" + at + "s:\\\"" + at +
            "unc/vantrelhost\\\"");
  }
  void SetUp() override {
    ASSERT_NE(ExplorerGadgetCreate(kMain, 10, 10, 860, 340, kRoot.c_str(), nullptr), nullptr);
    list_ = ExplorerListViewOf(kMain);
  }
  void TearDown() override {
    for (GadgetId id : {kMain, kOther, kSpare}) GadgetFree(id);
    EXPECT_EQ(HandleListCount(GadgetRegistryGet()) + HandleListCount(ColourRegistryGet()), 0u);
  }
  HWND list_ = nullptr;
  static inline const std::string scan_ = kUnixRoot + "-scan", at = "\\\"$WINEPREFIX/dosdevices/";
  static inline const std::string root_ = kRoot.substr(0, kRoot.size() - 1) + "-scan\\tree\\";
};

TEST_F(ExplorerGadget, CreationKeepsThePatternAndOptionsGiveTitlesWidthsAndFonts) {
  // clang-format off
  const struct { std::string path, shown; size_t count; } rows[] = {
      {"", "\\", GetLogicalDriveStringsA(0, nullptr) / 4u}, {kRoot + "*.txt", kRoot, 5},  // every drive; "..", folders match *.txt
      {kRoot + "sub", kRoot + "sub\\", 2}, {"*x", "*x\\", 0}};
  // clang-format on
  for (const auto& row : rows) {
    ExplorerGadgetCreate(kSpare, 0, 400, 400, 200, row.path.c_str(), nullptr);
    EXPECT_EQ(ExplorerPathGet(kSpare), row.shown) << row.path;
    EXPECT_EQ(Column(ExplorerListViewOf(kSpare)).size(), row.count) << row.path;
  }
  ExplorerOptions options;
  ExplorerOptionsDefault(&options);
  options.sizeWidth = 120;
  HFONT font = CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
  for (ExplorerOptions* given : {static_cast<ExplorerOptions*>(nullptr), &options}) {
    EXPECT_EQ(GadgetFontSet(-1, given ? reinterpret_cast<intptr_t>(font) : -1), 0);
    HWND gadget = ExplorerGadgetCreate(kSpare, 0, 400, 400, 200, "", given);
    HWND list = ExplorerListViewOf(kSpare);
    // The list starts 4 pixels short of the gadget and fills it from its first resize.
    for (RECT r = {}; const SIZE size : {SIZE{396, 196}, SIZE{250, 150}}) {
      EXPECT_TRUE(GetWindowRect(list, &r) && r.right - r.left == size.cx &&
                  r.bottom - r.top == size.cy);
      SetWindowPos(gadget, nullptr, 0, 0, 250, 150, SWP_NOMOVE | SWP_NOZORDER);
    }
    EXPECT_EQ(SendMessageA(list, WM_GETFONT, 0, 0) == LRESULT(font), given != nullptr);
    const char* titles[] = {"Name", "Size", "Type", "Modified"};
    for (int column = 0; column < 4; ++column) {
      char title[32] = {};
      LVCOLUMNA info = {LVCF_TEXT | LVCF_WIDTH, 0, 0, title, sizeof title, 0, 0, 0, 0, 0, 0};
      ListView_GetColumn(list, column, &info);  // else a quarter of 250 beside a scroll bar
      EXPECT_EQ(
          title + std::to_string(info.cx),
          titles[column] + std::to_string(given && column == 1
                                              ? 120
                                              : (250 - GetSystemMetrics(SM_CXVSCROLL) - 4) / 4));
    }
  }
  GadgetFontSet(kMain, reinterpret_cast<intptr_t>(font));
  EXPECT_EQ(SendMessageA(list_, WM_GETFONT, 0, 0), LRESULT(font));
  // An id of another gadget is refused rather than read as an explorer's.
  ImageComboCreate(kSpare, 0, 400, 200, 200, 16, CBS_DROPDOWNLIST);
  EXPECT_EQ(std::pair(ExplorerPathSet(kSpare, "C:\\"), ExplorerSelectedIndexGet(kSpare)),
            std::pair(0, int64_t{-1}));
}

// In a folder, with a pattern (which the scan puts into every entry's path) and in the drives.
TEST_F(ExplorerGadget, CellsShowNamesSizesTypesDatesAndIconsUnderEveryKindOfPath) {
  for (const std::string& path : {kRoot, kRoot + "*.*"}) {
    ExplorerPathSet(kMain, path.c_str());
    for (size_t k = 0; k < std::size(kFiles) + 2; ++k) {
      const bool file = k < std::size(kFiles);
      const std::string name = file ? kFiles[k].name : k == std::size(kFiles) ? "sub" : "..";
      const int row = Row(list_, name);
      EXPECT_EQ(Cell(list_, row, 1), file ? kFiles[k].text : " ") << name;
      if (name == kLong) continue;  // the shell cannot reach it through MAX_PATH characters
      const std::string date = Cell(list_, row, 3);  // a folder's date is its time of making
      EXPECT_TRUE(file ? date == "01.02.2021 05:03:09" : date.size() == (name == ".." ? 0u : 19u));
      ExpectShellCells(list_, row, name == ".." ? name : kRoot + name, file);
    }
  }
  EXPECT_EQ(Cell(list_, Row(list_, kLong), 0, 10), kLong.substr(0, 9));  // cut to the buffer
  ExplorerPathSet(kMain, "\\");
  for (int row = 0; row < ListView_GetItemCount(list_); ++row)
    ExpectShellCells(list_, row, Cell(list_, row, 0), true);
}

// A leaf is searched under root_, a drive or share path as it is.
TEST_F(ExplorerGadget, ScanListsDotDotFoldersThenFilesByModePatternAndFirstOnly) {
  TestGadget gadget;
  const char* const all = ".. sub1|sub2 a.txt|b.dat|c.txt";
  const int64_t any = EXPLORER_LIST_ALL, files = EXPLORER_LIST_FILES;
  const int32_t on = EXPLORER_FIRST_ONLY_ON, off = EXPLORER_FIRST_ONLY_OFF, ok = PROBE_OK;
  ExplorerOptions all_folders;
  ExplorerOptionsDefault(&all_folders);
  all_folders.flags = EXPLORER_OPTION_ALL_FOLDERS;
  // clang-format off
  const struct { int64_t listMode; int32_t firstOnly; const char *pattern, *leaf; int32_t probe; int64_t count; const char* shown; bool allFolders = false; } rows[] = {
      {any, off, "", "", ok, 6, all}, {EXPLORER_LIST_FOLDERS, off, "", "", ok, 3, ".. sub1|sub2"},
      {files, off, "", "", ok, 4, ".. a.txt|b.dat|c.txt"},
      {any, on, "", "nowhere\\", PROBE_FAILED, 0, ".. a.txt|b.dat|c.txt"},  // missing: lists untouched
      {files, off, "", "sub2\\", ok, 2, ".. big.bin"},
      {any, off, "*.txt", "sub1\\*.txt", ok, 3, ".. f.txt x.txt"},  // folders match too, ".." is made
      {any, off, "*.txt", "sub1\\*.txt", ok, 4, ".. f.txt|g x.txt", true},  // or every folder is listed
      {any, on, "", "", ok, 1, ".."},
      {any, off, "*.zzz", "*.zzz", PROBE_NOT_FOUND, 1, ".."},
      // A drive root makes its ".." at its first folder, or without one, or files only, at the end.
      {any, off, "", "R:\\", ok, 3, ".. one.txt|two.txt"}, {any, off, "", "S:\\", ok, 3, ".. d1 f.txt"},
      {any, on, "", "S:\\", ok, 2, ".. d1"}, {files, off, "", "S:\\", ok, 2, ".. f.txt"},
      {any, off, "*.*", "S:\\*.*", ok, 3, ".. d1 f.txt"},  // a root whatever pattern it carries
      // At the top of a share there is no way up; a folder below it has its own.
      {any, off, "", "\\\\vantrelhost\\share\\", ok, 2, "dir top.txt"},
      {any, off, "", "\\\\vantrelhost\\share\\dir\\", ok, 1, ".."}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.leaf) + ", list mode " + std::to_string(row.listMode));
    gadget.data.listMode = row.listMode;
    gadget.data.pattern = row.pattern;
    gadget.data.options = row.allFolders ? &all_folders : nullptr;
    ExplorerFirstOnlySet(row.firstOnly);
    const bool absolute = row.leaf[0] == '\\' || (row.leaf[0] != '\0' && row.leaf[1] == ':');
    const std::string path = (absolute ? "" : root_) + row.leaf;
    EXPECT_EQ(ExplorerFolderProbe(&gadget.data, path), row.probe);
    EXPECT_EQ(ExplorerScan(&gadget.data, path), row.count);
    EXPECT_EQ(Shown(Names(gadget.list), row.shown), row.shown);
    EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
    for (const ExplorerEntry& e : gadget.list.entries)  // once the row listed anything
      EXPECT_TRUE(row.count == 0 || ExplorerEntryPath(gadget.list, e) == path + e.name) << e.name;
  }
  // Every drive of the machine, with its capacity as the system gives it (0 when unreadable).
  char drives[EXPLORER_DRIVE_STRINGS_SIZE];
  const DWORD length = GetLogicalDriveStringsA(sizeof(drives), drives);
  ASSERT_EQ(ExplorerScan(&gadget.data, "\\"),
            static_cast<int64_t>(length / EXPLORER_DRIVE_ROOT_STRIDE));
  for (const ExplorerEntry& e : gadget.list.entries) {  // each in the system's order
    const char* root = drives + (&e - gadget.list.entries.data()) * EXPLORER_DRIVE_ROOT_STRIDE;
    ULARGE_INTEGER total{};
    const bool read = GetDiskFreeSpaceExA(root, nullptr, &total, nullptr);
    EXPECT_EQ(e.name + std::to_string(e.size), root + std::to_string(read ? total.QuadPart : 0));
  }
  // Sorted by date, the scan's keys order it: c.txt, dated 2000, comes first after "..".
  TestGadget dated(EXPLORER_SORT_MODIFIED, EXPLORER_ASCENDING);
  EXPECT_EQ(ExplorerScan(&dated.data, root_), 6);
  EXPECT_EQ(Names(dated.list)[1], "c.txt");
  // A probe, a folder scan and a drive scan each keep the application's error-mode flags and add
  // the one that keeps a drive without its disk from asking for it.
  for (const char* path : {"", "\\", "C:\\"}) {
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
    path[0] ? ExplorerScan(&gadget.data, path) : ExplorerFolderProbe(&gadget.data, root_);
    EXPECT_EQ(GetErrorMode(), SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS) << path;
  }
  // Access denied cannot be provoked (Wine run as root ignores Unix permissions): its mapping is
  // checked instead. No gadget: nothing to list into, and no read through null.
  EXPECT_EQ(ExplorerProbeResultOf(ERROR_ACCESS_DENIED), PROBE_ACCESS_DENIED);
  EXPECT_EQ(ExplorerScan(nullptr, root_) + ExplorerFolderProbe(nullptr, root_), -1);
}

// Whether the folder can be opened with no one else holding it open.
bool Alone(const std::string& folder) {
  HANDLE alone = CreateFileA(folder.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  return alone != INVALID_HANDLE_VALUE && CloseHandle(alone);
}

// Every name of a folder is read through its handle and gives, record for record, what
// FindFirstFileExA and FindNextFileA give: across batches (1,500 names of 61 characters), at drive
// and share roots, with names of 255 bytes or bytes above 127. A pattern, or a search the handle
// cannot serve, goes to the search functions, with their records or error.
TEST_F(ExplorerGadget, FolderReadGivesTheRecordsAndErrorsOfTheSearchFunctions) {
  ExplorerWatchSet(kMain, 0);  // its notification holds the folder open
  // A few processes, not one per file: a loaded machine made 1,500 of them miss the wait.
  ASSERT_TRUE(HostRun(
      "mkdir -p " + scan_ + "/many && cd " + scan_ + "/many && seq -f n%060g 1500 | xargs touch",
      60000));
  // Read by the toolkit when `handle` is given (set to whether it read through the handle).
  const auto records = [](const std::string& text, bool* handle) {
    Strings out;
    WIN32_FIND_DATAA r;
    ExplorerFolderRead read;
    HANDLE search = handle ? INVALID_HANDLE_VALUE
                           : FindFirstFileExA(text.c_str(), FindExInfoBasic, &r,
                                              FindExSearchNameMatch, nullptr, 0);
    bool more = handle ? read.Open(text, false, &r) : search != INVALID_HANDLE_VALUE;
    if (handle) *handle = read.ReadsThroughHandle();
    if (!more) out.push_back("error " + std::to_string(GetLastError()));
    for (; more; more = handle ? read.Next(&r) : FindNextFileA(search, &r) != 0) {
      char line[MAX_PATH + 128];
      std::snprintf(line, sizeof line, "%s %lu %lu:%lu %lu:%lu %lu %lu %lu %s", r.cFileName,
                    r.dwFileAttributes, r.nFileSizeHigh, r.nFileSizeLow,
                    r.ftLastWriteTime.dwHighDateTime, r.ftLastWriteTime.dwLowDateTime,
                    r.ftCreationTime.dwLowDateTime, r.ftLastAccessTime.dwLowDateTime, r.dwReserved0,
                    r.cAlternateFileName);
      out.push_back(line);
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return out;
  };
  const std::string scan = root_.substr(0, root_.size() - sizeof("tree"));
  const struct {
    std::string text;
    bool handle;
  } rows[] = {{scan + "many\\*.*", true},
              {kRoot + "*.*", true},
              {"R:\\*.*", true},
              {"S:\\*.*", true},
              {"\\\\vantrelhost\\share\\*.*", true},
              {root_ + "*.txt", false},
              {root_ + "nowhere\\*.*", false},
              {root_ + "a.txt\\*.*", false}};
  for (const auto& row : rows) {
    bool handle = !row.handle;
    const Strings own = records(row.text, &handle);
    EXPECT_EQ(handle, row.handle) << row.text;
    EXPECT_GT(own.size(), row.text.find("many") != std::string::npos ? 1500u : 0u) << row.text;
    EXPECT_EQ(own, records(row.text, nullptr)) << row.text;
    // The read closed what it opened.
    EXPECT_TRUE(!row.handle || Alone(row.text.substr(0, row.text.rfind('\\') + 1))) << row.text;
  }
  // A probe's search that no scan took is closed by the next probe.
  TestGadget gadget;
  ExplorerFolderProbe(&gadget.data, scan + "many\\");
  ExplorerFolderProbe(&gadget.data, root_);
  ExplorerScan(&gadget.data, root_);
  EXPECT_TRUE(Alone(scan + "many\\"));
}

// A window's gadgets are released on its WM_DESTROY, before the windows inside it go: news that
// the list view still sends while going (as Windows' sends focus and deletion news) is no longer
// served from the released record, which would stay the current one.
TEST_F(ExplorerGadget, NewsFromAGoingListIsNotServedFromItsReleasedRecord) {
  HWND suite_window = CurrentWindowGet();
  HWND window = WindowOpen("going", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW, 0, nullptr);
  HWND gadget = ExplorerGadgetCreate(kSpare, 0, 0, 200, 100, kRoot.c_str(), nullptr);
  const auto going = [](HWND w, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                        DWORD_PTR list) -> LRESULT {
    NMHDR news = {reinterpret_cast<HWND>(list), 0, static_cast<UINT>(NM_KILLFOCUS)};
    if (message == WM_DESTROY) SendMessageA(w, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&news));
    return DefSubclassProc(w, message, wparam, lparam);
  };
  SetWindowSubclass(gadget, going, 0, reinterpret_cast<DWORD_PTR>(ExplorerListViewOf(kSpare)));
  DestroyWindow(window);
  EXPECT_EQ(ExplorerCurrentGet(), nullptr);
  CurrentWindowSet(suite_window);
}

TEST_F(ExplorerGadget, DoubleClicksMoveUpDownAndAcrossDrivesInOneGadgetOfTwo) {
  ExplorerGadgetCreate(kOther, 10, 360, 860, 300, (kRoot + "sub").c_str(), nullptr);
  EXPECT_EQ(Open(kMain, "sub", 1), kRoot);
  EXPECT_TRUE(Until([&] { return ExplorerSelectedIndexGet(kMain) == Row(list_, "sub"); }));
  ASSERT_EQ(ExplorerPathSet(kMain, "C:\\"), -1);
  ASSERT_EQ(Open(kMain, ".."), "\\");
  EXPECT_EQ(Open(kMain, "C:\\"), "C:\\");
  ASSERT_EQ(Open(kOther, ".."), kRoot);
  EXPECT_EQ(ExplorerPathGet(kMain), "C:\\");
  EXPECT_EQ(Column(ExplorerListViewOf(kOther)).size(), 16u);  // "..", 4 folders, 11 files
}

// Real keys: type-ahead finds by prefix from the focus on, round the end, letter case ignored,
// narrowed by quick further letters; Enter opens the item focused and selected at the press.
TEST_F(ExplorerGadget, TypeAheadFindsByPrefixAndEnterOpensTheChosenItemOnce) {
  ExplorerColumnSort(kMain, 1);  // by size: "..", the folders, then kFiles in their order
  EXPECT_EQ(Open(kMain, "s1048576.bin", 1), kRoot);
  const auto keys = [&](const std::string& xdotool, const std::string& chosen) {
    HostRun("sleep 1; xdotool " + xdotool);  // letters typed within a moment are one text
    PollDrain();        // every key handled, not only the first that makes the choice
    return Until([&] {  // the item focused and selected, as Enter would open it
      const int item = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
      return (item >= 0 && ListView_GetItemState(list_, item, LVIS_SELECTED) ? Cell(list_, item, 0)
                                                                             : "") == chosen;
    });
  };
  // Nothing starts with q: the choice stays. Enter with nothing chosen: no move.
  // clang-format off
  const struct { const char *xdotool, *chosen; std::string path; } steps[] = {
      {"type a", "a.txt", kRoot}, {"type S1024", "s1024.bin", kRoot}, {"key q Down", "s1048575.bin", kRoot},
      {"key n", "New.txt", kRoot}, {"key Return", "", kRoot + "New.txt\\"}, {"key Home", "..", kRoot + "New.txt\\"},
      {"key Return", "", kRoot}, {"key Return", "", kRoot}, {"key a", "a.txt", kRoot}, {"key n", "New.txt", kRoot}};
  // clang-format on
  for (const auto& step : steps) {
    EXPECT_TRUE(keys(step.xdotool, step.chosen)) << step.xdotool;
    EXPECT_TRUE(Until([&] { return ExplorerPathGet(kMain) == step.path; })) << step.xdotool;
  }
  // An exact find compares whole names, however long.
  for (const std::string& name : {kLong, kFiles[7].name}) {
    const LVFINDINFOA find = {LVFI_STRING, name.c_str(), 0, {}, 0};
    EXPECT_EQ(ListView_FindItem(list_, -1, &find), Row(list_, name));
  }
  // The release of the Enter that closes the refusal's box must not open the item again.
  ExplorerProbeFunctionSet([](const ExplorerGadgetData*, std::string_view) { return 0; });
  boxes = 0, box_answer = 0;  // closed with a real Enter
  HostKeys("Return");
  EXPECT_TRUE(Until([&] { return boxes == 1 && FindWindowA("#32770", nullptr) == nullptr; }));
  EXPECT_TRUE(keys("key a", "a.txt"));
  ExplorerProbeFunctionSet(nullptr);
  box_answer = IDOK;
  EXPECT_EQ(std::pair(boxes, ExplorerPathGet(kMain)), std::pair(1, kRoot));
}

// The explorer events of kMain that `act` gives, as "C3 O3 E-1 " (chosen, opened, entered), once
// they end as `expected` (type-ahead chooses at every letter); a button press with no source
// fails the test.
std::string Happen(const std::function<void()>& act, const std::string& expected) {
  std::string seen;
  act();
  PollUntil([&](int32_t code) {
    EXPECT_FALSE(code == WM_LBUTTONDOWN && EventSourceId() == 0);
    const int64_t detail = EventDetail() - EXPLORER_EVENT_CHOSEN;
    if (code == EVENT_GADGET && EventSourceId() == kMain && detail >= 0 && detail < 3)
      seen += "COE"[detail] + std::to_string(EventItemIndex()) + " ";
    return seen.ends_with(expected);
  });
  return seen;
}

// Real clicks and keys give the gadget's own events: a choice by mouse, arrows, Home/End or
// type-ahead, a file opened by a double click or Enter, a folder entered. The answers about the
// choice hold at the call: with nothing chosen, a choice not painted, several, in the drive list,
// minimised; the chosen row stays coloured when the focus leaves, and four automatic columns fit.
TEST_F(ExplorerGadget, ChoicesOpeningsAndEntriesAreEventsAndTheAnswersHoldAtTheCall) {
  ExplorerColumnSort(kMain, 1);  // by size: "..", the folders, then kFiles in their order
  const auto click = [&](const std::string& name, int clicks) {
    return [this, name, clicks] {
      RECT r = {LVIR_LABEL, 0, 0, 0};
      SendMessageA(list_, LVM_GETITEMRECT, Row(list_, name), reinterpret_cast<LPARAM>(&r));
      Click(list_, r, clicks);
    };
  };
  const auto keys = [](const std::string& xdotool) {
    return [=] { HostRun("sleep 1; xdotool " + xdotool); };  // type-ahead forgets after a moment
  };
  const std::string a = std::to_string(Row(list_, "a.txt")), last = std::to_string(16 - 1);
  const std::string s1024 = std::to_string(Row(list_, "s1024.bin"));
  // clang-format off
  const std::pair<std::function<void()>, std::string> steps[] = {
      {click("a.txt", 1), "C" + a + " "}, {keys("key Down"), "C" + std::to_string(Row(list_, "a.txt") + 1) + " "},
      {keys("key Home"), "C0 "}, {keys("key End"), "C" + last + " "}, {keys("type s1024"), "C" + s1024 + " "},
      {keys("key Return"), "O" + s1024 + " "}, {click("a.txt", 2), "C" + a + " O" + a + " "},
      {click("sub", 2), "C" + std::to_string(Row(list_, "sub")) + " E-1 "}, {keys("key Home Return"), "C0 E-1 "}};
  // clang-format on
  for (const auto& [act, expected] : steps) {
    const std::string seen = Happen(act, expected);
    EXPECT_TRUE(seen.ends_with(expected)) << seen << " for " << expected;
  }
  EXPECT_EQ(ExplorerPathGet(kMain), kRoot);
  const auto answers = [](GadgetId id) {
    return std::to_string(ExplorerChosenIndexGet(id)) + " " + ExplorerChosenPathGet(id) + " " +
           std::to_string(ExplorerChosenKindGet(id));
  };
  EXPECT_EQ(answers(kMain), "-1  0");  // nothing chosen after a move
  const auto choose = [&](const std::string& name, UINT state) {
    ListView_SetItemState(list_, Row(list_, name), state, state);  // no paint in between
    return answers(kMain);
  };
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  const std::string parent = kRoot.substr(0, kRoot.rfind('\\', kRoot.size() - 2) + 1);
  EXPECT_EQ(choose("..", both), "0 " + parent + " 1");
  ShowWindow(CurrentWindowGet(), SW_MINIMIZE);
  EXPECT_EQ(choose("sub", both), std::to_string(Row(list_, "sub")) + " " + kRoot + "sub\\ 1");
  ShowWindow(CurrentWindowGet(), SW_RESTORE);
  EXPECT_EQ(choose("a.txt", LVIS_SELECTED),
            std::to_string(Row(list_, "sub")) + " " + kRoot + "sub\\ 1");
  EXPECT_EQ(ExplorerChosenPathsGet(kMain),
            (Strings{parent, kRoot + "sub\\", kRoot + "a.txt"}));  // in list order
  EXPECT_EQ(choose("a.txt", both), a + " " + kRoot + "a.txt 2");
  // The chosen row keeps its colour without the focus; no horizontal scroll bar.
  SetFocus(CurrentWindowGet());
  UpdateWindow(list_);
  RECT row = {LVIR_LABEL, 0, 0, 0};
  SendMessageA(list_, LVM_GETITEMRECT, Row(list_, "a.txt"), reinterpret_cast<LPARAM>(&row));
  POINT inside = {row.left + 2, (row.top + row.bottom) / 2};
  ClientToScreen(list_, &inside);
  EXPECT_NE(GetPixel(GetDC(nullptr), inside.x, inside.y), RGB(255, 255, 255));
  EXPECT_EQ(GetWindowLongPtrA(list_, GWL_STYLE) & WS_HSCROLL, 0);
  ExplorerPathSet(kMain, "");
  EXPECT_EQ(choose(Cell(list_, 0, 0), both), "0 " + Cell(list_, 0, 0) + " 3");
  EXPECT_EQ(answers(kOther) + std::to_string(ExplorerChosenPathsGet(kOther).size()), "-1  00");
  // Paths resolve before the move; a move that fails leaves path, listing and choice.
  EXPECT_EQ(ExplorerPathSet(kMain, (kRoot + "sub/../New.txt/.").c_str()), -1);
  EXPECT_EQ(ExplorerPathGet(kMain), kRoot + "New.txt\\");
  choose("b.txt", both);
  EXPECT_EQ(ExplorerPathSet(kMain, (kRoot + "nowhere\\..\\gone").c_str()), 0);
  EXPECT_EQ(std::pair(ExplorerPathGet(kMain), Column(list_)),
            std::pair(kRoot + "New.txt\\", Strings{"..", "b.txt"}));
  EXPECT_EQ(ExplorerChosenPathGet(kMain), kRoot + "New.txt\\b.txt");
}

// The listings a list view was given (LVM_SETITEMCOUNT).
int listings = 0;
LRESULT CALLBACK CountListings(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR) {
  listings += message == LVM_SETITEMCOUNT;
  return DefSubclassProc(window, message, wparam, lparam);
}

// The listing follows its folder: files made, renamed and removed from either side show, the
// choice kept; a burst of 1,000 costs a few listings, not one a file; with watching off nothing
// shows until it is on again; a folder that goes gives way to its parent, as if entered.
TEST_F(ExplorerGadget, TheListingFollowsItsFolderAndGivesWayWhenItGoes) {
  const std::string unix_folder = scan_ + "/watch";
  const std::string parent = root_.substr(0, root_.size() - sizeof("tree")),
                    folder = parent + "watch\\";
  ASSERT_TRUE(HostRun("rm -rf " + unix_folder + " && mkdir " + unix_folder + " && touch " +
                      unix_folder + "/keep.txt"));
  ASSERT_EQ(ExplorerPathSet(kMain, folder.c_str()), -1);
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, Row(list_, "keep.txt"), both, both);
  const auto shows = [&](Strings names) {
    return Until([&] {
      Strings shown = Column(list_);
      std::sort(shown.begin(), shown.end());
      return shown == names;
    });
  };
  CloseHandle(
      CreateFileA((folder + "made.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, 0));
  EXPECT_TRUE(shows({"..", "keep.txt", "made.txt"}));
  EXPECT_TRUE(HostRun("mv " + unix_folder + "/made.txt " + unix_folder + "/moved.txt"));
  EXPECT_TRUE(shows({"..", "keep.txt", "moved.txt"}));
  EXPECT_TRUE(DeleteFileA((folder + "moved.txt").c_str()));
  EXPECT_TRUE(shows({"..", "keep.txt"}));
  EXPECT_EQ(ExplorerChosenPathGet(kMain), folder + "keep.txt");
  SetWindowSubclass(list_, CountListings, 0, 0);
  listings = 0;
  EXPECT_TRUE(HostRun("cd " + unix_folder + " && seq -f f%04g 1000 | xargs touch"));
  EXPECT_TRUE(Until([&] { return ListView_GetItemCount(list_) == 1002; }));
  EXPECT_LT(listings, 10);
  ExplorerWatchSet(kMain, 0);
  EXPECT_TRUE(HostRun("touch " + unix_folder + "/late.txt"));
  PollUntil([](int32_t) { return false; }, 1000);
  EXPECT_EQ(ListView_GetItemCount(list_), 1002);
  EXPECT_EQ(ExplorerWatchSet(kMain, 1), -1);
  EXPECT_EQ(ListView_GetItemCount(list_), 1003);
  EXPECT_EQ(ExplorerChosenPathGet(kMain), folder + "keep.txt");
  EXPECT_TRUE(HostRun("rm -rf " + unix_folder));
  EXPECT_EQ(Happen([] {}, "E-1 "), "E-1 ");
  EXPECT_EQ(ExplorerPathGet(kMain), parent);
}

// The notification codes a window was sent, in order.
std::vector<UINT> notified;
LRESULT CALLBACK RecordNotify(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                              DWORD_PTR) {
  if (message == WM_NOTIFY) notified.push_back(reinterpret_cast<NMHDR*>(lparam)->code);
  return DefSubclassProc(window, message, wparam, lparam);
}

// A click clears the choice and shows the top, without news of that for the application.
TEST_F(ExplorerGadget, HeaderClicksFlipTheOrderWhicheverColumnIsClicked) {
  Strings up;
  for (const auto& file : kFiles) up.push_back(file.name);
  const Strings down(up.rbegin(), up.rend());
  // Size, Size again, Type, Size: the click on Type flips the order as well.
  const std::pair<int, const Strings*> clicks[] = {{1, &up}, {1, &down}, {2, nullptr}, {1, &down}};
  SetWindowPos(GadgetWindowOf(kMain), nullptr, 0, 0, 860, 120, SWP_NOMOVE | SWP_NOZORDER);
  SetWindowSubclass(GetParent(GadgetWindowOf(kMain)), RecordNotify, 0, 0);
  const UINT chosen = LVIS_SELECTED | LVIS_FOCUSED,
             changing[] = {LVN_ITEMCHANGING, LVN_ITEMCHANGED};
  for (const auto& [clicked, files] : clicks) {
    const int column = clicked;  // a lambda may not capture a structured binding (C++17)
    RECT rect;
    Header_GetItemRect(ListView_GetHeader(list_), column, &rect);
    ListView_SetItemState(list_, 9, chosen, chosen);
    ListView_EnsureVisible(list_, 15, FALSE);
    Sleep(GetDoubleClickTime() + 100);  // two quick clicks at one place are a double click
    notified.clear();
    EventColumnClickTake();  // one an earlier test left must not pass for this one
    Click(ListView_GetHeader(list_), rect, 1);
    // The click comes back as the gadget's event once the list is sorted.
    PollUntil([&](int32_t code) {
      return code == EVENT_GADGET && EventSourceId() == kMain && EventColumnClickTake() == column;
    });
    EXPECT_EQ(
        std::tuple(ListView_GetNextItem(list_, -1, LVNI_SELECTED),
                   ListView_GetNextItem(list_, -1, LVNI_FOCUSED), ListView_GetTopIndex(list_)),
        std::tuple(-1, -1, 0));
    EXPECT_EQ(std::ranges::find_first_of(notified, changing), notified.end());
    const Strings names = Column(list_);
    ASSERT_EQ(names.size(), 16u);
    EXPECT_TRUE(files != &up || Strings(names.end() - 11, names.end()) == up) << column;
    EXPECT_TRUE(files != &down || Strings(names.begin() + 1, names.begin() + 12) == down);
  }
}

TEST_F(ExplorerGadget, PatternsCarryIntoFoldersFallBackToDotDotAndFailedMovesChangeNothing) {
  const std::string txt = kRoot + "*.txt";
  ExplorerPathSet(kMain, txt.c_str());
  ASSERT_EQ(Open(kMain, "New.txt"), kRoot + "New.txt\\");
  EXPECT_EQ(Column(list_), (Strings{"..", "b.txt"}));
  ExplorerPathSet(kMain, txt.c_str());
  const Strings shown = Column(list_);
  // Wine run as root ignores Unix rights, so the probe's refusal (0) is stood in for. A folder
  // that vanishes between the probe and the scan (a probe that says yes): the move fails too.
  static int32_t probe;  // read by the stand-in, which captures nothing
  for (const int32_t answer : {PROBE_ACCESS_DENIED, PROBE_OK}) {
    probe = answer;
    ExplorerProbeFunctionSet([](const ExplorerGadgetData*, std::string_view) { return probe; });
    boxes = 0;
    EXPECT_EQ(ExplorerPathSet(kMain, (kRoot + "gone\\*.txt").c_str()), 0);
    EXPECT_EQ(std::pair(boxes, ExplorerPathGet(kMain)), std::pair(probe ? 0 : 1, kRoot));
    EXPECT_EQ(Column(list_), shown);
  }
  ExplorerProbeFunctionSet(nullptr);
  EXPECT_EQ(box_seen, "Error|Access Denied");
  EXPECT_EQ(ExplorerPathSet(kMain, (kRoot + "nowhere").c_str()), 0);
  EXPECT_EQ(Open(kMain, "a.txt"), kRoot);  // a file is no folder to move into
  // The pattern stays with the path it belongs to, so the folder still lists when sorted.
  for (int twice = 0; twice < 2; ++twice) ExplorerColumnSort(kMain, 0);
  EXPECT_EQ(Column(list_), shown);
  ASSERT_EQ(Open(kMain, "Old.txt"), kRoot + "Old.txt\\");
  EXPECT_EQ(Column(list_), Strings{".."});
  ExplorerColumnSort(kMain, 0);  // from here on every name shows
  EXPECT_EQ(Column(list_), (Strings{"..", "keep.dat"}));
}

TEST_F(ExplorerGadget, ViewModesSetStylesAndImageListsAndTwoOfThemDropThePattern) {
  SHFILEINFOA info = {};
  const auto large = SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX);
  const DWORD kept = LVS_OWNERDATA | LVS_SHAREIMAGELISTS;
  // clang-format off
  const struct { int64_t mode, result; DWORD view; } rows[] = {
      {0, -1, LVS_ICON}, {1, -1, LVS_REPORT}, {2, -1, LVS_SMALLICON}, {3, -1, LVS_LIST}, {4, 0, LVS_LIST}};
  // clang-format on
  SetWindowSubclass(GadgetWindowOf(kMain), RecordNotify, 0, 0);
  for (const auto& row : rows) {
    UpdateWindow(list_);
    ExplorerPathSet(kMain, (kRoot + "*.txt").c_str());
    EXPECT_EQ(ExplorerViewModeSet(kMain, row.mode), row.result);
    EXPECT_EQ(GetWindowLongPtrA(list_, GWL_STYLE) & (LVS_TYPEMASK | kept), row.view | kept);
    EXPECT_EQ(SendMessageA(list_, LVM_GETIMAGELIST, LVSIL_NORMAL, 0), LRESULT(large));
    EXPECT_EQ(Column(list_).size(), row.mode == 2 || row.mode == 3 ? 16u : 5u);  // reloaded
    notified.clear();  // the new listing is painted: its cells are asked for
    UpdateWindow(list_);
    EXPECT_NE(std::ranges::find(notified, LVN_GETDISPINFOA), notified.end()) << row.mode;
  }
  EXPECT_EQ(ExplorerViewModeSet(0, 1), 0);
  // A list mode lists the folder again: its folders only, then its files with "..".
  ExplorerPathSet(kMain, kRoot.c_str());
  for (const auto& [mode, count] :
       {std::pair(EXPLORER_LIST_FOLDERS, 5u), {EXPLORER_LIST_FILES, 12u}}) {
    EXPECT_EQ(ExplorerListModeSet(kMain, mode), -1);
    EXPECT_EQ(Column(list_).size(), count) << mode;
  }
}

TEST_F(ExplorerGadget, AThousandCreateFreeCyclesLeaveNothingBehind) {
  // A double release would crash here, a missing one shows as growth of the live heap blocks
  // (Wine reports no private bytes) or of the GDI and USER objects (where counted: not by Wine).
  auto cycles = [&](int count) {
    for (int k = 0; k < count; ++k) {
      ExplorerGadgetCreate(kSpare, 0, 0, 300, 200, (kRoot + "sub").c_str(), nullptr);
      ImageComboCreate(kOther, 0, 0, 100, 100, 16, CBS_DROPDOWNLIST);
      for (GadgetId id : {kSpare, kOther}) GadgetFree(id);
    }
    HANDLE heaps[64], self = GetCurrentProcess();
    std::array<int64_t, 3> used = {GetGuiResources(self, GR_GDIOBJECTS),
                                   GetGuiResources(self, GR_USEROBJECTS), 0};
    for (DWORD h = 0, n = GetProcessHeaps(64, heaps); h < std::min<DWORD>(n, 64); ++h)
      for (PROCESS_HEAP_ENTRY e = {}; HeapWalk(heaps[h], &e);)
        used[2] += e.wFlags & PROCESS_HEAP_ENTRY_BUSY ? e.cbData : 0;
    return used;
  };
  const auto warm = cycles(100), done = cycles(1000);
  EXPECT_LE(std::max(done[0] - warm[0], done[1] - warm[1]), 10);
  EXPECT_LT(done[2] - warm[2], 64 << 10);  // one image list a cycle grew it by 192 KB
}

// COM for the shell's handlers: apartment-threaded where an explorer is made, unless the
// application initialised it there itself, and then its own CoUninitialize still ends it.
TEST_F(ExplorerGadget, ExplorersInitialiseComOnTheirThreadAndLeaveTheApplicationsOwnAlone) {
  const int none = -1, sta = COINIT_APARTMENTTHREADED, mta = COINIT_MULTITHREADED;
  // clang-format off
  const struct { int own; DWORD probe; HRESULT expected; } rows[] = {{none, sta, S_FALSE}, {sta, mta, S_OK}, {mta, sta, RPC_E_CHANGED_MODE}};
  // clang-format on
  HWND window = CurrentWindowGet();
  CurrentWindowSet(nullptr);  // the gadget's window then fails, after COM
  for (const auto& row : rows) {
    HRESULT seen = E_FAIL;
    std::thread([&] {
      if (row.own != none) CoInitializeEx(nullptr, row.own);
      ExplorerGadgetCreate(kSpare, 0, 0, 100, 100, "", nullptr);
      if (row.own == sta) CoUninitialize();
      seen = CoInitializeEx(nullptr, row.probe);
    }).join();
    EXPECT_EQ(seen, row.expected) << row.own;
  }
  CurrentWindowSet(window);
}

// Under code page 1252 a folder named 文档 lists as "??" and one named Ωdir as "?dir", not as
// the "Odir" of best fit, which names the real Odir beside it: each is entered through its own
// short name, whether the folder is read through its handle or searched with a pattern.
TEST_F(ExplorerGadget, ANameOutsideTheCodePageIsEnteredThroughItsShortName) {
  const std::string folder = root_.substr(0, root_.size() - sizeof("tree")) + "wide";
  const std::wstring wide(folder.begin(), folder.end());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const struct {
    const wchar_t *name, *inside;
    const char *shown, *pattern;
  } rows[] = {{L"\\\u6587\u6863", L"a.txt", "??", ""},
              {L"\\\u03A9dir", L"b.txt", "?dir", "\\*"},
              {L"\\Odir", L"c.txt", "Odir", "\\*"}};
  for (const auto& row : rows) {
    ASSERT_TRUE(CreateDirectoryW((wide + row.name).c_str(), nullptr));
    CloseHandle(CreateFileW((wide + row.name + L"\\" + row.inside).c_str(), GENERIC_WRITE, 0,
                            nullptr, CREATE_NEW, 0, 0));
  }
  for (const auto& row : rows) {
    WIN32_FIND_DATAW found;
    FindClose(FindFirstFileW((wide + row.name).c_str(), &found));
    const std::wstring leaf = row.shown[0] == '?' ? found.cAlternateFileName : found.cFileName;
    ASSERT_EQ(ExplorerPathSet(kMain, (folder + row.pattern).c_str()), -1);
    EXPECT_EQ(Open(kMain, row.shown), folder + "\\" + std::string(leaf.begin(), leaf.end()) + "\\");
    const std::wstring inside = row.inside;  // listed through the same name
    EXPECT_EQ(Column(list_), (Strings{"..", std::string(inside.begin(), inside.end())}));
  }
}

}  // namespace
