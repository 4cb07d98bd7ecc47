// The demo and the controls gallery end to end, each started as a program and driven with real
// input: where the demo's window and pictures are, what picture 1 shows, clicks open the right
// boxes, closing ends it with 0; the gallery's printed events for real clicks, keys and a relayed
// click.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include <vantrel/constants.h>

#include "tests/support/program_steps.h"
#include "tests/support/image_pixels.h"

namespace {

// What the demo's window shows at 96 DPI in this Wine, recorded before the display-scale mode.
constexpr std::uint64_t kDemoPixels = 0xac670e5304e56fd3;

const std::string kDemo = "Z:" VANTREL_DEMO_DIR, kGallery = "Z:" VANTREL_GALLERY_DIR;

// Every pixel of the window as the screen shows it, folded into one FNV-1a number.
std::uint64_t PixelsHash(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  HDC screen = GetDC(nullptr);
  std::uint64_t hash = 14695981039346656037ull;
  for (LONG y = rect.top; y < rect.bottom; ++y) {
    for (LONG x = rect.left; x < rect.right; ++x) {
      hash = (hash ^ GetPixel(screen, x, y)) * 1099511628211ull;
    }
  }
  ReleaseDC(nullptr, screen);
  return hash;
}

// One run of the demo: what it shows, then real clicks, then closing it.
TEST(Demo, PicturesInPlace_ThePngFlattenedOnScreen_ClicksNameEachPicture_AltF4EndsWithZero) {
  const std::shared_ptr<void> process = ProgramStart(kDemo, "demo");
  HWND window = WaitFor([] { return FindWindowA(nullptr, "1"); });
  ASSERT_NE(window, nullptr) << "the demo's window did not appear";
  Sleep(300);  // let it paint and settle before real input arrives
  EXPECT_EQ(Place(window), (std::vector<LONG>{300, 10, 500, 210}));
  HWND png = GetDlgItem(window, 1), icon = GetDlgItem(window, 2);
  EXPECT_EQ(Place(png, window), (std::vector<LONG>{30, 30, 56, 56}));
  // A static sizes itself to its icon: only the corner is the demo's, the size is the system's
  // icon size (32 by 32 here; 1.ico also holds 16, 24 and 48 pixels): without 1.ico it stays at
  // the demo's 26 by 26.
  EXPECT_EQ(Place(icon, window), (std::vector<LONG>{90, 90, 122, 122}));
  // What the user sees of picture 1: 1.png blended once over the dialog face 0xF0F0F0.
  UINT width = 0;
  const std::vector<std::uint32_t> file = FilePixels(kDemo + "/1.png", &width);
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
  // The default build at 96 DPI, frame and all, exactly as it has always been drawn here.
  EXPECT_EQ(PixelsHash(window), kDemoPixels) << std::hex << PixelsHash(window);
  for (int id : {1, 2}) {
    HWND box = PictureClick(window, id);
    ASSERT_NE(box, nullptr) << "no message box after clicking picture " << id;
    // In bytes of the ANSI code page: 1251, as this program runs with the demo's Russian locale.
    EXPECT_EQ(BoxTexts(box), " |\xFD\xF2\xEE " + std::to_string(id));
    EXPECT_TRUE(BoxClose(box));
  }
  ASSERT_TRUE(HostKeys("alt+F4"));
  DWORD code = 12345;
  EXPECT_EQ(WaitForSingleObject(process.get(), kProgramWait), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeProcess(process.get(), &code) && code == 0) << code;
}

// Waits (dispatching nothing) until the gallery has printed a line that begins so.
bool Printed(const std::string& line_start) {
  return WaitFor([&line_start] {
    std::stringstream text;
    text << "\n" << std::ifstream(kGallery + "/gallery-test.out").rdbuf();
    return text.str().find("\n" + line_start) != std::string::npos;
  });
}

TEST(Gallery, RealInputComesBackAsItsPrintedEvents) {
  const std::shared_ptr<void> process = ProgramStart(kGallery, "gallery");
  ASSERT_TRUE(Printed("event 5 "));  // shown and laid out
  HWND window = FindWindowA(nullptr, "Vantrel gallery");
  const auto rect = [window](int id) { return Place(GetDlgItem(window, id)); };
  const auto row = static_cast<LONG>(SendMessageA(GetDlgItem(window, 8), TVM_GETITEMHEIGHT, 0, 0));
  // clang-format off
  const struct { LONG x, y; const char* keys; const char* line_start; } steps[] = {
      {rect(6)[0] + 12, rect(6)[1] + 10, nullptr, "event 513 id 6 "},  // the first tab
      {0, 0, "Right", "event 1025 id 6 "},  // the second tab, by key
      {rect(8)[0] + 60, rect(8)[1] + 2 + 3 * row / 2, nullptr, "event 513 id 8 "},  // "Events"
      {0, 0, "Down", "event 1025 id 8 "},  // the keyboard's selection in the tree
      {rect(9)[0] + 40, rect(9)[1] + 30, nullptr, "event 513 id 9 item 0 column 0"},  // below its header
      {0, 0, "", "event 1025 id 9 item 0 "},  // the same click, as an activation
      {rect(10)[2] + 6, rect(10)[1] + 3, nullptr, "event 1025 id 10 "},  // its up-down's up
  };
  // clang-format on
  for (const auto& step : steps) {
    EXPECT_TRUE(step.keys ? *step.keys == 0 || HostKeys(step.keys) : HostClick(step.x, step.y));
    EXPECT_TRUE(Printed(step.line_start)) << step.line_start;
  }
  // The texts lie on the tab pages: only the second page's shows.
  const auto on_page = [window](int id) {
    HWND page = nullptr;
    while ((page = FindWindowExA(window, page, "VantrelContainer", nullptr)) &&
           !GetDlgItem(page, id)) {
    }
    return IsWindowVisible(GetDlgItem(page, id));
  };
  EXPECT_EQ(std::pair(on_page(61), on_page(62)), std::pair(FALSE, TRUE));
  // Another program relays mouse messages only: a relayed WM_CLOSE would have ended it.
  SendMessageA(window, RELAY_MESSAGE, 0, WM_CLOSE);
  SendMessageA(window, RELAY_MESSAGE, 77, WM_RBUTTONDOWN);
  EXPECT_TRUE(Printed("event 516 id 77 "));
  EXPECT_EQ(WaitForSingleObject(process.get(), 0), WAIT_TIMEOUT);
  // Its tooltip text, longer than that, is shown cut to 79 characters.
  const POINT edit = WindowCentre(GetDlgItem(window, 2));
  HostRun("xdotool mousemove " + std::to_string(edit.x) + " " + std::to_string(edit.y));
  // The shown one: list and tree views keep hidden tooltips of their own.
  HWND tip = WaitFor([window] { return ShownWindowOf(window, TOOLTIPS_CLASSA); });
  char shown[128] = {};
  SendMessageA(tip, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
  EXPECT_EQ(std::string(shown).size(), 79u) << shown;
  // The status bar follows a resize.
  SetWindowPos(window, nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
  RECT client = {};
  GetClientRect(window, &client);
  EXPECT_EQ(Place(GetDlgItem(window, 7), window)[3], client.bottom);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.get(), kProgramWait), WAIT_OBJECT_0);
}

}  // namespace
