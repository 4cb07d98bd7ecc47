// The demo program end to end: where its window and pictures are, what picture 1 shows, real
// clicks open the right boxes, closing ends it with 0.
#include <gtest/gtest.h>

#include <memory>

#include "tests/app/demo_steps.h"
#include "tests/support/image_pixels.h"

namespace {

const std::string kFolder = "Z:" VANTREL_DEMO_DIR;

// The window's text in Windows-1251 bytes, whatever code page this program runs with.
std::string Text1251(HWND window) {
  wchar_t wide[256] = {};
  GetWindowTextW(window, wide, 256);
  char bytes[256] = {};
  WideCharToMultiByte(1251, 0, wide, -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

// The window's rectangle as {left, top, right, bottom}, in the coordinates of `relative_to`.
std::vector<LONG> Place(HWND window, HWND relative_to = nullptr) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, relative_to, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// One run of the demo: what it shows, then real clicks, then closing it.
TEST(Demo, PicturesInPlace_ThePngFlattenedOnScreen_ClicksNameEachPicture_AltF4EndsWithZero) {
  std::string command = kFolder + "/demo.exe";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             kFolder.c_str(), &startup, &process));
  // Ends the demo if a check stops the test early; fails harmlessly after.
  const std::shared_ptr<void> ender(process.hProcess, [](HANDLE p) { TerminateProcess(p, 1); });
  HWND window = WaitFor([] { return FindWindowA(nullptr, "1"); });
  ASSERT_NE(window, nullptr) << "the demo's window did not appear";
  Sleep(300);  // let it paint and settle before real input arrives
  EXPECT_EQ(Place(window), (std::vector<LONG>{300, 10, 500, 210}));
  HWND png = GetDlgItem(window, 1), icon = GetDlgItem(window, 2);
  EXPECT_EQ(Place(png, window), (std::vector<LONG>{30, 30, 56, 56}));
  // A static sizes itself to its icon: only the corner is the demo's, the size is the system's
  // icon size (32 by 32 here; 1.ico also holds 16, 24 and 48 pixels).
  EXPECT_EQ(Place(icon, window), (std::vector<LONG>{90, 90, 122, 122}));
  EXPECT_NE(SendMessageA(icon, STM_GETIMAGE, IMAGE_ICON, 0), 0) << "1.ico was not loaded";
  // What the user sees of picture 1: 1.png blended once over the dialog face 0xF0F0F0.
  UINT width = 0;
  const std::vector<std::uint32_t> file = FilePixels(kFolder + "/1.png", &width);
  ASSERT_EQ(file.size(), 26u * 26u);
  POINT origin = {};
  ClientToScreen(png, &origin);
  HDC screen = GetDC(nullptr);
  for (std::size_t i = 0; i < file.size(); ++i) {
    const COLORREF seen = GetPixel(screen, origin.x + int(i % width), origin.y + int(i / width));
    const std::uint32_t rgb = GetRValue(seen) << 16 | GetGValue(seen) << 8 | GetBValue(seen);
    EXPECT_TRUE(ShownOver(rgb, file[i], 0xF0F0F0)) << "pixel " << i << std::hex << ": " << rgb;
  }
  ReleaseDC(nullptr, screen);
  for (int id : {1, 2}) {
    HWND box = PictureClick(window, id);
    ASSERT_NE(box, nullptr) << "no message box after clicking picture " << id;
    EXPECT_EQ(Text1251(box), " ");
    EXPECT_EQ(Text1251(GetDlgItem(box, 0xFFFF)), "\xFD\xF2\xEE " + std::to_string(id));
    EXPECT_TRUE(BoxClose(box));
  }
  ASSERT_TRUE(HostKeys("alt+F4"));
  DWORD code = 12345;
  EXPECT_EQ(WaitForSingleObject(process.hProcess, kDemoWait), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &code) && code == 0) << code;
}

}  // namespace
