// Tests of image loading: flattening onto a background on both paths, failures, icons.
#include "toolkit/gadgets/image_load.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/core/startup.h"
#include "toolkit/gadgets/image_load_seam.h"

namespace {

struct Rgba {
  std::uint8_t r, g, b, a;
};

// The test picture, 4 × 2: transparent red, opaque red, green and blue; half-transparent
// black, transparent white, opaque white and black.
constexpr int kWidth = 4, kHeight = 2, kHalfBlack = 4;
const std::vector<Rgba> kPixels = {
    {255, 0, 0, 0}, {255, 0, 0, 255},   {0, 255, 0, 255},     {0, 0, 255, 255},
    {0, 0, 0, 128}, {255, 255, 255, 0}, {255, 255, 255, 255}, {0, 0, 0, 255},
};
constexpr std::int64_t kDialogFace = 0xF0F0F0;

void Put(std::string& out, std::uint32_t v, int bytes, bool bigEndian) {
  for (int k = 0; k < bytes; ++k)
    out.push_back(static_cast<char>(v >> (8 * (bigEndian ? bytes - 1 - k : k))));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  Put(out, static_cast<std::uint32_t>(data.size()), 4, true);
  const std::string typed = std::string(type, 4) + data;
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : typed) {
    crc ^= byte;
    for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
  }
  out += typed;
  Put(out, crc ^ 0xFFFFFFFFu, 4, true);
}

// A PNG of 8-bit RGBA pixels in one stored (uncompressed) deflate block; `raw` overrides the
// filtered rows, so that the header can claim more pixels than the data holds.
std::string PngFile(std::uint32_t width, std::uint32_t height, const std::vector<Rgba>& pixels,
                    std::string raw = {}) {
  for (std::uint32_t i = 0; i < width * height && i < pixels.size(); ++i) {
    if (i % width == 0) raw.push_back('\0');  // filter: none
    raw += {static_cast<char>(pixels[i].r), static_cast<char>(pixels[i].g),
            static_cast<char>(pixels[i].b), static_cast<char>(pixels[i].a)};
  }
  std::string header, zlib = "\x78\x01\x01", out = "\x89PNG\r\n\x1a\n";
  Put(header, width, 4, true);
  Put(header, height, 4, true);
  header += std::string("\x08\x06\0\0\0", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
  Put(zlib, static_cast<std::uint32_t>(raw.size()), 2, false);
  Put(zlib, static_cast<std::uint32_t>(~raw.size() & 0xFFFF), 2, false);
  zlib += raw;
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  Put(zlib, (b << 16) | a, 4, true);
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", zlib);
  PutChunk(out, "IEND", "");
  return out;
}

// An icon file of one opaque 32-bit image of each size.
std::string IconFile(const std::vector<std::uint32_t>& sizes, Rgba colour) {
  std::string out, images;
  Put(out, 0, 2, false);
  Put(out, 1, 2, false);  // icon
  Put(out, static_cast<std::uint32_t>(sizes.size()), 2, false);
  for (std::uint32_t side : sizes) {
    std::string image;
    for (std::uint32_t v : {40u, side, side * 2}) Put(image, v, 4, false);  // colour and mask
    Put(image, 1, 2, false);
    Put(image, 32, 2, false);
    image += std::string(24, '\0');
    for (std::uint32_t i = 0; i < side * side; ++i)
      image += {static_cast<char>(colour.b), static_cast<char>(colour.g),
                static_cast<char>(colour.r), static_cast<char>(colour.a)};
    image += std::string((side + 31) / 32 * 4 * side, '\0');  // mask: all opaque
    out += {static_cast<char>(side), static_cast<char>(side), '\0', '\0'};
    Put(out, 1, 2, false);
    Put(out, 32, 2, false);
    Put(out, static_cast<std::uint32_t>(image.size()), 4, false);
    Put(out, static_cast<std::uint32_t>(6 + 16 * sizes.size() + images.size()), 4, false);
    images += image;
  }
  return out + images;
}

// A folder under the system's temporary folder, removed with its files at the end.
class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    path_ = std::string(base) + "vantrel-gadgets-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& Path() const { return path_; }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string full = path_ + "\\" + name;
    if (FILE* f = std::fopen(full.c_str(), "wb")) {
      std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
    files_.push_back(full);
    return full;
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

// Each pixel as 0x00RRGGBB through a top-down 32-bit DIB; GDI+ leaves alpha 0 where it filled.
std::vector<std::uint32_t> BitmapPixels(HBITMAP bitmap, int* width = nullptr) {
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof(info), &info) != sizeof(info)) return {};
  if (width != nullptr) *width = info.bmWidth;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = -info.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                             &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return {};
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

template <typename Call>
std::string Printed(Call call) {
  testing::internal::CaptureStdout();
  call();
  return testing::internal::GetCapturedStdout();
}

// Every test runs on both paths: GDI+ fills the background itself (major version 6) or the
// loader composites (5, as on Windows XP); Wine would otherwise take the first only.
class ImageLoadPaths : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { ImageLoaderInit(); }
  void SetUp() override {
    ImageLoaderMajorVersionOverride(GetParam());
    picture_ = folder_.Write("picture.png", PngFile(kWidth, kHeight, kPixels));
  }
  void TearDown() override {
    ImageLoaderMajorVersionOverride(0);
    for (HBITMAP bitmap : loaded_) DeleteObject(bitmap);
  }
  HBITMAP Load(const char* name, std::int64_t background) {
    HBITMAP bitmap = ImageLoadFile(name, background);
    if (bitmap != nullptr) loaded_.push_back(bitmap);
    return bitmap;
  }

  TempFolder folder_;
  std::string picture_;
  std::vector<HBITMAP> loaded_;
};

