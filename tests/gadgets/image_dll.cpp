// A DLL built against the toolkit, for the tests that load an image and open a window through it.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/image_load_seam.h"

extern "C" __declspec(dllexport) bool ImageDllGdiplusStarted() {
  return ImageLoaderStarted();
}

extern "C" __declspec(dllexport) HBITMAP ImageDllLoad(const char* name) {
  return ImageLoadFile(name, 0xF0F0F0);
}

extern "C" __declspec(dllexport) HWND DllWindowOpen() {
  return WindowOpen("dll", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW, 0, nullptr);
}
