// Tests of scanning under Wine, on folders, files and drives that the tests make.
#include "toolkit/explorer/explorer_scan.h"

#include <winioctl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/explorer/explorer_test_support.h"
#include "tests/support/wine_host.h"
#include "toolkit/explorer/explorer_text.h"

namespace {

using Names_t = std::vector<std::string>;
using NameSet = std::set<std::string>;

NameSet NameSetOf(const ExplorerEntryList& list, size_t from = 0) {
  const Names_t names = Names(list);
  return NameSet(names.begin() + static_cast<std::ptrdiff_t>(std::min(from, names.size())),
                 names.end());
}

std::string TempFolder(const std::string& leaf) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "vantrel-explorer-" + std::to_string(GetCurrentProcessId()) + "-" +
         leaf + "\\";
}

void RemoveFolder(const std::string& folder) {
  HostRun("rm -rf \\\"$(winepath -u '" + folder + "' 2>/dev/null)\\\"");
}

void MakeFile(const std::string& path, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(std::string(size, 'x').data(), 1, size, file);
  std::fclose(file);
}

// Local time 5:03:09 on 1 February 2021 as the UTC file time the system stores.
FILETIME KnownLastWriteTime() {
  const SYSTEMTIME local{2021, 2, 0, 1, 5, 3, 9, 0};
  FILETIME local_time, utc;
  SystemTimeToFileTime(&local, &local_time);
  LocalFileTimeToFileTime(&local_time, &utc);
  return utc;
}

void SetLastWrite(const std::string& path, const FILETIME& time) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
  CloseHandle(file);
}

// A folder holding sub1\, sub2\, a.txt (10 bytes), b.dat (empty) and c.txt (3 bytes).
class ExplorerScanTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ExplorerScanListInit();
    root_ = TempFolder("tree");
    for (const char* folder : {"", "sub1", "sub2"})
      CreateDirectoryA((root_ + folder).c_str(), nullptr);
    MakeFile(root_ + "a.txt", 10);
    MakeFile(root_ + "b.dat", 0);
    MakeFile(root_ + "c.txt", 3);
  }
  static void TearDownTestSuite() { RemoveFolder(root_); }
  void SetUp() override { ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_OFF); }

  static std::string root_;
};
std::string ExplorerScanTest::root_;

TEST_F(ExplorerScanTest, SubfolderListsItsOwnDotDotThenFoldersThenFilesWithTrueSizes) {
  TestGadget gadget;
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 6);
  const Names_t names = Names(gadget.list);
  ASSERT_EQ(names.size(), 6u);
  EXPECT_EQ(names[0], "..");
  EXPECT_EQ(NameSet(names.begin() + 1, names.begin() + 3), (NameSet{"sub1", "sub2"}));
  EXPECT_EQ(NameSet(names.begin() + 3, names.end()), (NameSet{"a.txt", "b.dat", "c.txt"}));
  EXPECT_EQ(ExplorerScanListGet()->head, nullptr);
  const std::map<std::string, uint64_t> sizes = {{"a.txt", 10}, {"b.dat", 0}, {"c.txt", 3}};
  for (const ExplorerEntry* e = gadget.list.head; e != nullptr; e = e->next) {
    EXPECT_EQ(std::string(e->path), root_ + e->name);
    const auto size = sizes.find(e->name);
    EXPECT_EQ(e->kind, size == sizes.end() ? ENTRY_KIND_FOLDER : ENTRY_KIND_FILE) << e->name;
    EXPECT_EQ(e->size, size == sizes.end() ? 0 : size->second) << e->name;
  }
}

