// Drives examples/consumer from outside for scripts/package-check: a real click on its picture,
// or closing its window.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/support/wine_host.h"

namespace {

constexpr DWORD kWait = 15000;
constexpr int kPicture = 1;  // the consumer's picture gadget

// The consumer's window once its picture is in it.
HWND ConsumerWindow() {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kWait) {
    HWND window = FindWindowA(nullptr, "Vantrel consumer");
    if (window != nullptr && GetDlgItem(window, kPicture) != nullptr) return window;
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string action = argc > 1 ? argv[1] : "";
  HWND window = ConsumerWindow();
  if (window == nullptr) {
    std::printf("consumer_driver: the consumer's window and picture did not appear\n");
    return 1;
  }
  if (action == "close") return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
  Sleep(300);  // let it paint and settle before real input arrives
  const POINT centre = WindowCentre(GetDlgItem(window, kPicture));
  return HostClick(centre.x, centre.y) ? 0 : 1;
}
