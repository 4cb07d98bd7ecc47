// Tests of image loading: flattening onto a background on both paths, failures, icons.
#include "toolkit/gadgets/image_load.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/gadgets/test_image_files.h"
#include "toolkit/core/startup.h"
#include "toolkit/gadgets/image_load_seam.h"

namespace {

using test_images::Rgba;
using test_images::TempFolder;

constexpr std::uint32_t kRgb = 0x00FFFFFF;
constexpr std::int64_t kDialogFace = 0xF0F0F0;
constexpr int kVistaMajorVersion = 6;
constexpr int kXpMajorVersion = 5;

// The test picture: 4 × 2 pixels.
//   row 0: transparent red, opaque red, opaque green, opaque blue
//   row 1: half-transparent black, transparent white, opaque white, opaque black
constexpr int kWidth = 4;
constexpr int kHeight = 2;
const std::vector<Rgba> kPixels = {
    {255, 0, 0, 0}, {255, 0, 0, 255},   {0, 255, 0, 255},     {0, 0, 255, 255},
    {0, 0, 0, 128}, {255, 255, 255, 0}, {255, 255, 255, 255}, {0, 0, 0, 255},
};
constexpr int kTransparentRed = 0, kOpaqueRed = 1, kOpaqueGreen = 2, kOpaqueBlue = 3;
constexpr int kHalfBlack = 4, kTransparentWhite = 5, kOpaqueWhite = 6, kOpaqueBlack = 7;

// Each pixel of a bitmap as 0x00RRGGBB, read back through a top-down 32-bit DIB. The alpha
// byte is left out: GDI+ leaves it 0 in pixels it filled.
std::vector<std::uint32_t> BitmapPixels(HBITMAP bitmap, int* width = nullptr,
                                        int* height = nullptr) {
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof(info), &info) != sizeof(info)) return {};
  if (width != nullptr) *width = info.bmWidth;
  if (height != nullptr) *height = info.bmHeight;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = -info.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                             &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return {};
  for (auto& p : pixels) p &= kRgb;
  return pixels;
}

// Captures what a call prints to standard output.
template <typename Call>
std::string Printed(Call call) {
  testing::internal::CaptureStdout();
  call();
  return testing::internal::GetCapturedStdout();
}

// GDI objects of this process, where the system counts them (Windows; Wine answers 0).
DWORD GdiObjectCount() {
  return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

// Runs every test on both flattening paths: the one GDI+ does itself (Vista and later) and the
// compositing one of Windows XP and earlier.
class ImageLoadPaths : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { ImageLoaderInit(); }
  void SetUp() override {
    ImageLoaderMajorVersionOverride(GetParam());
    picture_ = folder_.Write("picture.png", test_images::PngFile(kWidth, kHeight, kPixels));
  }
  void TearDown() override {
    ImageLoaderMajorVersionOverride(0);
    for (HBITMAP bitmap : loaded_) DeleteObject(bitmap);
  }

  // Loads a file, keeping the bitmap for deletion at the end of the test.
  HBITMAP Load(const std::string& name, std::int64_t background) {
    HBITMAP bitmap = ImageLoadFile(name.c_str(), background);
    if (bitmap != nullptr) loaded_.push_back(bitmap);
    return bitmap;
  }

  std::vector<std::uint32_t> LoadPixels(std::int64_t background) {
    HBITMAP bitmap = Load(picture_, background);
    EXPECT_NE(bitmap, nullptr);
    return BitmapPixels(bitmap);
  }

  TempFolder folder_;
  std::string picture_;
  std::vector<HBITMAP> loaded_;
};

INSTANTIATE_TEST_SUITE_P(BothPaths, ImageLoadPaths,
                         testing::Values(kVistaMajorVersion, kXpMajorVersion),
                         [](const testing::TestParamInfo<int>& info) {
                           return info.param > kXpMajorVersion ? std::string("GdiplusFills")
                                                               : std::string("Compositing");
                         });

TEST_P(ImageLoadPaths, TransparentPixelsTakeTheBackgroundOpaqueOnesKeepTheirColour) {
  HBITMAP bitmap = Load(picture_, kDialogFace);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  int width = 0, height = 0;
  const std::vector<std::uint32_t> pixels = BitmapPixels(bitmap, &width, &height);
  EXPECT_EQ(width, kWidth);
  EXPECT_EQ(height, kHeight);
  ASSERT_EQ(pixels.size(), kPixels.size());
  EXPECT_EQ(pixels[kTransparentRed], 0xF0F0F0u);
  EXPECT_EQ(pixels[kTransparentWhite], 0xF0F0F0u);
  EXPECT_EQ(pixels[kOpaqueRed], 0xFF0000u);
  EXPECT_EQ(pixels[kOpaqueGreen], 0x00FF00u);
  EXPECT_EQ(pixels[kOpaqueBlue], 0x0000FFu);
  EXPECT_EQ(pixels[kOpaqueWhite], 0xFFFFFFu);
  EXPECT_EQ(pixels[kOpaqueBlack], 0x000000u);
}

