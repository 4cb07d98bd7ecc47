// Driving a running program from outside with real input (the demo and the package consumer), and
// answering message boxes, another program's or the test's own.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/wine_host.h"

constexpr DWORD kProgramWait = 10000;

// Starts `folder`/`program`.exe in that folder, its stdout into `program`-test.out there; a null
// handle when it cannot start. Letting go of the handle ends the program if a check stops the
// test early; it fails harmlessly after.
inline std::shared_ptr<void> ProgramStart(const std::string& folder, const std::string& program) {
  std::string command = folder + "/" + program + ".exe";
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = CreateFileA((folder + "/" + program + "-test.out").c_str(), GENERIC_WRITE,
                                   FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
  PROCESS_INFORMATION process = {};
  CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                 &startup, &process);
  return {process.hProcess, [](HANDLE p) { TerminateProcess(p, 1); }};
}

// The window's rectangle as {left, top, right, bottom}, in the coordinates of `relative_to`.
inline std::vector<LONG> Place(HWND window, HWND relative_to = nullptr) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, relative_to, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// Polls, without dispatching anything of ours, until `found` gives a window (or true); null (or
// false) when the time runs out.
template <typename Find>
auto WaitFor(Find found, DWORD timeout = kProgramWait) -> decltype(found()) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeout; Sleep(20)) {
    if (auto result = found()) return result;
  }
  return {};
}

// The visible top-level window of that class ("#32770": a message box) in the process that
// owns `window`, or null.
inline HWND ShownWindowOf(HWND window, const char* class_name) {
  DWORD process = 0, owner = 0;
  GetWindowThreadProcessId(window, &process);
  for (HWND shown = nullptr; (shown = FindWindowExA(nullptr, shown, class_name, nullptr));) {
    GetWindowThreadProcessId(shown, &owner);
    if (owner == process && IsWindowVisible(shown)) return shown;
  }
  return nullptr;
}

// A message box's caption and text as "caption|text".
inline std::string BoxTexts(HWND box) {
  char caption[64] = {}, text[64] = {};
  GetWindowTextA(box, caption, sizeof caption);
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return std::string(caption) + "|" + text;
}

// A timer routine for the test's own thread, whose message boxes run the timer: each new box is
// noted in box_seen, counted, and closed with the button box_answer, or with a real Enter when
// that is 0.
inline std::string box_seen;
inline int boxes = 0;
inline WPARAM box_answer = IDOK;
inline void CALLBACK BoxAnswer(HWND, UINT, UINT_PTR, DWORD) {
  static HWND last = nullptr;
  HWND box = FindWindowA("#32770", nullptr);
  if (box == nullptr || box == last) return;
  last = box;
  box_seen = BoxTexts(box);
  ++boxes;
  box_answer ? PostMessageA(box, WM_COMMAND, box_answer, 0) : HostKeys("Return");
}

// Clicks a control at its centre.
inline bool ControlClick(HWND control) {
  const POINT centre = WindowCentre(control);
  return control != nullptr && HostClick(centre.x, centre.y);
}

// Clicks the demo's picture with that id and waits for the box it opens.
inline HWND PictureClick(HWND window, int id) {
  if (!ControlClick(GetDlgItem(window, id))) return nullptr;
  return WaitFor([window] { return ShownWindowOf(window, "#32770"); });
}

// Presses the box's OK button and waits until the box is gone.
inline bool BoxClose(HWND box) {
  return ControlClick(GetDlgItem(box, IDOK)) && WaitFor([box] { return !IsWindow(box); });
}