TEST_F(ExplorerScanTest, ListModes) {
  const struct {
    int64_t mode;
    int64_t count;
    NameSet afterDotDot;
  } rows[] = {
      {EXPLORER_LIST_FOLDERS, 3, {"sub1", "sub2"}},
      {EXPLORER_LIST_FILES, 4, {"a.txt", "b.dat", "c.txt"}},
      {7, 6, {"sub1", "sub2", "a.txt", "b.dat", "c.txt"}},  // any other mode lists everything
  };
  for (const auto& row : rows) {
    TestGadget gadget;
    gadget.data.listMode = row.mode;
    EXPECT_EQ(ExplorerScan(&gadget.data, root_), row.count) << row.mode;
    EXPECT_EQ(Names(gadget.list).at(0), "..") << row.mode;
    EXPECT_EQ(NameSetOf(gadget.list, 1), row.afterDotDot) << row.mode;
  }
}

TEST_F(ExplorerScanTest, PatternFiltersFoldersAndFilesAndStandsInThePath) {
  const std::string folder = root_ + "sub1\\";
  CreateDirectoryA((folder + "f.txt").c_str(), nullptr);
  CreateDirectoryA((folder + "g").c_str(), nullptr);
  MakeFile(folder + "x.txt", 1);
  MakeFile(folder + "y.dat", 1);
  TestGadget gadget;
  gadget.data.pattern = "*.txt";
  const std::string search = folder + "*.txt";
  EXPECT_EQ(ExplorerScan(&gadget.data, search), 2);
  EXPECT_EQ(Names(gadget.list), (Names_t{"f.txt", "x.txt"}));
  EXPECT_EQ(std::string(gadget.list.tail->path), search + "x.txt");
}

TEST_F(ExplorerScanTest, FirstOnlyShowsOneFolderEntryNoFilesAndResets) {
  TestGadget gadget;
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 1);
  EXPECT_EQ(Names(gadget.list), (Names_t{".."}));
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 6);
  // The window side's fallback when a pattern matches nothing looks for the way up alone.
  gadget.data.pattern = "*..*";
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  EXPECT_EQ(ExplorerScan(&gadget.data, root_ + "*..*"), 1);
  EXPECT_EQ(Names(gadget.list), (Names_t{".."}));
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
}

TEST_F(ExplorerScanTest, ProbeResults) {
  const std::string missing = root_ + "nowhere\\";
  const struct {
    const char* pattern;
    std::string path;
    int expected;
  } rows[] = {
      {"", root_, PROBE_OK},
      {"*.txt", root_ + "*.txt", PROBE_OK},
      {"*.zzz", root_ + "*.zzz", PROBE_NOT_FOUND},
      {"", missing, PROBE_FAILED},
  };
  for (const auto& row : rows) {
    TestGadget gadget;
    gadget.data.pattern = row.pattern;
    EXPECT_EQ(ExplorerFolderProbe(&gadget.data, row.path), row.expected) << row.path;
  }
  EXPECT_EQ(ExplorerFolderProbe(nullptr, root_), PROBE_FAILED);
  EXPECT_EQ(ExplorerScan(nullptr, root_), 0);
  // Access denied cannot be provoked as root under Wine: the mapping of the codes is checked.
  const struct {
    DWORD error;
    int expected;
  } errors[] = {{ERROR_ACCESS_DENIED, PROBE_ACCESS_DENIED}, {ERROR_FILE_NOT_FOUND, PROBE_NOT_FOUND},
                {ERROR_PATH_NOT_FOUND, PROBE_FAILED},       {ERROR_SHARING_VIOLATION, PROBE_FAILED},
                {ERROR_INVALID_NAME, PROBE_FAILED},         {0, PROBE_FAILED}};
  for (const auto& row : errors)
    EXPECT_EQ(ExplorerProbeResultOf(row.error), row.expected) << row.error;
}

TEST_F(ExplorerScanTest, MissingFolderLeavesTheListsAlone) {
  TestGadget gadget;
  ASSERT_EQ(ExplorerScan(&gadget.data, root_), 6);
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  EXPECT_EQ(ExplorerScan(&gadget.data, root_ + "nowhere\\"), 0);
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
  EXPECT_EQ(ExplorerEntryListCount(&gadget.list), 6);
  EXPECT_EQ(ExplorerScanListGet()->head, nullptr);
}