TEST_P(ImageLoadPaths, HalfTransparentPixelsAreBlendedWithTheBackground) {
  const std::vector<std::uint32_t> pixels = LoadPixels(kDialogFace);
  ASSERT_EQ(pixels.size(), kPixels.size());
  // Black at alpha 128 over 0xF0 grey leaves about 0xF0 * 127 / 255 = 0x77 of each channel.
  const std::uint32_t half = pixels[kHalfBlack];
  for (int shift : {0, 8, 16}) {
    const int channel = static_cast<int>((half >> shift) & 0xFF);
    EXPECT_NEAR(channel, 0x77, 2) << "channel at bit " << shift;
  }
}

TEST_P(ImageLoadPaths, LowByteOfTheBackgroundIsBlue) {
  const std::vector<std::uint32_t> pixels = LoadPixels(0x0000FF);
  ASSERT_EQ(pixels.size(), kPixels.size());
  EXPECT_EQ(pixels[kTransparentRed], 0x0000FFu);
  EXPECT_EQ(pixels[kOpaqueRed], 0xFF0000u);
}

TEST_P(ImageLoadPaths, BitsAboveTheColourHaveNoEffect) {
  const std::vector<std::uint32_t> plain = LoadPixels(0x0000FF);
  for (std::int64_t background :
       {std::int64_t{0x000000FF}, std::int64_t{0x7F0000FF}, std::int64_t{0xFF0000FF},
        std::int64_t{0x12345678000000FF}, std::int64_t{-0x1000000} | 0xFF}) {
    EXPECT_EQ(LoadPixels(background), plain) << std::hex << background;
  }
  // -1 has every colour bit set: white, and the alpha bits change nothing.
  EXPECT_EQ(LoadPixels(-1)[kTransparentRed], 0xFFFFFFu);
}

TEST_P(ImageLoadPaths, EachLoadGivesANewBitmapThatStaysValid) {
  HBITMAP first = Load(picture_, kDialogFace);
  HBITMAP second = Load(picture_, kDialogFace);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  Load(picture_, kDialogFace);  // a later load does not disturb the earlier bitmaps
  EXPECT_EQ(BitmapPixels(first), BitmapPixels(second));
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
}

TEST_P(ImageLoadPaths, RelativeNamesAreFoundInTheCurrentDirectory) {
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
  HBITMAP bitmap = Load("picture.png", kDialogFace);
  SetCurrentDirectoryA(previous);
  EXPECT_NE(bitmap, nullptr);
}

TEST_P(ImageLoadPaths, NamesAreReadInTheAnsiCodePage) {
  // 0x80 is the euro sign in code page 1252 (and a Cyrillic letter in 1251), not U+0080.
  const std::string name =
      folder_.Write("pic\x80\xE9.png", test_images::PngFile(kWidth, kHeight, kPixels));
  std::string printed = Printed([&] { EXPECT_NE(Load(name, kDialogFace), nullptr); });
  EXPECT_EQ(printed, "");
}

TEST_P(ImageLoadPaths, MetafilesAreFlattenedToo) {
  // GDI+ decodes metafiles but turns only bitmaps into a GDI bitmap directly.
  const std::string name = folder_.Path() + "\\drawing.emf";
  HDC recorder = CreateEnhMetaFileA(nullptr, name.c_str(), nullptr, nullptr);
  ASSERT_NE(recorder, nullptr);
  const RECT area{0, 0, 20, 10};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(recorder, &area, blue);
  DeleteObject(blue);
  DeleteEnhMetaFile(CloseEnhMetaFile(recorder));

  HBITMAP bitmap = nullptr;
  EXPECT_EQ(Printed([&] { bitmap = Load(name, kDialogFace); }), "");
  DeleteFileA(name.c_str());
  ASSERT_NE(bitmap, nullptr);
  int width = 0, height = 0;
  const std::vector<std::uint32_t> pixels = BitmapPixels(bitmap, &width, &height);
  EXPECT_GT(width, 0);
  EXPECT_GT(height, 0);
  ASSERT_FALSE(pixels.empty());
  EXPECT_EQ(pixels[0], 0x0000FFu);
}

TEST_P(ImageLoadPaths, MissingOrEmptyNamePrintsFailOnceAndGivesNull) {
  const std::string missing = folder_.Path() + "\\missing.png";
  for (const std::string& name : {missing, std::string()}) {
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(Printed([&] { bitmap = Load(name, kDialogFace); }), "FAIL\n") << name;
    EXPECT_EQ(bitmap, nullptr);
  }
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
  EXPECT_EQ(Printed([&] { bitmap = ImageLoadFile(nullptr, kDialogFace); }), "FAIL\n");
  EXPECT_EQ(bitmap, nullptr);
}

