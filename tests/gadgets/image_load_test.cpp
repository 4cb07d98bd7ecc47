// Tests of image loading: flattening onto a background on both branches, failures, icons.
#include "toolkit/gadgets/image_load.h"

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/core/startup.h"
#include "toolkit/gadgets/image_load_seam.h"

namespace {

// The test picture, 4 x 2, as 0xAARRGGBB: transparent red, opaque red, green and blue;
// half-transparent black (index 4), transparent white, opaque white and black.
const std::uint32_t kPixels[] = {0x00FF0000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                 0x80000000, 0x00FFFFFF, 0xFFFFFFFF, 0xFF000000};

void Put(std::string& out, std::uint64_t v, int bytes, bool big_endian = false) {
  for (int k = 0; k < bytes; ++k)
    out.push_back(static_cast<char>(v >> (8 * (big_endian ? bytes - 1 - k : k))));
}

// A PNG chunk (type and data) with its length and CRC, both of which the decoder checks.
void Chunk(std::string& out, const std::string& typed) {
  std::uint32_t crc = ~0u;
  for (unsigned char c : typed) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  Put(out, typed.size() - 4, 4, true);
  Put(out += typed, ~crc, 4, true);
}

// An 8-bit RGBA PNG whose filtered rows `raw` sit in one stored (uncompressed) deflate block,
// so that the header can claim more pixels than the data holds.
std::string Png(std::uint32_t width, std::uint32_t height, const std::string& raw) {
  std::string header = "IHDR", zlib = "IDAT\x78\x01\x01", out = "\x89PNG\r\n\x1a\n";
  for (std::uint32_t side : {width, height}) Put(header, side, 4, true);
  header += std::string("\x08\x06\0\0\0", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
  Put(zlib, raw.size() | (~raw.size() & 0xFFFF) << 16, 4);  // its length and the complement
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) b = (b + (a = (a + c) % 65521)) % 65521;
  Put(zlib += raw, std::uint64_t{b} << 16 | a, 4, true);
  for (const std::string& typed : {header, zlib, std::string("IEND")}) Chunk(out, typed);
  return out;
}

std::string PicturePng() {
  std::string raw;
  for (int i = 0; i < 8; ++i) {
    if (i % 4 == 0) raw += '\0';  // filter: none
    for (int shift : {16, 8, 0, 24}) raw += static_cast<char>(kPixels[i] >> shift);
  }
  return Png(4, 2, raw);
}

// An icon file of opaque white 32-bit images of the given sizes.
std::string Icon(std::initializer_list<std::uint32_t> sizes) {
  std::string out, images;
  Put(out, 0x10000 | sizes.size() << 32, 6);  // reserved, type 1 (icon), count
  for (std::uint32_t side : sizes) {
    std::string image;  // header: its size, width, height of colour and mask, 1 plane, 32 bits
    for (std::uint32_t v : {40u, side, side * 2, 0x200001u}) Put(image, v, 4);
    image += std::string(24, '\0') + std::string(side * side * 4, '\xFF') +
             std::string((side + 31) / 32 * 4 * side, '\0');                    // mask: all opaque
    Put(out, side | side << 8 | 0x0020000100000000u, 8);                        // 1 plane, 32 bits
    Put(out, image.size() | (6 + 16 * sizes.size() + images.size()) << 32, 8);  // at its offset
    images += image;
  }
  return out + images;
}

// Files written for the tests, under relative names in the current directory; the fixture
// removes them.
std::vector<std::string> written;
std::string Write(const std::string& name, const std::string& bytes) {
  std::ofstream(written.emplace_back("gadgets-test-" + name), std::ios::binary) << bytes;
  return written.back();
}

// Each pixel as 0x00RRGGBB through a top-down 32-bit DIB; GDI+ leaves alpha 0 where it filled.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return {};
  BITMAPINFO header{};
  header.bmiHeader = {
      sizeof header.bmiHeader, info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                             &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
  return rows == info.bmHeight ? pixels : std::vector<std::uint32_t>{};
}

template <typename Call>
std::string Printed(Call call) {
  testing::internal::CaptureStdout();
  call();
  return testing::internal::GetCapturedStdout();
}

struct ImageLoad : testing::Test {
  static void SetUpTestSuite() { ImageLoaderInit(); }
  static void TearDownTestSuite() {
    for (const std::string& name : written) DeleteFileA(name.c_str());
  }
  void TearDown() override { ImageLoaderMajorVersionOverride(0); }
};

// Every background on both branches: GDI+ fills it in itself (major version 6) or the loader
// composites (5, as on Windows XP); Wine alone would only ever take the first.
TEST_F(ImageLoad, TransparentPixelsTakeTheBackgroundAlikeOnBothBranches) {
  const std::string name = Write("picture.png", PicturePng());
  // clang-format off
  const struct { std::int64_t background; std::uint32_t shown; } rows[] = {
      {0xF0F0F0, 0xF0F0F0}, {0x0000FF, 0x0000FF},  // the low byte is blue
      // Bits 24 and up have no effect; -1 has every colour bit set.
      {0x7F0000FF, 0x0000FF}, {0xFF0000FF, 0x0000FF}, {0x12345678000000FF, 0x0000FF},
      {-0x1000000 | 0xFF, 0x0000FF}, {-1, 0xFFFFFF}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "background " << std::hex << row.background);
    std::vector<std::uint32_t> seen[2];
    for (int branch : {0, 1}) {
      ImageLoaderMajorVersionOverride(6 - branch);
      HBITMAP bitmaps[2] = {ImageLoadFile(name.c_str(), row.background),
                            ImageLoadFile(name.c_str(), row.background)};
      EXPECT_NE(bitmaps[0], bitmaps[1]);  // two loads, two bitmaps, both alive
      seen[branch] = Pixels(bitmaps[0]);
      EXPECT_EQ(Pixels(bitmaps[1]), seen[branch]);
      for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
      ASSERT_EQ(seen[branch].size(), 8u) << "branch " << branch;
      for (int i : {0, 1, 2, 3, 5, 6, 7})  // all but the half-transparent pixel
        EXPECT_EQ(seen[branch][i], kPixels[i] >> 24 ? kPixels[i] & 0xFFFFFF : row.shown) << i;
    }
    // The two blends may round the half-transparent pixel differently, by one step at most.
    for (int shift : {0, 8, 16})
      EXPECT_NEAR(seen[0][4] >> shift & 0xFF, seen[1][4] >> shift & 0xFF, 1);
  }
}