TEST_F(ExplorerScanTest, FileOfFourGibibytesAndFiveBytes) {
  const std::string folder = root_ + "sub2\\";
  const std::string big = folder + "big.bin";
  HANDLE file = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD returned = 0;
  // Sparse, so that no 4 GiB are written.
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = 4294967301LL;
  ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(file));
  CloseHandle(file);
  TestGadget gadget;
  gadget.data.listMode = EXPLORER_LIST_FILES;
  ASSERT_EQ(ExplorerScan(&gadget.data, folder), 2);
  EXPECT_STREQ(gadget.list.tail->name, "big.bin");
  EXPECT_EQ(gadget.list.tail->size, 4294967301u);
  DeleteFileA(big.c_str());
}

TEST_F(ExplorerScanTest, LastWriteTimeGivesBothTexts) {
  const std::string folder = TempFolder("dated");
  CreateDirectoryA(folder.c_str(), nullptr);
  MakeFile(folder + "old.txt", 1);
  MakeFile(folder + "new.txt", 1);
  SetLastWrite(folder + "old.txt", KnownLastWriteTime());
  FILETIME later = KnownLastWriteTime();
  later.dwHighDateTime += 1;  // about seven minutes later
  SetLastWrite(folder + "new.txt", later);
  TestGadget gadget(EXPLORER_SORT_MODIFIED, EXPLORER_DESCENDING);
  gadget.data.listMode = EXPLORER_LIST_FILES;
  ASSERT_EQ(ExplorerScan(&gadget.data, folder), 3);
  EXPECT_EQ(Names(gadget.list), (Names_t{"..", "new.txt", "old.txt"}));
  EXPECT_STREQ(gadget.list.tail->modifiedText, "01.02.2021 05:03:09");
  EXPECT_STREQ(gadget.list.head->modifiedText, "");
  ExplorerFindDataGet()->ftLastWriteTime = KnownLastWriteTime();
  EXPECT_EQ(ExplorerModifiedText(0), "01.02.2021 05:03:09");
  EXPECT_EQ(ExplorerModifiedText(1), "2021.02.01 05:03:09");
  // A time the system cannot convert gives empty texts.
  ExplorerFindDataGet()->ftLastWriteTime = FILETIME{0xFFFFFFFF, 0xFFFFFFFF};
  EXPECT_EQ(ExplorerModifiedText(0), "");
  EXPECT_EQ(ExplorerModifiedText(1), "");
  RemoveFolder(folder);
}

TEST(ExplorerDriveList, ListsEveryDriveOfTheMachineInOrder) {
  ExplorerScanListInit();
  char drives[EXPLORER_DRIVE_STRINGS_SIZE];
  const DWORD length = GetLogicalDriveStringsA(sizeof(drives), drives);
  Names_t roots;
  for (DWORD at = 0; at < length; at += EXPLORER_DRIVE_ROOT_STRIDE) roots.emplace_back(drives + at);
  ASSERT_FALSE(roots.empty());
  for (const char* path : {"\\", ""}) {
    TestGadget gadget;
    EXPECT_EQ(ExplorerScan(&gadget.data, path), static_cast<int64_t>(roots.size()));
    EXPECT_EQ(Names(gadget.list), roots);
    for (const ExplorerEntry* e = gadget.list.head; e != nullptr; e = e->next) {
      EXPECT_EQ(e->kind, ENTRY_KIND_FILE);
      EXPECT_STREQ(e->path, e->name);
      EXPECT_STREQ(e->modifiedText, "");
      EXPECT_EQ(e->sizeRaised, 0);
      EXPECT_EQ(e->size, ExplorerDriveSize(e->name));
      std::string lowered = e->name;
      for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_EQ(std::string(e->extension), lowered);
    }
  }
  // The error mode stays quiet for the rest of the process.
  EXPECT_NE(SetErrorMode(SEM_FAILCRITICALERRORS) & SEM_FAILCRITICALERRORS, 0u);
  // A drive that is not there has size 0.
  std::string absent = "?:\\";
  for (char letter = 'Y'; letter > 'D' && absent[0] == '?'; --letter) {
    if (std::find(roots.begin(), roots.end(), std::string(1, letter) + ":\\") == roots.end())
      absent[0] = letter;
  }
  ASSERT_NE(absent[0], '?');
  EXPECT_EQ(ExplorerDriveSize(absent.c_str()), 0u);
}

