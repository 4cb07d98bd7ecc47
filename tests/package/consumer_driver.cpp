// Drives examples/consumer for scripts/package-check: a real click on its picture, then a real
// Alt+F4; both are input, so they reach it in that order.
#include <cstdio>

#include "tests/support/program_steps.h"

int main() {
  constexpr int kPicture = 1;  // the consumer's picture gadget
  HWND picture =
      WaitFor([] { return GetDlgItem(FindWindowA(nullptr, "Vantrel consumer"), kPicture); }, 15000);
  if (picture == nullptr) {
    std::printf("consumer_driver: the consumer's window and picture did not appear\n");
    return 1;
  }
  Sleep(300);  // let it paint and settle before real input arrives
  return ControlClick(picture) && HostKeys("alt+F4") ? 0 : 1;
}
