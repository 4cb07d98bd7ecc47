// Scaled mode, run once in a Wine session at each display scale: the program's own manifest asks
// for it (and for UTF-8, in the same manifest). Every gadget kind at its scaled place in the
// DPI's font, the window, the event stream's sizes and points, limits and anchors in units; a
// DPI change there and back leaving every rectangle as it was; the scaled demo read off the
// screen beside the default one.
// The DPI calls of Windows 10, which the toolkit itself looks up as it runs.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/image_pixels.h"
#include "tests/support/program_steps.h"
#include "tests/support/wine_host.h"

namespace {

const UINT kDpi = GetDpiForSystem();
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;

int Px(int units, UINT dpi = kDpi) {
  return MulDiv(units, static_cast<int>(dpi), 96);
}

// A place in units as the pixels its edges scale to: {left, top, right, bottom}.
std::vector<LONG> Scaled(int x, int y, int w, int h, UINT dpi = kDpi) {
  return {Px(x, dpi), Px(y, dpi), Px(x + w, dpi), Px(y + h, dpi)};
}

SIZE Frame(UINT dpi) {
  RECT frame = {};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

LONG FontHeight(HWND window) {
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

LONG MessageFontHeight(UINT dpi) {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  return metrics.lfMessageFont.lfHeight;
}

// The width of a list view's small icons, and of the bitmap a picture shows.
int IconWidth(HWND list) {
  int width = 0, height = 0;
  ImageList_GetIconSize(
      reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0)), &width,
      &height);
  return width;
}
LONG PictureWidth(HWND picture) {
  BITMAP shown = {};
  GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)),
             sizeof shown, &shown);
  return shown.bmWidth;
}

// How far the system's image list nearest the DPI's small-icon size is from it.
int NearestIconDistance(UINT dpi) {
  const GUID image_list = {
      0x46EB5926, 0x582E, 0x4017, {0x9F, 0xDF, 0xE8, 0x99, 0x8D, 0xAA, 0x09, 0x50}};
  int nearest = 1 << 20;
  for (int which : {SHIL_SMALL, SHIL_LARGE, SHIL_EXTRALARGE}) {
    void* list = nullptr;
    SHGetImageList(which, image_list, &list);
    int width = 0, height = 0;
    ImageList_GetIconSize(static_cast<HIMAGELIST>(list), &width, &height);
    nearest = std::min(nearest, std::abs(width - GetSystemMetricsForDpi(SM_CXSMICON, dpi)));
  }
  return nearest;
}

// Every kind of gadget, at a place of its own in units: {id, x, y, width, height}.
struct Placed {
  GadgetId id;
  int x, y, w, h;
};
// clang-format off
const Placed kGallery[] = {
    {1, 10, 10, 80, 24}, {2, 100, 10, 80, 20}, {3, 190, 10, 80, 20}, {4, 280, 10, 80, 20},
    {5, 10, 40, 80, 22}, {6, 100, 40, 80, 60}, {7, 190, 40, 80, 60}, {8, 280, 40, 80, 22},
    {9, 10, 110, 120, 30}, {10, 140, 110, 120, 16}, {11, 270, 110, 80, 22}, {12, 360, 110, 16, 80},
    {13, 10, 150, 160, 80}, {14, 180, 150, 120, 80}, {15, 310, 150, 160, 80},
    {16, 10, 240, 200, 100}, {17, 220, 240, 120, 24}, {18, 350, 240, 26, 26},
    {19, 10, 350, 300, 120}, {20, 480, 10, 230, 170}, {23, 480, 190, 150, 120},
};
// clang-format on

// clang-format off
HWND Make(const Placed& g) {
  const auto [id, x, y, w, h] = g;
  switch (id) {
    case 1: return ButtonGadgetCreate(id, x, y, w, h, "Button", 0);
    case 2: return CheckBoxGadgetCreate(id, x, y, w, h, "Check", 0);
    case 3: return OptionGadgetCreate(id, x, y, w, h, "Option", 0);
    case 4: return TextGadgetCreate(id, x, y, w, h, "Text", 0);
    case 5: return StringGadgetCreate(id, x, y, w, h, "String", 0);
    case 6: return EditorGadgetCreate(id, x, y, w, h, "Editor", 0);
    case 7: return ListBoxGadgetCreate(id, x, y, w, h, 0);
    case 8: return ComboBoxGadgetCreate(id, x, y, w, h, 0);
    case 9: return TrackBarGadgetCreate(id, x, y, w, h, 0, 10, 0);
    case 10: return ProgressBarGadgetCreate(id, x, y, w, h, 0, 10, 0);
    case 11: return SpinGadgetCreate(id, x, y, w, h, 0, 10, 0);
    case 12: return ScrollBarGadgetCreate(id, x, y, w, h, 0, 10, 1, 1);
    case 13: return TreeGadgetCreate(id, x, y, w, h, 0);
    case 14: return ListViewGadgetCreate(id, x, y, w, h, 0);
    case 15: return TabPanelGadgetCreate(id, x, y, w, h, 0);
    case 16: return ContainerGadgetCreate(id, x, y, w, h, "Box", CONTAINER_FRAME);
    case 17: return DateGadgetCreate(id, x, y, w, h, 0);
    case 18: return PictureGadgetCreate(id, x, y, w, h, ImageLoadFile(VANTREL_APP_DIR "\\1.png", 0xF0F0F0), 0, SS_BITMAP);
    case 19: return ExplorerGadgetCreate(id, x, y, w, h, "C:\\", nullptr);
    case 23: return ImageComboCreate(id, x, y, w, h, 16, CBS_DROPDOWNLIST);
    default: return CalendarGadgetCreate(id, x, y, w, h, 0);
  }
}
// clang-format on