INSTANTIATE_TEST_SUITE_P(BothPaths, ImageLoadPaths, testing::Values(6, 5),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param > 5 ? "GdiplusFills" : "Compositing");
                         });

TEST_P(ImageLoadPaths, TransparencyTakesTheBackgroundAndOpaquePixelsKeepTheirColour) {
  const struct {
    std::int64_t background;
    std::uint32_t shown;  // behind fully transparent pixels
  } rows[] = {
      {kDialogFace, 0xF0F0F0},
      {0x0000FF, 0x0000FF},  // the low byte is blue
      // Bits 24 and up have no effect; -1 has every colour bit set.
      {0x7F0000FF, 0x0000FF},
      {0xFF0000FF, 0x0000FF},
      {0x12345678000000FF, 0x0000FF},
      {-0x1000000 | 0xFF, 0x0000FF},
      {-1, 0xFFFFFF},
  };
  for (const auto& row : rows) {
    HBITMAP bitmap = Load(picture_.c_str(), row.background);
    ASSERT_NE(bitmap, nullptr) << std::hex << row.background;
    int width = 0;
    const std::vector<std::uint32_t> pixels = BitmapPixels(bitmap, &width);
    EXPECT_EQ(width, kWidth);
    ASSERT_EQ(pixels.size(), kPixels.size()) << std::hex << row.background;
    for (std::size_t i = 0; i < kPixels.size(); ++i) {
      const Rgba& p = kPixels[i];
      const std::uint32_t colour = (p.r << 16) | (p.g << 8) | p.b;
      if (p.a == 0 || p.a == 255) {
        EXPECT_EQ(pixels[i], p.a == 0 ? row.shown : colour)
            << std::hex << row.background << " " << i;
      }
    }
  }
  // Black at alpha 128 over 0xF0 grey leaves about 0xF0 * 127 / 255 = 0x77 of each channel.
  const std::uint32_t half = BitmapPixels(Load(picture_.c_str(), kDialogFace))[kHalfBlack];
  for (int shift : {0, 8, 16}) EXPECT_NEAR(static_cast<int>((half >> shift) & 0xFF), 0x77, 2);
}

TEST_P(ImageLoadPaths, EachLoadGivesANewBitmapThatStaysValid) {
  HBITMAP first = Load(picture_.c_str(), kDialogFace);
  HBITMAP second = Load(picture_.c_str(), kDialogFace);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  Load(picture_.c_str(), kDialogFace);
  EXPECT_EQ(BitmapPixels(first), BitmapPixels(second));
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
}

TEST_P(ImageLoadPaths, RelativeAndAnsiNamesAreFound) {
  // 0x80 is the euro sign in code page 1252 (a Cyrillic letter in 1251), not U+0080.
  const std::string ansi = folder_.Write("pic\x80\xE9.png", PngFile(kWidth, kHeight, kPixels));
  EXPECT_EQ(Printed([&] { EXPECT_NE(Load(ansi.c_str(), kDialogFace), nullptr); }), "");
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
  HBITMAP bitmap = Load("picture.png", kDialogFace);
  SetCurrentDirectoryA(previous);
  EXPECT_NE(bitmap, nullptr);
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
  EXPECT_EQ(Printed([&] { bitmap = Load(name.c_str(), kDialogFace); }), "");
  DeleteFileA(name.c_str());
  const std::vector<std::uint32_t> pixels = BitmapPixels(bitmap);
  ASSERT_FALSE(pixels.empty());
  EXPECT_EQ(pixels[0], 0x0000FFu);
}

