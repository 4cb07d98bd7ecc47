// Drives a running demo for scripts/demo: "open" shows a box, "close" ends it all.
#include <cstdio>

#include "tests/support/program_steps.h"

int main(int argc, char** argv) {
  const std::string action = argc > 1 ? argv[1] : "";
  HWND window = WaitFor([] { return FindWindowA(nullptr, "1"); });
  if (window == nullptr || (action != "open" && action != "close"))
    return std::printf("usage: demo_driver open|close, with the demo's window shown\n"), 1;
  if (action == "open") {
    Sleep(500);  // let it paint
    if (PictureClick(window, 1) == nullptr) return std::printf("demo-driver: no box\n"), 1;
    Sleep(300);
    return 0;
  }
  if (HWND box = MessageBoxOf(window)) BoxClose(box);
  SetForegroundWindow(window);
  Sleep(100);
  return HostKeys("alt+F4") ? 0 : 1;
}