void GalleryMake(HWND window) {
  for (const Placed& g : kGallery) {
    CurrentWindowSet(window);
    ASSERT_NE(Make(g), nullptr) << g.id;
    if (g.id == 15) TabPanelPageAdd(15, "Page");
    if (g.id == 16) ButtonGadgetCreate(21, 10, 20, 60, 24, "Inside", 0);  // in the container
  }
  CurrentWindowSet(window);
  const std::int32_t fields[] = {120, 80, -1};
  StatusBarCreate(22, 3, fields);
  ListViewColumnAdd(14, "Name", 70);
  GadgetToolTipSet(1, "Tip");
}

struct ScaledWindow : ::testing::Test {
  HWND window = WindowOpen("scaled", 20, 30, 740, 520, kStyle, 0, nullptr);
  ~ScaledWindow() override { DestroyWindow(window); }
};

// Where every gadget is, the fields, columns and fonts of the window: what a DPI change may
// move only to put back.
std::vector<LONG> Layout(HWND window) {
  std::vector<LONG> all = Place(window, nullptr);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    for (LONG v : Place(child, window)) all.push_back(v);
    all.push_back(FontHeight(child));
  }
  int edges[3] = {};
  SendMessageA(GadgetWindowOf(22), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  all.insert(all.end(), edges, edges + 3);
  all.push_back(static_cast<LONG>(SendMessageA(GadgetWindowOf(14), LVM_GETCOLUMNWIDTH, 0, 0)));
  all.push_back(static_cast<LONG>(SendMessageA(ExplorerListViewOf(19), LVM_GETCOLUMNWIDTH, 0, 0)));
  all.push_back(FontHeight(ExplorerListViewOf(19)));
  all.push_back(Place(GetDlgItem(GadgetWindowOf(16), 21), GadgetWindowOf(16))[2]);
  return all;
}

TEST_F(ScaledWindow, OneManifestAsksForBoth_TheWindowIsA96DpiWindowScaled_EventsComeInUnits) {
  EXPECT_EQ(DpiScalingGet(), 1);
  EXPECT_EQ(GetACP(), 65001u);
  EXPECT_EQ(WindowDpiGet(window), static_cast<std::int32_t>(kDpi));
  EXPECT_EQ(WindowDpiScale(window, 100), Px(100));
  EXPECT_EQ(std::pair(WindowDpiGet(nullptr), WindowDpiScale(nullptr, 100)), std::pair(0, 100));
  const SIZE frame = Frame(96);
  RECT client = {};
  GetClientRect(window, &client);
  EXPECT_EQ(std::pair(client.right, client.bottom),
            std::pair(LONG{Px(740 - frame.cx)}, LONG{Px(520 - frame.cy)}));
  EXPECT_EQ(std::pair(Place(window)[0], Place(window)[1]), std::pair(LONG{Px(20)}, LONG{Px(30)}));
  PollDrain();
  SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(Px(50), Px(60)));
  PollUntil([](std::int32_t code) { return code == WM_MOUSEMOVE; });
  EXPECT_EQ(std::pair(EventMouseX(), EventMouseY()), std::pair(std::int64_t{50}, std::int64_t{60}));
  PollUntil([](std::int32_t code) { return code == WM_SIZE; });
  EXPECT_EQ(std::pair(EventSizeWidth(), EventSizeHeight()),
            std::pair(std::int64_t{740 - frame.cx}, std::int64_t{520 - frame.cy}));
  // Limits are outer sizes in units, as the window's own size is.
  WindowSizeLimitsSet(window, 400, 300, 0, 0);
  MINMAXINFO limits = {};
  SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  RECT outer = {};
  GetWindowRect(window, &outer);
  EXPECT_EQ(limits.ptMinTrackSize.x,
            Px(400 - frame.cx) + (outer.right - outer.left) - client.right);
  EXPECT_EQ(limits.ptMinTrackSize.y,
            Px(300 - frame.cy) + (outer.bottom - outer.top) - client.bottom);
}