TEST_P(ImageLoadPaths, MissingEmptyOrBadFilesPrintFailOnceGiveNullAndLeakNothing) {
  std::string random(4096, '\0');
  std::uint32_t seed = 12345;
  for (char& c : random) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
  const std::string png = PngFile(kWidth, kHeight, kPixels);
  const std::string missing = folder_.Path() + "\\missing.png";
  const struct {
    const char* label;
    std::string name;
  } rows[] = {
      {"missing", missing},
      {"empty name", ""},
      {"empty", folder_.Write("empty.png", "")},
      {"truncated", folder_.Write("truncated.png", png.substr(0, png.size() / 2))},
      {"header only", folder_.Write("header.png", png.substr(0, 33))},
      {"random", folder_.Write("random.png", random)},
      {"huge", folder_.Write("huge.png", PngFile(100000, 100000, {}, std::string(64, '\0')))},
  };
  // GDI objects of this process, where the system counts them (Wine answers 0).
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (const auto& row : rows) {
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(Printed([&] { bitmap = Load(row.name.c_str(), kDialogFace); }), "FAIL\n")
        << row.label;
    EXPECT_EQ(bitmap, nullptr) << row.label;
  }
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
  EXPECT_EQ(Printed([&] { bitmap = ImageLoadFile(nullptr, kDialogFace); }), "FAIL\n");
  EXPECT_EQ(bitmap, nullptr);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
  EXPECT_NE(Load(picture_.c_str(), kDialogFace), nullptr);  // still works after the failures
}

TEST(ImageLoadBothPaths, GiveTheSamePixels) {
  ImageLoaderInit();
  TempFolder folder;
  const std::string name = folder.Write("p.png", PngFile(kWidth, kHeight, kPixels));
  std::vector<std::uint32_t> results[2];
  for (int i = 0; i < 2; ++i) {
    ImageLoaderMajorVersionOverride(6 - i);
    HBITMAP bitmap = ImageLoadFile(name.c_str(), kDialogFace);
    ASSERT_NE(bitmap, nullptr);
    results[i] = BitmapPixels(bitmap);
    DeleteObject(bitmap);
  }
  ImageLoaderMajorVersionOverride(0);
  ASSERT_EQ(results[0].size(), kPixels.size());
  ASSERT_EQ(results[1].size(), kPixels.size());
  for (std::size_t i = 0; i < kPixels.size(); ++i) {
    // The two blends may round half-transparent pixels differently, by one step at most.
    const int tolerance = kPixels[i].a == 0 || kPixels[i].a == 255 ? 0 : 1;
    for (int shift : {0, 8, 16}) {
      EXPECT_NEAR(static_cast<int>((results[0][i] >> shift) & 0xFF),
                  static_cast<int>((results[1][i] >> shift) & 0xFF), tolerance)
          << "pixel " << i << ", channel at bit " << shift;
    }
  }
}

TEST(IconLoad, LoadsTheSystemIconSizeAsANewIconEachTime) {
  TempFolder folder;
  const std::string name =
      folder.Write("several.ico", IconFile({16, 24, 32, 48}, {200, 40, 40, 255}));
  HICON icons[2] = {IconLoadFile(name.c_str()), IconLoadFile(name.c_str())};
  EXPECT_NE(icons[0], icons[1]);
  for (HICON icon : icons) {
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  for (HICON icon : icons) DestroyIcon(icon);
}

TEST(IconLoad, MissingOrNonIconFilesGiveNullAndPrintNothing) {
  TempFolder folder;
  const std::string names[] = {
      folder.Path() + "\\missing.ico",
      folder.Write("picture.ico", PngFile(kWidth, kHeight, kPixels)),
      folder.Write("empty.ico", ""),
      folder.Write("text.ico", "not an icon at all"),
      "",
  };
  for (const std::string& name : names) {
    HICON icon = reinterpret_cast<HICON>(1);
    EXPECT_EQ(Printed([&] { icon = IconLoadFile(name.c_str()); }), "") << name;
    EXPECT_EQ(icon, nullptr) << name;
  }
  EXPECT_EQ(Printed([] { EXPECT_EQ(IconLoadFile(nullptr), nullptr); }), "");
}

}  // namespace
