// Tests of scanning under Wine, on folders, files and drives that the tests make.
#include "toolkit/explorer/explorer_scan.h"

#include <winioctl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/explorer/explorer_test_support.h"
#include "tests/support/wine_host.h"
#include "toolkit/explorer/explorer_text.h"

namespace {

using Names_t = std::vector<std::string>;
using NameSet = std::set<std::string>;

NameSet NameSetOf(const ExplorerEntryList& list) {
  const Names_t names = Names(list);
  return NameSet(names.begin(), names.end());
}

std::string TempFolder(const std::string& leaf) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "vantrel-explorer-" + std::to_string(GetCurrentProcessId()) + "-" +
         leaf + "\\";
}

void MakeFile(const std::string& path, DWORD size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  const std::string bytes(size, 'x');
  DWORD written = 0;
  if (size > 0) WriteFile(file, bytes.data(), size, &written, nullptr);
  CloseHandle(file);
}

// Local time 5:03:09 on 1 February 2021 as the UTC file time the system stores.
FILETIME KnownLastWriteTime() {
  SYSTEMTIME local{};
  local.wYear = 2021;
  local.wMonth = 2;
  local.wDay = 1;
  local.wHour = 5;
  local.wMinute = 3;
  local.wSecond = 9;
  FILETIME local_time;
  FILETIME utc;
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
    CreateDirectoryA(root_.c_str(), nullptr);
    CreateDirectoryA((root_ + "sub1").c_str(), nullptr);
    CreateDirectoryA((root_ + "sub2").c_str(), nullptr);
    MakeFile(root_ + "a.txt", 10);
    MakeFile(root_ + "b.dat", 0);
    MakeFile(root_ + "c.txt", 3);
  }
  static void TearDownTestSuite() {
    HostRun("rm -rf \\\"$(winepath -u '" + root_ + "' 2>/dev/null)\\\"");
  }
  void SetUp() override { ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_OFF); }

  static std::string root_;
};
std::string ExplorerScanTest::root_;

TEST_F(ExplorerScanTest, SubfolderListsItsOwnDotDotThenFoldersThenFiles) {
  TestGadget gadget;
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 6);
  const Names_t names = Names(gadget.list);
  ASSERT_EQ(names.size(), 6u);
  EXPECT_EQ(names[0], "..");
  EXPECT_EQ(NameSet(names.begin() + 1, names.begin() + 3), (NameSet{"sub1", "sub2"}));
  EXPECT_EQ(NameSet(names.begin() + 3, names.end()), (NameSet{"a.txt", "b.dat", "c.txt"}));
  EXPECT_EQ(std::string(gadget.list.head->path), root_ + "..");
  EXPECT_EQ(gadget.list.head->kind, ENTRY_KIND_FOLDER);
  EXPECT_EQ(ExplorerScanListGet()->head, nullptr);
  for (const ExplorerEntry* e = gadget.list.head; e != nullptr; e = e->next) {
    EXPECT_EQ(std::string(e->path), root_ + e->name);
  }
}

TEST_F(ExplorerScanTest, SizesAreTrueAndSortAscendingPutsFoldersFirst) {
  TestGadget gadget(EXPLORER_SORT_SIZE, EXPLORER_ASCENDING);
  ASSERT_EQ(ExplorerScan(&gadget.data, root_), 6);
  const Names_t names = Names(gadget.list);
  EXPECT_EQ((Names_t{names[0], names[3], names[4], names[5]}),
            (Names_t{"..", "b.dat", "c.txt", "a.txt"}));
  EXPECT_EQ(ExplorerEntryFind(&gadget.list, 4)->size, 0u);
  EXPECT_EQ(ExplorerEntryFind(&gadget.list, 6)->size, 10u);
  EXPECT_STREQ(ExplorerEntryFind(&gadget.list, 6)->extension, "txt");
}

