// The demo program end to end: where its window and pictures are, what picture 1 shows, real
// clicks open the right boxes, closing ends it with 0.
#include <gtest/gtest.h>

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

class Demo : public testing::Test {
 protected:
  void SetUp() override {
    std::string command = kFolder + "/demo.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               kFolder.c_str(), &startup, &process_));
    window_ = WaitFor([] { return FindWindowA(nullptr, "1"); });
    ASSERT_NE(window_, nullptr) << "the demo's window did not appear";
    Sleep(300);  // let it paint and settle before real input arrives
  }
  void TearDown() override {
    TerminateProcess(process_.hProcess, 1);  // fails harmlessly once it has ended
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  DWORD ExitCode() {
    DWORD code = 12345;
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, kDemoWait), WAIT_OBJECT_0);
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }
  PROCESS_INFORMATION process_ = {};
  HWND window_ = nullptr;
};

TEST_F(Demo, TheWindowAndItsPicturesWhereTheyBelongAndThePngFlattenedOnScreen) {
  EXPECT_EQ(Place(window_), (std::vector<LONG>{300, 10, 500, 210}));
  HWND png = GetDlgItem(window_, 1), icon = GetDlgItem(window_, 2);
  EXPECT_EQ(Place(png, window_), (std::vector<LONG>{30, 30, 56, 56}));
  // A static sizes itself to its icon (32 by 32 here): only the corner is the demo's.
  EXPECT_EQ(Place(icon, window_).front() * 1000 + Place(icon, window_)[1], 90090);
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
}

TEST_F(Demo, EachPictureNamesItselfAndAltF4EndsTheProgramWithZero) {
  for (int id : {1, 2}) {
    HWND box = PictureClick(window_, id);
    ASSERT_NE(box, nullptr) << "no message box after clicking picture " << id;
    EXPECT_EQ(Text1251(box), " ");
    EXPECT_EQ(Text1251(GetDlgItem(box, 0xFFFF)), "\xFD\xF2\xEE " + std::to_string(id));
    EXPECT_TRUE(BoxClose(box));
  }
  ASSERT_TRUE(HostKeys("alt+F4"));
  EXPECT_EQ(ExitCode(), 0u);
}

}  // namespace
