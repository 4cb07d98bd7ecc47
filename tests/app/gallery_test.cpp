// The controls gallery end to end: real clicks, keys and a relayed click from this program in,
// the events it printed checked.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include <vantrel/constants.h>

#include "tests/support/wine_host.h"

namespace {

const std::string kFolder = "Z:" VANTREL_GALLERY_DIR;  // Windows takes the forward slashes

// Waits (dispatching nothing) until the gallery has printed a line that begins so.
bool Printed(const std::string& line_start) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(50)) {
    std::stringstream text;
    text << "\n" << std::ifstream(kFolder + "/gallery-test.out").rdbuf();
    if (text.str().find("\n" + line_start) != std::string::npos) return true;
  }
  return false;
}

TEST(Gallery, RealInputComesBackAsItsPrintedEvents) {
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = CreateFileA((kFolder + "/gallery-test.out").c_str(), GENERIC_WRITE,
                                   FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA((kFolder + "/gallery.exe").c_str(), nullptr, nullptr, nullptr, TRUE, 0,
                             nullptr, nullptr, &startup, &process));
  ASSERT_TRUE(Printed("event 5 "));  // shown and laid out
  HWND window = FindWindowA(nullptr, "Vantrel gallery");
  auto rect = [window](int id) {
    RECT r = {};
    GetWindowRect(GetDlgItem(window, id), &r);
    return r;
  };
  const auto row = static_cast<LONG>(SendMessageA(GetDlgItem(window, 8), TVM_GETITEMHEIGHT, 0, 0));
  // clang-format off
  const struct { LONG x, y; const char* keys; const char* line_start; } steps[] = {
      {rect(6).left + 137, rect(6).top + 12, nullptr, "event 1025 id 6 "},  // the second tab
      {rect(8).left + 60, rect(8).top + 2 + 3 * row / 2, nullptr, "event 513 id 8 "},  // "Events"
      {0, 0, "Down", "event 1025 id 8 "},  // the keyboard's selection in the tree
      {rect(9).left + 40, rect(9).top + 30, nullptr, "event 513 id 9 item 0 column 0"},  // below its header
      {0, 0, "", "event 1025 id 9 item 0 "},  // the same click, as an activation
      {rect(10).right + 6, rect(10).top + 3, nullptr, "event 1025 id 10 "},  // its up-down's up
  };
  // clang-format on
  for (const auto& step : steps) {
    EXPECT_TRUE(step.keys ? *step.keys == 0 || HostKeys(step.keys) : HostClick(step.x, step.y));
    EXPECT_TRUE(Printed(step.line_start)) << step.line_start;
  }
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 61)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 62)));
  // Another program relays mouse messages only: a relayed WM_CLOSE would have ended it.
  SendMessageA(window, RELAY_MESSAGE, 0, WM_CLOSE);
  SendMessageA(window, RELAY_MESSAGE, 77, WM_RBUTTONDOWN);
  EXPECT_TRUE(Printed("event 516 id 77 "));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), WAIT_TIMEOUT);
  // Its tooltip text, longer than that, is shown cut to 79 characters.
  const POINT edit = WindowCentre(GetDlgItem(window, 2));
  HostRun("xdotool mousemove " + std::to_string(edit.x) + " " + std::to_string(edit.y));
  HWND tip = nullptr;  // the shown one: list and tree views keep hidden tooltips of their own
  PollUntil([&tip](std::int32_t) {
    tip = nullptr;
    while ((tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) && !IsWindowVisible(tip)) {
    }
    return tip != nullptr;
  });
  char shown[128] = {};
  SendMessageA(tip, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
  EXPECT_EQ(std::string(shown).size(), 79u) << shown;
  // The status bar follows a resize.
  SetWindowPos(window, nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
  RECT client = {}, status = rect(7);
  GetClientRect(window, &client);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&status), 2);
  EXPECT_EQ(status.bottom, client.bottom);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
}

}  // namespace
