// A DLL built against the toolkit, for the test that loads an image through it and unloads it.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/image_load_seam.h"

extern "C" __declspec(dllexport) bool ImageDllGdiplusStarted() {
  return ImageLoaderStarted();
}

extern "C" __declspec(dllexport) HBITMAP ImageDllLoad(const char* name) {
  return ImageLoadFile(name, 0xF0F0F0);
}