TEST_F(ExplorerScanTest, ListModesOneAndTwo) {
  TestGadget gadget;
  gadget.data.listMode = EXPLORER_LIST_FOLDERS;
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 3);
  EXPECT_EQ(NameSetOf(gadget.list), (NameSet{"..", "sub1", "sub2"}));
  gadget.data.listMode = EXPLORER_LIST_FILES;
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 4);
  EXPECT_EQ(Names(gadget.list)[0], "..");
  const Names_t files = Names(gadget.list);
  EXPECT_EQ(NameSet(files.begin() + 1, files.end()), (NameSet{"a.txt", "b.dat", "c.txt"}));
  // Any other mode lists everything.
  gadget.data.listMode = 7;
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 6);
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
  EXPECT_EQ(ExplorerFolderProbe(&gadget.data, search), PROBE_OK);
  EXPECT_EQ(ExplorerScan(&gadget.data, search), 2);
  EXPECT_EQ(Names(gadget.list), (Names_t{"f.txt", "x.txt"}));
  EXPECT_EQ(std::string(gadget.list.tail->path), search + "x.txt");
}

TEST_F(ExplorerScanTest, FirstOnlyShowsOneFolderEntryNoFilesAndResets) {
  TestGadget gadget;
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  const int64_t count = ExplorerScan(&gadget.data, root_);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(Names(gadget.list), (Names_t{".."}));
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
  EXPECT_EQ(ExplorerScan(&gadget.data, root_), 6);
}

TEST_F(ExplorerScanTest, MissingFolderProbesFailedAndLeavesTheListsAlone) {
  TestGadget gadget;
  ASSERT_EQ(ExplorerScan(&gadget.data, root_), 6);
  const std::string missing = root_ + "nowhere\\";
  EXPECT_EQ(ExplorerFolderProbe(&gadget.data, missing), PROBE_FAILED);
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  EXPECT_EQ(ExplorerScan(&gadget.data, missing), 0);
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
  EXPECT_EQ(ExplorerEntryListCount(&gadget.list), 6);
  EXPECT_EQ(ExplorerScanListGet()->head, nullptr);
}

TEST_F(ExplorerScanTest, PatternMatchingNothingProbesNotFound) {
  TestGadget gadget;
  gadget.data.pattern = "*.zzz";
  EXPECT_EQ(ExplorerFolderProbe(&gadget.data, root_ + "*.zzz"), PROBE_NOT_FOUND);
  // The window side then looks for the way up alone.
  gadget.data.pattern = "*..*";
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  EXPECT_EQ(ExplorerScan(&gadget.data, root_ + "*..*"), 1);
  EXPECT_EQ(Names(gadget.list), (Names_t{".."}));
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
}

TEST_F(ExplorerScanTest, ProbeOfAnOpenFolder) {
  TestGadget gadget;
  EXPECT_EQ(ExplorerFolderProbe(&gadget.data, root_), PROBE_OK);
  EXPECT_EQ(ExplorerFolderProbe(nullptr, root_), PROBE_FAILED);
  EXPECT_EQ(ExplorerScan(nullptr, root_), 0);
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
  EXPECT_STREQ(gadget.list.tail->modifiedKey, " ");
  EXPECT_STREQ(gadget.list.head->modifiedText, "");
  ExplorerFindDataGet()->ftLastWriteTime = KnownLastWriteTime();
  EXPECT_EQ(ExplorerModifiedText(0), "01.02.2021 05:03:09");
  EXPECT_EQ(ExplorerModifiedText(1), "2021.02.01 05:03:09");
  HostRun("rm -rf \\\"$(winepath -u '" + folder + "' 2>/dev/null)\\\"");
}

TEST(ExplorerModifiedText, TimeTheSystemCannotConvertGivesEmptyTexts) {
  ExplorerFindDataGet()->ftLastWriteTime.dwHighDateTime = 0xFFFFFFFF;
  ExplorerFindDataGet()->ftLastWriteTime.dwLowDateTime = 0xFFFFFFFF;
  EXPECT_EQ(ExplorerModifiedText(0), "");
  EXPECT_EQ(ExplorerModifiedText(1), "");
}

TEST(ExplorerProbeResultOf, MapsTheSearchErrors) {
  EXPECT_EQ(ExplorerProbeResultOf(ERROR_ACCESS_DENIED), PROBE_ACCESS_DENIED);
  EXPECT_EQ(ExplorerProbeResultOf(ERROR_FILE_NOT_FOUND), PROBE_NOT_FOUND);
  EXPECT_EQ(ExplorerProbeResultOf(ERROR_PATH_NOT_FOUND), PROBE_FAILED);
  EXPECT_EQ(ExplorerProbeResultOf(ERROR_SHARING_VIOLATION), PROBE_FAILED);
  EXPECT_EQ(ExplorerProbeResultOf(ERROR_INVALID_NAME), PROBE_FAILED);
  EXPECT_EQ(ExplorerProbeResultOf(0), PROBE_FAILED);
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
}