TEST_F(ScaledWindow, EveryGadgetKindAtItsScaledPlace_InTheDpisFont_AnchorsMovesIconsInUnits) {
  GalleryMake(window);
  for (const Placed& g : kGallery) {
    HWND gadget = GadgetWindowOf(g.id);
    std::vector<LONG> want = Scaled(g.x, g.y, g.w, g.h), seen = Place(gadget, window);
    // A combo box's height is its own, and so is the width a spin's up-down takes of its field.
    if (g.id == 8 || g.id == 23) seen[3] = want[3];
    if (g.id == 11) seen[2] = want[2];
    EXPECT_EQ(seen, want) << "gadget " << g.id;
    // Bars, containers, pictures and the explorer's outer window hold no font of their own.
    if (g.id != 9 && g.id != 12 && g.id != 16 && g.id != 18 && g.id != 19) {
      EXPECT_EQ(FontHeight(gadget), MessageFontHeight(kDpi)) << g.id;
    }
  }
  EXPECT_EQ(Place(GetDlgItem(GadgetWindowOf(16), 21), GadgetWindowOf(16)), Scaled(10, 20, 60, 24));
  int edges[3] = {};
  SendMessageA(GadgetWindowOf(22), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(std::vector<int>(edges, edges + 2), (std::vector<int>{Px(120), Px(200)}));
  EXPECT_EQ(SendMessageA(GadgetWindowOf(14), LVM_GETCOLUMNWIDTH, 0, 0), Px(70));
  HWND list = ExplorerListViewOf(19);
  EXPECT_EQ(FontHeight(list), MessageFontHeight(kDpi));
  const int icon_width = IconWidth(list);
  EXPECT_EQ(icon_width, GetSystemMetricsForDpi(SM_CXSMICON, kDpi));
  EXPECT_EQ(PictureWidth(GadgetWindowOf(18)), Px(26));
  int side = 0;
  ImageList_GetIconSize(static_cast<HIMAGELIST>(GadgetExtraGet(23)), &side, &side);
  EXPECT_EQ(side, Px(16));
  HWND tip = WaitFor([] { return FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); });
  EXPECT_EQ(FontHeight(tip), MessageFontHeight(kDpi));
  // Moved, anchored and grown in units.
  GadgetMove(1, 12, 14, 90, 30);
  EXPECT_EQ(Place(GadgetWindowOf(1), window), Scaled(12, 14, 90, 30));
  GadgetAnchorSet(1, ANCHOR_RIGHT | ANCHOR_BOTTOM);
  RECT outer = {};
  GetWindowRect(window, &outer);
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + Px(40),
               outer.bottom - outer.top + Px(20), SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Place(GadgetWindowOf(1), window), Scaled(52, 34, 90, 30));
  // An icon at the DPI's size: 1.ico holds 16, 24, 32 and 48 pixels.
  ICONINFO info = {};
  HICON icon = IconLoadFile(VANTREL_APP_DIR "\\1.ico");
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP mask = {};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, GetSystemMetricsForDpi(SM_CXICON, kDpi));
  // The measured layout, for the log.
  RECT client = {}, row = {LVIR_BOUNDS, 0, 0, 0};
  GetClientRect(window, &client);
  SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  std::printf("at %u DPI: client %ldx%ld, font %ld, icon %ld, small icon %d, explorer row %ld\n",
              kDpi, client.right, client.bottom, FontHeight(GadgetWindowOf(5)), mask.bmWidth,
              icon_width, row.bottom - row.top);
}