TEST_P(ImageLoadPaths, BadFilesPrintFailGiveNullAndLeakNothing) {
  std::string random(4096, '\0');
  std::uint32_t seed = 12345;
  for (char& c : random) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
  }
  const std::string png = test_images::PngFile(kWidth, kHeight, kPixels);
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {
      {"empty.png", ""},
      {"truncated.png", png.substr(0, png.size() / 2)},
      {"header-only.png", png.substr(0, 33)},
      {"random.png", random},
      {"huge.png", test_images::PngFileClaimingSize(100000, 100000)},
  };
  const DWORD gdiBefore = GdiObjectCount();
  for (const auto& file : files) {
    const std::string name = folder_.Write(file.name, file.bytes);
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(Printed([&] { bitmap = Load(name, kDialogFace); }), "FAIL\n") << file.name;
    EXPECT_EQ(bitmap, nullptr) << file.name;
  }
  EXPECT_EQ(GdiObjectCount(), gdiBefore);
  // The loader still works after all those failures.
  EXPECT_NE(Load(picture_, kDialogFace), nullptr);
}

TEST(ImageLoadBothPaths, GiveTheSamePixels) {
  ImageLoaderInit();
  TempFolder folder;
  const std::string name = folder.Write("p.png", test_images::PngFile(kWidth, kHeight, kPixels));
  std::vector<std::uint32_t> results[2];
  const int versions[2] = {kVistaMajorVersion, kXpMajorVersion};
  for (int i = 0; i < 2; ++i) {
    ImageLoaderMajorVersionOverride(versions[i]);
    HBITMAP bitmap = ImageLoadFile(name.c_str(), kDialogFace);
    ASSERT_NE(bitmap, nullptr);
    results[i] = BitmapPixels(bitmap);
    DeleteObject(bitmap);
  }
  ImageLoaderMajorVersionOverride(0);
  ASSERT_EQ(results[0].size(), kPixels.size());
  ASSERT_EQ(results[1].size(), kPixels.size());
  for (std::size_t i = 0; i < kPixels.size(); ++i) {
    if (kPixels[i].a == 0 || kPixels[i].a == 255) {
      EXPECT_EQ(results[0][i], results[1][i]) << "pixel " << i;
      continue;
    }
    // The two blends may round half-transparent pixels differently, by one step at most.
    for (int shift : {0, 8, 16}) {
      EXPECT_NEAR(static_cast<int>((results[0][i] >> shift) & 0xFF),
                  static_cast<int>((results[1][i] >> shift) & 0xFF), 1)
          << "pixel " << i << ", channel at bit " << shift;
    }
  }
}

class IconLoad : public testing::Test {
 protected:
  void TearDown() override {
    for (HICON icon : loaded_) DestroyIcon(icon);
  }
  HICON Load(const char* name) {
    HICON icon = IconLoadFile(name);
    if (icon != nullptr) loaded_.push_back(icon);
    return icon;
  }
  // Width of an icon's colour image, 0 when the handle is not a live icon.
  static int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
  }

  TempFolder folder_;
  std::vector<HICON> loaded_;
};

TEST_F(IconLoad, LoadsTheSystemIconSizeFromAFileOfSeveralSizes) {
  const std::string name =
      folder_.Write("several.ico", test_images::IconFile({16, 24, 32, 48}, {200, 40, 40, 255}));
  HICON icon = Load(name.c_str());
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(IconWidth(icon), GetSystemMetrics(SM_CXICON));
}

TEST_F(IconLoad, EachLoadGivesANewIconThatStaysValid) {
  const std::string name = folder_.Write("one.ico", test_images::IconFile({32}, {0, 0, 255, 255}));
  HICON first = Load(name.c_str());
  HICON second = Load(name.c_str());
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(IconWidth(first), 32);
  EXPECT_EQ(IconWidth(second), 32);
}

TEST_F(IconLoad, MissingOrNonIconFilesGiveNullAndPrintNothing) {
  const std::string names[] = {
      folder_.Path() + "\\missing.ico",
      folder_.Write("picture.ico", test_images::PngFile(kWidth, kHeight, kPixels)),
      folder_.Write("empty.ico", ""),
      folder_.Write("text.ico", "not an icon at all"),
      "",
  };
  for (const std::string& name : names) {
    HICON icon = reinterpret_cast<HICON>(1);
    EXPECT_EQ(Printed([&] { icon = Load(name.c_str()); }), "") << name;
    EXPECT_EQ(icon, nullptr) << name;
  }
  EXPECT_EQ(Printed([] { EXPECT_EQ(IconLoadFile(nullptr), nullptr); }), "");
}

}  // namespace
