// The controls gallery end to end: real clicks and keys in, the events it printed checked.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/wine_host.h"

namespace {

std::string WindowsName(std::string name) {
  for (char& c : name) c = c == '/' ? '\\' : c;
  return "Z:" + name;
}

// Waits (dispatching nothing) until the gallery has printed a line that begins so.
bool Printed(const std::string& file, const std::string& line_start) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(50)) {
    std::stringstream text;
    text << "\n" << std::ifstream(file).rdbuf();
    if (text.str().find("\n" + line_start) != std::string::npos) return true;
  }
  return false;
}

TEST(Gallery, RealClicksAndKeysComeBackAsItsPrintedEvents) {
  const std::string out = WindowsName(VANTREL_GALLERY_DIR "/gallery-test.out");
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE file = CreateFileA(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            &inherited, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup = {sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = file;
  PROCESS_INFORMATION process = {};
  std::string command = WindowsName(VANTREL_GALLERY_DIR "/gallery.exe");
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &process));
  HWND window = nullptr;
  for (DWORD start = GetTickCount(); !window && GetTickCount() - start < 10000; Sleep(50)) {
    window = FindWindowA(nullptr, "Vantrel gallery");
  }
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(Printed(out, "event 5 "));  // shown and laid out
  auto rect = [window](int id) {
    RECT r = {};
    GetWindowRect(GetDlgItem(window, id), &r);
    return r;
  };
  const auto item_height =
      static_cast<LONG>(SendMessageA(GetDlgItem(window, 8), TVM_GETITEMHEIGHT, 0, 0));
  RECT header = {};
  GetWindowRect(reinterpret_cast<HWND>(SendMessageA(GetDlgItem(window, 9), LVM_GETHEADER, 0, 0)),
                &header);
  RECT spin = {};
  GetWindowRect(FindWindowExA(window, nullptr, UPDOWN_CLASSA, nullptr), &spin);
  // clang-format off
  const struct { LONG x, y; const char* keys; const char* line_start; } steps[] = {
      {rect(6).left + 137, rect(6).top + 12, nullptr, "event 1025 id 6 "},  // the second tab
      {rect(8).left + 60, rect(8).top + 2 + 3 * item_height / 2, nullptr, "event 513 id 8 "},
      {0, 0, "Down", "event 1025 id 8 "},  // the keyboard's selection in the tree
      {rect(9).left + 40, header.bottom + 6, nullptr, "event 513 id 9 item 0 column 0"},
      {0, 0, "", "event 1025 id 9 item 0 "},  // the same click, as an activation
      {(spin.left + spin.right) / 2, spin.top + 3, nullptr, "event 1025 id 10 "},
  };
  // clang-format on
  for (const auto& step : steps) {
    const bool keys = step.keys != nullptr;
    EXPECT_TRUE(keys ? *step.keys == 0 || HostKeys(step.keys) : HostClick(step.x, step.y));
    EXPECT_TRUE(Printed(out, step.line_start)) << step.line_start;
  }
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 61)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 62)));
  // Its size limits hold, and its status bar follows a resize.
  SetWindowPos(window, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  RECT frame = {}, client = {}, status = rect(7);
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&status), 2);
  EXPECT_EQ(frame.right - frame.left, 560);
  EXPECT_EQ(status.bottom, client.bottom);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(Printed(out, "event 16 "));
}

}  // namespace
