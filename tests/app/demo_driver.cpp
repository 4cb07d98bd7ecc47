// Drives a running demo from outside for scripts/demo: "open" shows a box, "close" ends it all.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/support/wine_host.h"

namespace {

constexpr DWORD kWait = 15000;

HWND WaitForWindow(const char* class_name, const char* title) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kWait) {
    if (HWND window = FindWindowA(class_name, title)) return window;
    Sleep(50);
  }
  return nullptr;
}

int Open() {
  HWND window = WaitForWindow(nullptr, "1");
  if (window == nullptr) {
    std::printf("demo-driver: the demo's window did not appear\n");
    return 1;
  }
  Sleep(500);
  const POINT centre = WindowCentre(GetDlgItem(window, 1));
  HostClick(centre.x, centre.y);
  if (WaitForWindow("#32770", nullptr) == nullptr) {
    std::printf("demo-driver: no message box after the click\n");
    return 1;
  }
  Sleep(300);
  return 0;
}

int Close() {
  if (HWND box = FindWindowA("#32770", nullptr)) {
    const POINT ok = WindowCentre(GetDlgItem(box, IDOK));
    HostClick(ok.x, ok.y);
    Sleep(300);
  }
  HWND window = FindWindowA(nullptr, "1");
  if (window == nullptr) return 1;
  SetForegroundWindow(window);
  Sleep(100);
  HostKeys("alt+F4");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string action = argc > 1 ? argv[1] : "";
  if (action == "open") return Open();
  if (action == "close") return Close();
  std::printf("usage: demo_driver open|close\n");
  return 2;
}
