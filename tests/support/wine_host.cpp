// Real input and event pumping for tests that run under Wine.
#include "tests/support/wine_host.h"

#include <cstdio>

#include <vantrel/toolkit.h>

bool HostRun(const std::string& command, DWORD timeout_ms) {
  // Wine cannot wait on a Unix process: the command's status comes back in a file.
  static int counter = 0;
  const std::string done = "/tmp/vantrel-host-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++counter);
  const std::string done_windows = "Z:" + done;
  // Wine hands out the same process ids run after run: a stopped run's command may have left
  // this file, which must not pass for this command's status.
  DeleteFileA(done_windows.c_str());
  std::string line = "/bin/sh -c \"" + command + "; echo $? > " + done + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  // Wine starts a Unix program without filling in its handles: what it hands back is stack
  // garbage, once the test's own stdout handle, so nothing of it is closed.
  // No dispatching here: the test reads what the input caused through the event calls.
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeout_ms; Sleep(10)) {
    int status = -1;
    FILE* file = std::fopen(done_windows.c_str(), "r");
    const int read = file != nullptr ? std::fscanf(file, "%d", &status) : 0;
    if (file != nullptr) std::fclose(file);
    if (read == 1) return DeleteFileA(done_windows.c_str()), status == 0;
  }
  return false;
}

bool HostClick(int x, int y, HWND client) {
  POINT at = {x, y};
  if (client != nullptr) ClientToScreen(client, &at);
  return HostRun("xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) +
                 " click 1");
}

bool HostKeys(const std::string& keys) {
  return HostRun("xdotool key " + keys);
}

POINT WindowCentre(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::vector<std::int32_t> PollUntil(const std::function<bool(std::int32_t)>& done,
                                    DWORD timeout_ms) {
  std::vector<std::int32_t> codes;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeout_ms;) {
    const std::int32_t code = EventPoll();
    if (code != 0) codes.push_back(code);
    if (done(code)) break;
    if (code == 0) Sleep(1);
  }
  return codes;
}

void PollDrain() {
  for (int quiet = 0; quiet < 3;) quiet = EventPoll() == 0 ? quiet + 1 : 0;
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(1);
  } while (GetTickCount() - start < milliseconds);
}