TEST_F(ScaledWindow, ADpiChangeThereAndBackLeavesEveryRectangleAsItWas) {
  GalleryMake(window);
  PollDrain();
  const std::vector<LONG> before = Layout(window);
  // To 144 and back (192 from 144), and to a scale twice as far: 192, or 96 from 144 and 192.
  for (const UINT other : {kDpi == 144 ? 192u : 144u, kDpi >= 144 ? 96u : 192u}) {
    RECT client = {}, outer = {};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    // What Windows suggests: the same client in units, with the frame of the new DPI.
    const SIZE frame = Frame(other);
    RECT there = {outer.left, outer.top, outer.left + MulDiv(client.right, other, kDpi) + frame.cx,
                  outer.top + MulDiv(client.bottom, other, kDpi) + frame.cy};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&there));
    PollUntil([](std::int32_t code) { return code == WM_DPICHANGED; });
    EXPECT_EQ(EventDetail(), static_cast<std::int64_t>(other));
    EXPECT_EQ(WindowDpiGet(window), static_cast<std::int32_t>(other));
    for (const Placed& g : {kGallery[0], kGallery[12], kGallery[18]}) {
      EXPECT_EQ(Place(GadgetWindowOf(g.id), window), Scaled(g.x, g.y, g.w, g.h, other)) << g.id;
    }
    EXPECT_EQ(FontHeight(GadgetWindowOf(5)), MessageFontHeight(other));
    EXPECT_EQ(SendMessageA(GadgetWindowOf(14), LVM_GETCOLUMNWIDTH, 0, 0), Px(70, other));
    // The picture's copy, the explorer's icons and the tab panel's page follow too.
    EXPECT_EQ(PictureWidth(GadgetWindowOf(18)), Px(26, other));
    const int icons = GetSystemMetricsForDpi(SM_CXSMICON, other);
    EXPECT_EQ(std::abs(IconWidth(ExplorerListViewOf(19)) - icons), NearestIconDistance(other));
    RECT area = {};
    GetClientRect(GadgetWindowOf(15), &area);
    SendMessageA(GadgetWindowOf(15), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(GadgetWindowOf(15), window, reinterpret_cast<POINT*>(&area), 2);
    EXPECT_EQ(Place(TabPanelPageGet(15, 0), window),
              (std::vector<LONG>{area.left, area.top, area.right, area.bottom}));
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(kDpi, kDpi), reinterpret_cast<LPARAM>(&outer));
    PollUntil([](std::int32_t code) { return code == WM_DPICHANGED; });
    EXPECT_EQ(Layout(window), before);
  }
}

// The scaled demo read off the screen; the default one beside it is the 96-DPI demo, unscaled.
TEST(Demo, ScaledBuildFollowsTheDisplay_PictureOneIsStillThePng_TheDefaultBuildStaysInPixels) {
  for (const char* program : {"demo_scaled", "demo"}) {
    const bool scaled = std::string(program) == "demo_scaled";
    const std::shared_ptr<void> process = ProgramStart(VANTREL_APP_DIR_BUILT, program);
    HWND window = WaitFor([] { return FindWindowA(nullptr, "1"); });
    ASSERT_NE(window, nullptr) << program;
    Sleep(300);
    const UINT dpi = scaled ? kDpi : 96;
    RECT client = {};
    GetClientRect(window, &client);
    // The default build's window is the system's at its DPI: at 192 Wine makes it wider than 200
    // for its caption's buttons.
    if (scaled) {
      EXPECT_EQ(client.right, Px(200 - Frame(96).cx));
    } else {
      EXPECT_EQ(std::pair(Place(window)[0], Place(window)[1]), std::pair(LONG{300}, LONG{10}));
    }
    EXPECT_EQ(Place(GetDlgItem(window, 1), window), Scaled(30, 30, 26, 26, dpi)) << program;
    if (scaled) {
      EXPECT_EQ(Place(GetDlgItem(window, 2), window), Scaled(90, 90, 26, 26, dpi));
    }
    // Where the PNG is one colour around a pixel, the screen shows that colour there.
    UINT width = 0;
    const std::vector<std::uint32_t> png = FilePixels(VANTREL_APP_DIR "\\1.png", &width);
    POINT origin = {};
    ClientToScreen(GetDlgItem(window, 1), &origin);
    HDC screen = GetDC(nullptr);
    int sampled = 0;
    for (UINT y = 1; y + 1 < width; ++y) {
      for (UINT x = 1; x + 1 < width; ++x) {
        bool even = true;
        for (int d = 0; d < 9; ++d)
          even &= png[(y + d / 3 - 1) * width + x + d % 3 - 1] == png[y * width + x];
        if (!even) continue;
        const COLORREF seen = GetPixel(screen, origin.x + Px(x, dpi) + Px(1, dpi) / 2,
                                       origin.y + Px(y, dpi) + Px(1, dpi) / 2);
        const std::uint32_t rgb = GetRValue(seen) << 16 | GetGValue(seen) << 8 | GetBValue(seen);
        EXPECT_TRUE(ShownOver(rgb, png[y * width + x], 0xF0F0F0))
            << x << "," << y << std::hex << " " << rgb;
        ++sampled;
      }
    }
    ReleaseDC(nullptr, screen);
    EXPECT_GT(sampled, 50);
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_EQ(WaitForSingleObject(process.get(), kProgramWait), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(process.get(), &code) && code == 0);
  }
}

}  // namespace
