// Tests of scanning under Wine, on folders, files and drives that the tests make.
#include "toolkit/explorer/explorer_scan.h"

#include <winioctl.h>

#include <gtest/gtest.h>

#include <map>

#include "tests/explorer/explorer_test_support.h"
#include "tests/support/wine_host.h"
#include "toolkit/explorer/explorer_text.h"

namespace {

// A sparse file, so that a big one writes nothing; its last write time set when given.
void MakeFile(const std::string& path, int64_t size, const FILETIME* written = nullptr) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD returned = 0;
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
  LARGE_INTEGER end{.QuadPart = size};
  EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file)) << path;
  EXPECT_TRUE(written == nullptr || SetFileTime(file, nullptr, nullptr, written)) << path;
  CloseHandle(file);
}

// root_ holds sub1\ (folders f.txt\ and g\, files x.txt and y.dat), sub2\ (big.bin of 4 GiB + 5
// bytes), a.txt (10 bytes), b.dat (empty) and c.txt (3 bytes, written at the known time).
class ExplorerScanTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "vantrel-explorer-" + std::to_string(GetCurrentProcessId()) + "\\";
    for (const char* folder : {"", "sub1", "sub2", "sub1\\f.txt", "sub1\\g"})
      CreateDirectoryA((root_ + folder).c_str(), nullptr);
    // Local time 5:03:09 on 1 February 2021 as the UTC file time the system stores.
    const SYSTEMTIME local{2021, 2, 0, 1, 5, 3, 9, 0};
    FILETIME localTime, known;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &known);
    for (const auto& [leaf, size] : kSizes)
      MakeFile(root_ + leaf, size, leaf == "c.txt" ? &known : nullptr);
  }
  static void TearDownTestSuite() { HostRun("rm -rf \\\"$(winepath -u '" + root_ + "')\\\""); }

  static inline std::string root_;
  // clang-format off
  static inline const std::map<std::string, uint64_t> kSizes = {
      {"a.txt", 10},      {"b.dat", 0},       {"c.txt", 3},
      {"sub1\\x.txt", 1}, {"sub1\\y.dat", 1}, {"sub2\\big.bin", 4294967301}};
  // clang-format on
};

TEST_F(ExplorerScanTest, ListsDotDotFoldersThenFilesByModePatternAndFirstOnly) {
  TestGadget gadget;
  const char* const all = ".. sub1|sub2 a.txt|b.dat|c.txt";
  const int32_t on = EXPLORER_FIRST_ONLY_ON, off = EXPLORER_FIRST_ONLY_OFF;
  // clang-format off
  const struct { int64_t listMode; int32_t firstOnly; const char *pattern, *leaf; int32_t probe; int64_t count; const char* shown; } rows[] = {
      {EXPLORER_LIST_ALL, off, "", "", PROBE_OK, 6, all},
      {EXPLORER_LIST_FOLDERS, off, "", "", PROBE_OK, 3, ".. sub1|sub2"},
      {EXPLORER_LIST_FILES, off, "", "", PROBE_OK, 4, ".. a.txt|b.dat|c.txt"},
      {7, off, "", "", PROBE_OK, 6, all},  // any other mode lists everything
      {EXPLORER_LIST_ALL, on, "", "nowhere\\", PROBE_FAILED, 0, all},  // a missing folder: lists untouched
      {EXPLORER_LIST_FILES, off, "", "sub2\\", PROBE_OK, 2, ".. big.bin"},
      {EXPLORER_LIST_ALL, off, "*.txt", "sub1\\*.txt", PROBE_OK, 2, "f.txt x.txt"},  // folders match too
      {EXPLORER_LIST_ALL, on, "", "", PROBE_OK, 1, ".."},
      // The window side's fallback when a pattern matches nothing looks for the way up alone.
      {EXPLORER_LIST_ALL, on, "*..*", "*..*", PROBE_OK, 1, ".."},
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.leaf) + ", list mode " + std::to_string(row.listMode));
    gadget.data.listMode = row.listMode;
    gadget.data.pattern = row.pattern;
    ExplorerFirstOnlySet(row.firstOnly);
    const std::string path = root_ + row.leaf;
    EXPECT_EQ(ExplorerFolderProbe(&gadget.data, path), row.probe);
    EXPECT_EQ(ExplorerScan(&gadget.data, path), row.count);
    EXPECT_EQ(Shown(Names(gadget.list), row.shown), row.shown);
    EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
    EXPECT_EQ(ExplorerScanListGet()->head, nullptr);
    for (const ExplorerEntry* e = gadget.list.head; e != nullptr && row.count > 0; e = e->next) {
      EXPECT_EQ(e->path, path + e->name);
      const auto size = kSizes.find(std::string(row.leaf).substr(0, 5) + e->name);
      EXPECT_EQ(e->size, size == kSizes.end() ? 0 : size->second) << e->name;
    }
  }
}

TEST_F(ExplorerScanTest, ProbeMapsAccessDeniedAndNotFound) {
  // Wine run as root ignores Unix permissions, so access denied cannot be provoked: the mapping
  // of the error codes is checked instead, and a pattern that matches nothing on a real folder.
  // clang-format off
  const struct { DWORD error; int32_t expected; } errors[] = {{ERROR_ACCESS_DENIED, PROBE_ACCESS_DENIED},
      {ERROR_FILE_NOT_FOUND, PROBE_NOT_FOUND}, {ERROR_PATH_NOT_FOUND, PROBE_FAILED}, {0, PROBE_FAILED}};
  // clang-format on
  for (const auto& row : errors)
    EXPECT_EQ(ExplorerProbeResultOf(row.error), row.expected) << row.error;
  TestGadget gadget;
  gadget.data.pattern = "*.zzz";
  EXPECT_EQ(ExplorerFolderProbe(&gadget.data, root_ + "*.zzz"), PROBE_NOT_FOUND);
  // No gadget: nothing to list into, and the probe reports failure instead of reading through null.
  EXPECT_EQ(ExplorerScan(nullptr, root_), 0);
  EXPECT_EQ(ExplorerFolderProbe(nullptr, root_), -1);
}

