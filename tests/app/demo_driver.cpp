// Drives a running program for scripts: for scripts/demo "open" shows a box and "close" ends it
// all; for scripts/package-check "consumer" clicks examples/consumer's picture, then presses
// Alt+F4 (both are real input, so they reach it in that order), and "pictures" chooses a file in
// examples/pictures with the keys, then ends it with Escape.
#include <cstdio>

#include "tests/support/program_steps.h"

int main(int argc, char** argv) {
  constexpr int kPicture = 1;  // the picture gadget of both programs
  const std::string action = argc > 1 ? argv[1] : "";
  const char* title = action == "consumer"   ? "Vantrel consumer"
                      : action == "pictures" ? "Vantrel pictures"
                                             : "1";
  HWND picture =
      WaitFor([title] { return GetDlgItem(FindWindowA(nullptr, title), kPicture); }, 15000);
  if (picture == nullptr ||
      (action != "open" && action != "close" && action != "consumer" && action != "pictures"))
    return std::printf("usage: demo_driver open|close|consumer|pictures, with that window shown\n"),
           1;
  HWND window = GetParent(picture);
  if (action != "close") Sleep(500);  // let it paint and settle before real input arrives
  if (action == "consumer") return ControlClick(picture) && HostKeys("alt+F4") ? 0 : 1;
  if (action == "pictures") {
    const bool chosen = HostKeys("End");
    Sleep(500);  // shown before the program ends
    return chosen && HostKeys("Escape") ? 0 : 1;
  }
  if (action == "open") {
    if (PictureClick(window, kPicture) == nullptr) return std::printf("demo-driver: no box\n"), 1;
    Sleep(300);
    return 0;
  }
  if (HWND box = ShownWindowOf(window, "#32770")) BoxClose(box);
  SetForegroundWindow(window);
  Sleep(100);
  return HostKeys("alt+F4") ? 0 : 1;
}
