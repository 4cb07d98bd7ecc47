// The smallest whole Vantrel program: a window, a picture in it, and the event loop.
#include <vantrel/toolkit.h>

#include <cstdio>

namespace {

constexpr GadgetId kPicture = 1;
constexpr std::int64_t kDialogFace = 0xF0F0F0;  // the picture's background, 0xRRGGBB

}  // namespace

int main() {
  HWND window = WindowOpen("Vantrel consumer", 100, 100, 240, 160, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           0, nullptr);
  HBITMAP picture = ImageLoadFile("picture.png", kDialogFace);
  if (window == nullptr || picture == nullptr) return 1;
  PictureGadgetCreate(kPicture, 20, 20, 26, 26, picture, 0, SS_BITMAP);

  // Events arrive one call late: a call that only dispatched a message returns 0.
  for (;;) {
    const std::int32_t event = EventWait();
    if (event == EVENT_GADGET && EventSourceId() == kPicture) {
      std::printf("EVENT_GADGET from gadget %d\n", kPicture);
      std::fflush(stdout);
    } else if (event == WM_CLOSE) {
      return 0;  // the toolkit leaves closing to the program
    }
  }
}