TEST_F(ExplorerScanTest, LastWriteTimeGivesBothTexts) {
  TestGadget gadget;
  gadget.data.pattern = "c.txt";
  ASSERT_EQ(ExplorerScan(&gadget.data, root_ + "c.txt"), 1);
  EXPECT_STREQ(gadget.list.head->modifiedText, "01.02.2021 05:03:09");
  EXPECT_EQ(ExplorerModifiedText(0), "01.02.2021 05:03:09");  // from the record last found
  EXPECT_EQ(ExplorerModifiedText(1), "2021.02.01 05:03:09");
  // A time the system cannot convert gives empty texts, not stale or uninitialised digits.
  ExplorerFindDataGet()->ftLastWriteTime = FILETIME{0xFFFFFFFF, 0xFFFFFFFF};
  EXPECT_EQ(ExplorerModifiedText(0), "");
  EXPECT_EQ(ExplorerModifiedText(1), "");
}

TEST(ExplorerDrives, TheDriveListIsTheMachinesAndARootGetsDotDotAtItsFirstFolderOnly) {
  char drives[EXPLORER_DRIVE_STRINGS_SIZE];
  const DWORD length = GetLogicalDriveStringsA(sizeof(drives), drives);
  Strings roots;
  for (DWORD at = 0; at < length; at += EXPLORER_DRIVE_ROOT_STRIDE) roots.emplace_back(drives + at);
  TestGadget gadget;
  EXPECT_EQ(ExplorerScan(&gadget.data, "\\"), static_cast<int64_t>(roots.size()));
  EXPECT_EQ(Names(gadget.list), roots);
  for (const ExplorerEntry* e = gadget.list.head; e; e = e->next) {
    ULARGE_INTEGER total{};  // the drive's capacity as the system gives it; 0 when unreadable
    EXPECT_EQ(e->size, GetDiskFreeSpaceExA(e->name, nullptr, &total, nullptr) ? total.QuadPart : 0)
        << e->name;
  }
  // C:\ holds folders: ".." comes first with the root's path, once; no "." ever.
  ASSERT_GE(ExplorerScan(&gadget.data, "C:\\"), 2);
  EXPECT_STREQ(gadget.list.head->path, "C:\\..");
  EXPECT_EQ(std::ranges::count(Names(gadget.list), ".."), 1);
  EXPECT_EQ(std::ranges::count(Names(gadget.list), "."), 0);
}

// Drives and shares that only the Unix side can make: dosdevices links of the prefix. R: holds
// files only, S: a folder and a file.
TEST(ExplorerDrives, DotDotAtARootOnlyWithAFolderAndNeverAtAShareRoot) {
  const std::string target = "/tmp/vantrel-explorer-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(HostRun("mkdir -p " + target + "/drive " + target + "/rooted/d1 " + target +
                      "/share/dir && cd " + target +
                      " && touch drive/one.txt drive/two.txt rooted/f.txt share/top.txt"));
  const int64_t all = EXPLORER_LIST_ALL;
  const int32_t on = EXPLORER_FIRST_ONLY_ON, off = EXPLORER_FIRST_ONLY_OFF;
  // clang-format off
  const struct { const char *device, *leaf, *path; int64_t listMode; int32_t firstOnly, shareRoot; int64_t count; const char* shown; } rows[] = {
      {"r:", "drive", "R:\\", all, off, 0, 2, "one.txt|two.txt"},
      {"s:", "rooted", "S:\\", all, off, 0, 3, ".. d1 f.txt"},
      {"s:", "rooted", "S:\\", all, on, 0, 2, ".. d1"},  // the made ".." and the first folder
      {"s:", "rooted", "S:\\", EXPLORER_LIST_FILES, off, 0, 1, "f.txt"},  // no ".." at a root
      {"unc/vantrelhost/share", "share", "\\\\vantrelhost\\share\\", all, off, -1, 2, "dir top.txt"},
      {"unc/vantrelhost/share", "share", "\\\\vantrelhost\\share\\dir\\", all, off, 0, 1, ".."},
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.path << ", list mode " << row.listMode);
    const std::string link = "\\\"$WINEPREFIX/dosdevices/" + std::string(row.device) + "\\\"";
    ASSERT_TRUE(HostRun("mkdir -p \\\"$(dirname " + link + ")\\\" && ln -sfn " + target + "/" +
                        row.leaf + " " + link));
    TestGadget gadget;
    gadget.data.listMode = row.listMode;
    ExplorerFirstOnlySet(row.firstOnly);
    EXPECT_EQ(ExplorerIsShareRoot(row.path), row.shareRoot);
    EXPECT_EQ(ExplorerScan(&gadget.data, row.path), row.count);
    EXPECT_EQ(Shown(Names(gadget.list), row.shown), row.shown);
    EXPECT_EQ(ExplorerFirstOnlyGet(), off);
    HostRun("rm -f " + link);
  }
  HostRun("rm -rf " + target);
}

}  // namespace