// GDI+ decodes metafiles but converts only bitmaps directly: they go through the canvas.
TEST_F(ImageLoad, AMetafileIsFlattenedWithoutAWord) {
  const std::string name = "gadgets-test-drawing.emf";
  written.push_back(name);
  HDC recorder = CreateEnhMetaFileA(nullptr, name.c_str(), nullptr, nullptr);
  ASSERT_NE(recorder, nullptr);
  const RECT area{0, 0, 20, 10};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(recorder, &area, blue);
  DeleteObject(blue);
  DeleteEnhMetaFile(CloseEnhMetaFile(recorder));
  HBITMAP bitmap = nullptr;
  EXPECT_EQ(Printed([&] { bitmap = ImageLoadFile(name.c_str(), 0xF0F0F0); }), "");
  const std::vector<std::uint32_t> pixels = Pixels(bitmap);
  ASSERT_FALSE(pixels.empty());
  EXPECT_EQ(pixels[0], 0x0000FFu);
  DeleteObject(bitmap);
}

TEST_F(ImageLoad, MissingEmptyOrBadFilesPrintFailOnceGiveNullAndLeakNothing) {
  std::string random;
  for (unsigned i = 0; i < 4096; ++i) random += static_cast<char>(i * i * 2654435761u >> 13);
  const std::string png = PicturePng();
  // clang-format off
  const std::string names[] = {"missing.png", "", Write("empty.png", ""),
      Write("truncated.png", png.substr(0, png.size() / 2)), Write("random.png", random),
      Write("huge.png", Png(100000, 100000, std::string(64, '\0')))};
  // clang-format on
  // GDI objects of this process, where the system counts them (Wine answers 0).
  const DWORD gdi_before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int branch : {0, 1}) {
    ImageLoaderMajorVersionOverride(6 - branch);
    for (const std::string& name : names) {
      SCOPED_TRACE("branch " + std::to_string(branch) + ": \"" + name + "\"");
      HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
      EXPECT_EQ(Printed([&] { bitmap = ImageLoadFile(name.c_str(), 0xF0F0F0); }), "FAIL\n");
      EXPECT_EQ(bitmap, nullptr);
    }
  }
  EXPECT_EQ(Printed([] { EXPECT_EQ(ImageLoadFile(nullptr, 0), nullptr); }), "FAIL\n");
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi_before);
}

// Icons load at the system's size, a new one each time; anything else gives null silently.
TEST_F(ImageLoad, IconsComeAtTheSystemSizeOrAsNullWithoutAWord) {
  // clang-format off
  const std::pair<std::string, int> rows[] = {
      {Write("several.ico", Icon({16, 24, 32, 48})), GetSystemMetrics(SM_CXICON)},
      {"missing.ico", 0}, {Write("picture.ico", PicturePng()), 0},
      {Write("text.ico", "not an icon at all"), 0}, {"", 0}};
  // clang-format on
  for (const auto& [name, width] : rows) {
    SCOPED_TRACE("\"" + name + "\"");
    const auto load = [&] { return IconLoadFile(name.c_str()); };
    HICON icons[2] = {};
    EXPECT_EQ(Printed([&] { icons[0] = load(), icons[1] = load(); }), "");
    ICONINFO info{};
    BITMAP bitmap{};
    if (GetIconInfo(icons[0], &info)) GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, width);
    EXPECT_EQ(icons[0] == icons[1], width == 0);  // two icons, or null twice
    for (HGDIOBJ object : {HGDIOBJ(info.hbmColor), HGDIOBJ(info.hbmMask)}) DeleteObject(object);
    for (HICON icon : icons) DestroyIcon(icon);
  }
}

}  // namespace
