// Tests of scanning under Wine, on folders, files and drives that the tests make.
#include "toolkit/explorer/explorer_scan.h"

#include <map>

#include "tests/explorer/explorer_list_view.h"
#include "tests/explorer/explorer_test_support.h"

namespace {

// kRoot holds sub1\ (folders f.txt\ and g\, files x.txt and y.dat), sub2\ (big.bin of 4 GiB + 5
// bytes, sparse), a.txt (10 bytes), b.dat (empty) and c.txt (3 bytes, of 2000), all made on the
// Unix side in the tree folder below; beside it, the folders of drives and a share only the Unix
// side can make (dosdevices links of the prefix): R:\ holds two files, S:\ a folder and a file,
// \\vantrelhost\share\ a folder and a file.
class ExplorerScanTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string made = " && ln -sfn " + kUnixRoot;
    std::string make = "mkdir -p " + kUnixRoot + " && cd " + kUnixRoot +
                       " && mkdir -p tree/sub1/f.txt tree/sub1/g tree/sub2 r s/d1 share/dir " + at +
                       "unc/vantrelhost\\\" && touch r/one.txt r/two.txt s/f.txt share/top.txt" +
                       made + "/r " + at + "r:\\\"" + made + "/s " + at + "s:\\\"" + made +
                       "/share " + at + "unc/vantrelhost/share\\\"";
    for (const auto& [leaf, size] : kSizes) {
      std::string file = "tree/" + leaf;
      std::ranges::replace(file, '\\', '/');
      make += " && truncate -s " + std::to_string(size) + " " + file;
    }
    ASSERT_TRUE(HostRun(make + " && touch -d 2000-01-01 tree/c.txt"));
  }
  static void TearDownTestSuite() {
    HostRun("rm -rf " + kUnixRoot + " " + at + "r:\\\"" + at + "s:\\\"" + at +
            "unc/vantrelhost\\\"");
  }

  static inline const std::string root_ = kRoot + "tree\\", at = "\\\"$WINEPREFIX/dosdevices/";
  // clang-format off
  static inline const std::map<std::string, uint64_t> kSizes = {
      {"a.txt", 10},      {"b.dat", 0},       {"c.txt", 3},
      {"sub1\\x.txt", 1}, {"sub1\\y.dat", 1}, {"sub2\\big.bin", 4294967301}};
  // clang-format on
};

// A leaf is searched under root_, a drive or share path as it is.
TEST_F(ExplorerScanTest, ListsDotDotFoldersThenFilesByModePatternAndFirstOnly) {
  TestGadget gadget;
  const char* const all = ".. sub1|sub2 a.txt|b.dat|c.txt";
  const int64_t any = EXPLORER_LIST_ALL, files = EXPLORER_LIST_FILES;
  const int32_t on = EXPLORER_FIRST_ONLY_ON, off = EXPLORER_FIRST_ONLY_OFF, ok = PROBE_OK;
  // clang-format off
  const struct { int64_t listMode; int32_t firstOnly; const char *pattern, *leaf; int32_t probe; int64_t count; const char* shown; } rows[] = {
      {any, off, "", "", ok, 6, all}, {EXPLORER_LIST_FOLDERS, off, "", "", ok, 3, ".. sub1|sub2"},
      {files, off, "", "", ok, 4, ".. a.txt|b.dat|c.txt"},
      {any, on, "", "nowhere\\", PROBE_FAILED, 0, ".. a.txt|b.dat|c.txt"},  // missing: lists untouched
      {files, off, "", "sub2\\", ok, 2, ".. big.bin"},
      {any, off, "*.txt", "sub1\\*.txt", ok, 2, "f.txt x.txt"},  // folders match too
      {any, on, "", "", ok, 1, ".."},
      {any, off, "*.zzz", "*.zzz", PROBE_NOT_FOUND, 0, ".."},
      // A drive root makes its ".." at its first folder, so not without one, nor files only.
      {any, off, "", "R:\\", ok, 2, "one.txt|two.txt"}, {any, off, "", "S:\\", ok, 3, ".. d1 f.txt"},
      {any, on, "", "S:\\", ok, 2, ".. d1"}, {files, off, "", "S:\\", ok, 1, "f.txt"},
      {any, off, "*.*", "S:\\*.*", ok, 3, ".. d1 f.txt"},  // a root whatever pattern it carries
      // At the top of a share there is no way up; a folder below it has its own.
      {any, off, "", "\\\\vantrelhost\\share\\", ok, 2, "dir top.txt"},
      {any, off, "", "\\\\vantrelhost\\share\\dir\\", ok, 1, ".."}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.leaf) + ", list mode " + std::to_string(row.listMode));
    gadget.data.listMode = row.listMode;
    gadget.data.pattern = row.pattern;
    ExplorerFirstOnlySet(row.firstOnly);
    const bool absolute = row.leaf[0] == '\\' || (row.leaf[0] != '\0' && row.leaf[1] == ':');
    const std::string path = (absolute ? "" : root_) + row.leaf;
    EXPECT_EQ(ExplorerFolderProbe(&gadget.data, path), row.probe);
    EXPECT_EQ(ExplorerScan(&gadget.data, path), row.count);
    EXPECT_EQ(Shown(Names(gadget.list), row.shown), row.shown);
    EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
    EXPECT_EQ(ExplorerEntryListCount(ExplorerScanListGet()), 0);
    for (const ExplorerEntry& e : gadget.list.entries) {
      if (row.count == 0) break;  // the list of the row before
      EXPECT_EQ(ExplorerEntryPath(gadget.list, e), path + e.name);
      const auto size = kSizes.find(std::string(row.leaf).substr(0, 5) + e.name);
      EXPECT_EQ(e.size, size == kSizes.end() ? 0 : size->second) << e.name;
    }
  }
  // Every drive of the machine, with its capacity as the system gives it (0 when unreadable).
  char drives[EXPLORER_DRIVE_STRINGS_SIZE];
  const DWORD length = GetLogicalDriveStringsA(sizeof(drives), drives);
  Strings roots;
  for (DWORD at = 0; at < length; at += EXPLORER_DRIVE_ROOT_STRIDE) roots.emplace_back(drives + at);
  EXPECT_EQ(ExplorerScan(&gadget.data, "\\"), static_cast<int64_t>(roots.size()));
  EXPECT_EQ(Names(gadget.list), roots);
  for (const ExplorerEntry& e : gadget.list.entries) {
    ULARGE_INTEGER total{};
    const bool read = GetDiskFreeSpaceExA(e.name, nullptr, &total, nullptr);
    EXPECT_EQ(e.size, read ? total.QuadPart : 0) << e.name;
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

}  // namespace
