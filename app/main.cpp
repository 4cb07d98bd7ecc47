// The demo: a window with two pictures; a click on one names it in a message box.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>

#include <vantrel/toolkit.h>

namespace {

constexpr std::uint64_t kWindowStyle =
    WS_VISIBLE | WS_OVERLAPPEDWINDOW | WINDOW_STYLE_TABSTOP_REQUEST;
constexpr std::int64_t kDialogFace = 0xF0F0F0;
constexpr GadgetId kPngPicture = 1;
constexpr GadgetId kIconPicture = 2;
constexpr std::int32_t kPictureSize = 26;

// "это 1" and "это 2" in Windows-1251: the program's texts are bytes of the ANSI code page.
constexpr char kPngText[] = "\xFD\xF2\xEE 1";
constexpr char kIconText[] = "\xFD\xF2\xEE 2";

void ShowWhichPicture(std::int64_t id) {
  if (id == kPngPicture) MessageShow("", kPngText, MB_OK, nullptr);
  if (id == kIconPicture) MessageShow("", kIconText, MB_OK, nullptr);
}

}  // namespace

int main() {
  InitCommonControls();
  INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  WindowOpen("1", 300, 10, 200, 200, kWindowStyle, 0, nullptr);
  HBITMAP png = ImageLoadFile("1.png", kDialogFace);
  PictureGadgetCreate(kPngPicture, 30, 30, kPictureSize, kPictureSize, png, 0, SS_BITMAP);
  HICON icon = IconLoadFile("1.ico");
  PictureGadgetCreate(kIconPicture, 90, 90, kPictureSize, kPictureSize, icon, 0, SS_ICON);

  for (;;) {
    const std::int64_t code = EventWait();
    // Closing the window ends the program; the window is not destroyed first.
    if (code == WM_CLOSE) std::exit(0);
    if (code == EVENT_GADGET) ShowWhichPicture(EventSourceId());
  }
}