TEST(ExplorerDriveRoot, MakesDotDotAtTheFirstFolderAndNeverADot) {
  ExplorerScanListInit();
  TestGadget gadget;
  const int64_t count = ExplorerScan(&gadget.data, "C:\\");
  ASSERT_GE(count, 2);
  const Names_t names = Names(gadget.list);
  EXPECT_EQ(names[0], "..");
  EXPECT_STREQ(gadget.list.head->path, "C:\\..");
  EXPECT_EQ(std::count(names.begin(), names.end(), ".."), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "."), 0);
  EXPECT_NE(std::find(names.begin(), names.end(), "windows"), names.end());
  gadget.data.listMode = EXPLORER_LIST_FILES;  // a drive root has no way up
  ExplorerScan(&gadget.data, "C:\\");
  EXPECT_EQ(NameSetOf(gadget.list).count(".."), 0u);
  // A pattern makes the path longer than a root: no ".." is made.
  gadget.data.listMode = EXPLORER_LIST_ALL;
  gadget.data.pattern = "win*";
  EXPECT_EQ(ExplorerScan(&gadget.data, "C:\\win*"), 1);
  EXPECT_EQ(Names(gadget.list), (Names_t{"windows"}));
  // The fallback shows at most one entry and clears the flag. (Windows finds nothing here;
  // Wine's "*..*" matches every name.)
  gadget.data.pattern = "*..*";
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  EXPECT_LE(ExplorerScan(&gadget.data, "C:\\*..*"), 1);
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
  gadget.data.pattern.clear();
  EXPECT_EQ(ExplorerScan(&gadget.data, "C:\\"), count);
}

// Drives and shares that only the Unix side can make: a dosdevices link of the prefix.
TEST(ExplorerLinkedRoot, DriveRootWithoutFoldersAndShareRootMakeNoDotDot) {
  ExplorerScanListInit();
  const std::string target = "/tmp/vantrel-explorer-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(HostRun("mkdir -p " + target + "/drive " + target + "/share/dir && touch " + target +
                      "/drive/one.txt " + target + "/drive/two.txt " + target + "/share/top.txt"));
  const struct {
    const char* device;
    const char* targetLeaf;
    const char* path;
    int64_t count;
    NameSet names;
  } rows[] = {
      {"r:", "drive", "R:\\", 2, {"one.txt", "two.txt"}},
      {"unc/vantrelhost/share", "share", "\\\\vantrelhost\\share\\", 2, {"dir", "top.txt"}},
      {"unc/vantrelhost/share", "share", "\\\\vantrelhost\\share\\dir\\", 1, {".."}},
  };
  for (const auto& row : rows) {
    const std::string link = "\\\"$WINEPREFIX/dosdevices/" + std::string(row.device) + "\\\"";
    ASSERT_TRUE(HostRun("mkdir -p \\\"$(dirname " + link + ")\\\" && ln -sfn " + target + "/" +
                        row.targetLeaf + " " + link));
    TestGadget gadget;
    EXPECT_EQ(ExplorerScan(&gadget.data, row.path), row.count) << row.path;
    EXPECT_EQ(NameSetOf(gadget.list), row.names) << row.path;
    HostRun("rm -f " + link);
  }
  HostRun("rm -rf " + target);
}

}  // namespace
