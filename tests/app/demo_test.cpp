// The demo program end to end: real clicks open the right boxes, closing ends it with 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/wine_host.h"

namespace {

constexpr DWORD kWait = 10000;

std::string DemoFolder() {
  std::string folder = "Z:" VANTREL_DEMO_DIR;
  for (char& c : folder) {
    if (c == '/') c = '\\';
  }
  return folder;
}

// Waits, without dispatching anything of ours, until `found` gives a window.
template <typename Find>
HWND WaitFor(Find found, DWORD timeout = kWait) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeout) {
    if (HWND window = found()) return window;
    Sleep(20);
  }
  return nullptr;
}

struct BoxSearch {
  DWORD process;
  HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<BoxSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (owner == search->process && std::string(class_name) == "#32770" && IsWindowVisible(window)) {
    search->box = window;
    return FALSE;
  }
  return TRUE;
}

HWND MessageBoxOf(DWORD process) {
  BoxSearch search{process, nullptr};
  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
  return search.box;
}

// The window's text in Windows-1251 bytes, whatever code page this program runs with.
std::string Text1251(HWND window) {
  wchar_t wide[256] = {};
  GetWindowTextW(window, wide, 256);
  char bytes[256] = {};
  WideCharToMultiByte(1251, 0, wide, -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

class Demo : public testing::Test {
 protected:
  void SetUp() override {
    std::string command = DemoFolder() + "\\demo.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               DemoFolder().c_str(), &startup, &process_))
        << command;
    window_ = WaitFor([] { return FindWindowA(nullptr, "1"); });
    ASSERT_NE(window_, nullptr) << "the demo's window did not appear";
    Sleep(200);  // let it paint and settle before real input arrives
  }
  void TearDown() override {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, kWait);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  // Clicks the picture with that id and returns the box it opens.
  HWND ClickPicture(int id) {
    HWND picture = GetDlgItem(window_, id);
    EXPECT_NE(picture, nullptr);
    const POINT centre = WindowCentre(picture);
    EXPECT_TRUE(HostClick(centre.x, centre.y));
    const DWORD process = process_.dwProcessId;
    return WaitFor([process] { return MessageBoxOf(process); });
  }
  void PressOk(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    const POINT centre = WindowCentre(ok);
    ASSERT_TRUE(HostClick(centre.x, centre.y));
    EXPECT_NE(WaitFor([box] { return IsWindow(box) ? nullptr : GetDesktopWindow(); }), nullptr)
        << "the box did not close";
  }
  DWORD ExitCode() {
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, kWait), WAIT_OBJECT_0);
    DWORD code = 12345;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }
  PROCESS_INFORMATION process_ = {};
  HWND window_ = nullptr;
};

TEST_F(Demo, TheWindowAndItsTwoPictures) {
  RECT frame = {};
  GetWindowRect(window_, &frame);
  EXPECT_EQ(frame.right - frame.left, 200);
  EXPECT_EQ(frame.bottom - frame.top, 200);
  HWND png = GetDlgItem(window_, 1);
  HWND icon = GetDlgItem(window_, 2);
  ASSERT_NE(png, nullptr);
  ASSERT_NE(icon, nullptr);
  EXPECT_NE(SendMessageA(png, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "1.png was not loaded";
  EXPECT_NE(SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0), 0) << "1.ico was not loaded";
}

TEST_F(Demo, EachPictureNamesItselfAndAltF4EndsTheProgramWithZero) {
  HWND box = ClickPicture(1);
  ASSERT_NE(box, nullptr) << "no message box after clicking picture 1";
  EXPECT_EQ(Text1251(box), " ");
  EXPECT_EQ(Text1251(GetDlgItem(box, 0xFFFF)), "\xFD\xF2\xEE\x20\x31");
  PressOk(box);

  box = ClickPicture(2);
  ASSERT_NE(box, nullptr) << "no message box after clicking picture 2";
  EXPECT_EQ(Text1251(box), " ");
  EXPECT_EQ(Text1251(GetDlgItem(box, 0xFFFF)), "\xFD\xF2\xEE\x20\x32");
  PressOk(box);

  // Keys and mouse moves over the window change nothing.
  const POINT centre = WindowCentre(window_);
  ASSERT_TRUE(HostRun("xdotool mousemove " + std::to_string(centre.x) + " " +
                      std::to_string(centre.y) + " mousemove_relative 5 5 key a Return space"));
  Sleep(300);
  EXPECT_EQ(MessageBoxOf(process_.dwProcessId), nullptr);
  EXPECT_EQ(WaitForSingleObject(process_.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

  ASSERT_TRUE(HostKeys("alt+F4"));
  EXPECT_EQ(ExitCode(), 0u);
}

TEST_F(Demo, TheSystemMenusCloseEndsTheProgramWithZero) {
  PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(ExitCode(), 0u);
}

}  // namespace