TEST(ExplorerDriveSize, DriveThatIsNotThereHasSizeZero) {
  char drives[EXPLORER_DRIVE_STRINGS_SIZE];
  const DWORD length = GetLogicalDriveStringsA(sizeof(drives), drives);
  std::string absent = "?:\\";
  for (char letter = 'Y'; letter > 'D'; --letter) {
    if (std::string(drives, length).find(std::string(1, letter) + ":\\") == std::string::npos) {
      absent[0] = letter;
      break;
    }
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
  // Files only: a drive root has no way up.
  gadget.data.listMode = EXPLORER_LIST_FILES;
  ExplorerScan(&gadget.data, "C:\\");
  const Names_t files = Names(gadget.list);
  EXPECT_EQ(std::count(files.begin(), files.end(), ".."), 0);
  // A pattern makes the path longer than a root: no ".." is made.
  gadget.data.listMode = EXPLORER_LIST_ALL;
  gadget.data.pattern = "win*";
  EXPECT_EQ(ExplorerScan(&gadget.data, "C:\\win*"), 1);
  EXPECT_EQ(Names(gadget.list), (Names_t{"windows"}));
  // The fallback search for the way up shows at most one entry and clears the flag, so the
  // next scan lists normally. (Windows finds nothing here; Wine's "*..*" matches every name.)
  gadget.data.pattern = "*..*";
  ExplorerFirstOnlySet(EXPLORER_FIRST_ONLY_ON);
  EXPECT_LE(ExplorerScan(&gadget.data, "C:\\*..*"), 1);
  EXPECT_EQ(ExplorerFirstOnlyGet(), EXPLORER_FIRST_ONLY_OFF);
  gadget.data.pattern.clear();
  EXPECT_EQ(ExplorerScan(&gadget.data, "C:\\"), count);
}

// Drives and shares that only the Unix side can make: a dosdevices link of the prefix.
class ExplorerLinkedRoot : public testing::Test {
 protected:
  static bool Link(const std::string& device, const std::string& target) {
    return HostRun("mkdir -p \\\"$(dirname \\\"$WINEPREFIX/dosdevices/" + device +
                   "\\\")\\\" && ln -sfn " + target + " \\\"$WINEPREFIX/dosdevices/" + device +
                   "\\\"");
  }
  static void Unlink(const std::string& device) {
    HostRun("rm -f \\\"$WINEPREFIX/dosdevices/" + device + "\\\"");
  }
  void SetUp() override { ExplorerScanListInit(); }
};

TEST_F(ExplorerLinkedRoot, DriveRootWithFilesButNoFolderMakesNoDotDot) {
  const std::string target = "/tmp/vantrel-explorer-drive-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(
      HostRun("mkdir -p " + target + " && touch " + target + "/one.txt " + target + "/two.txt"));
  ASSERT_TRUE(Link("r:", target));
  TestGadget gadget;
  EXPECT_EQ(ExplorerScan(&gadget.data, "R:\\"), 2);
  EXPECT_EQ(NameSetOf(gadget.list), (NameSet{"one.txt", "two.txt"}));
  Unlink("r:");
  HostRun("rm -rf " + target);
}

TEST_F(ExplorerLinkedRoot, ShareRootDropsDotDotAndAFolderBelowKeepsIt) {
  const std::string target = "/tmp/vantrel-explorer-share-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(HostRun("mkdir -p " + target + "/dir && touch " + target + "/top.txt"));
  ASSERT_TRUE(Link("unc/vantrelhost/share", target));
  TestGadget gadget;
  const int64_t at_root = ExplorerScan(&gadget.data, "\\\\vantrelhost\\share\\");
  const Names_t root_names = Names(gadget.list);
  EXPECT_EQ(at_root, 2);
  EXPECT_EQ(NameSet(root_names.begin(), root_names.end()), (NameSet{"dir", "top.txt"}));
  EXPECT_EQ(ExplorerScan(&gadget.data, "\\\\vantrelhost\\share\\dir\\"), 1);
  EXPECT_EQ(Names(gadget.list), (Names_t{".."}));
  Unlink("unc/vantrelhost/share");
  HostRun("rm -rf " + target);
}

}  // namespace
