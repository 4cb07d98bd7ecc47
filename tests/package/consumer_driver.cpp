// Drives examples/consumer for scripts/package-check: a real click on its picture, then a real
// Alt+F4; both are input, so they reach it in that order.
#include <windows.h>

#include <cstdio>

#include "tests/support/wine_host.h"

int main() {
  constexpr int kPicture = 1;  // the consumer's picture gadget
  const DWORD start = GetTickCount();
  HWND picture = nullptr;
  while (picture == nullptr && GetTickCount() - start < 15000) {
    Sleep(50);
    picture = GetDlgItem(FindWindowA(nullptr, "Vantrel consumer"), kPicture);
  }
  if (picture == nullptr) {
    std::printf("consumer_driver: the consumer's window and picture did not appear\n");
    return 1;
  }
  Sleep(300);  // let it paint and settle before real input arrives
  const POINT centre = WindowCentre(picture);
  return HostClick(centre.x, centre.y) && HostKeys("alt+F4") ? 0 : 1;
}
