// Image loading: the demo's PNG flattened opaque on both branches, and what a failed load
// prints and returns.
#include <vantrel/toolkit.h>

#include <gtest/gtest.h>

#include "tests/support/image_pixels.h"
#include "toolkit/gadgets/image_load_seam.h"

namespace {

const std::string kPng = "Z:" VANTREL_APP_DIR "/1.png";

// Each pixel as 0xAARRGGBB through a top-down 32-bit DIB; empty when that fails.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  BITMAPINFO header = {};
  header.bmiHeader = {
      sizeof header.bmiHeader, info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                             &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return rows == info.bmHeight ? pixels : std::vector<std::uint32_t>{};
}

// GDI+ flattens by itself from Vista (major version 6) on; before, the loader composites. Either
// way every pixel is the file's blended over the colour's low 24 bits (the low byte blue), and
// opaque: a static would blend a pixel with alpha below 0xFF a second time. (The dialog face
// 0xF0F0F0 is checked on screen by the demo's test.)
TEST(ImageLoad, BothBranchesGiveTheBlendOverTheLow24BitsAndFullAlpha) {
  UINT width = 0;
  const std::vector<std::uint32_t> file = FilePixels(kPng, &width);
  const std::int64_t background = 0x12345678000000FFll;
  for (int major : {6, 5}) {
    SCOPED_TRACE(testing::Message() << "major version " << major);
    ImageLoaderMajorVersionOverride(major);
    HBITMAP bitmap = ImageLoadFile(kPng.c_str(), background);
    EXPECT_EQ(ImageLoaderLastLoadComposited(), major == 5);
    const std::vector<std::uint32_t> shown = Pixels(bitmap);
    ASSERT_EQ(shown.size(), file.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
      EXPECT_EQ(shown[i] >> 24, 0xFFu) << i;
      EXPECT_TRUE(ShownOver(shown[i], file[i], 0xFF)) << i << std::hex << " " << shown[i];
    }
    DeleteObject(bitmap);
  }
  ImageLoaderMajorVersionOverride(0);
}

// An image that cannot be loaded prints "FAIL" once; an icon that cannot be loaded prints
// nothing.
TEST(ImageLoad, FailedImagesPrintFailAndGiveNull_IconsFailSilently_FilesAreLetGo) {
  const std::string ico = "Z:" VANTREL_APP_DIR "/1.ico", text = "Z:" VANTREL_APP_DIR "/main.cpp";
  // clang-format off
  const struct { const char* name; bool icon; const char* printed; bool loaded; } rows[] = {
      {"Z:/no/such.png", false, "FAIL\n", false}, {"", false, "FAIL\n", false}, {nullptr, false, "FAIL\n", false},
      {text.c_str(), false, "FAIL\n", false}, {ico.c_str(), true, "", true}, {"Z:/no/such.ico", true, "", false},
      {kPng.c_str(), true, "", false}, {nullptr, true, "", false}};
  // clang-format on
  for (const auto& row : rows) {
    testing::internal::CaptureStdout();
    HANDLE image = row.icon ? static_cast<HANDLE>(IconLoadFile(row.name))
                            : static_cast<HANDLE>(ImageLoadFile(row.name, 0));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), row.printed) << row.name;
    EXPECT_EQ(image != nullptr, row.loaded) << row.name;
  }
  // The decoded image is released at once: GDI+ keeps the file of an image it holds open.
  const std::string copy = "Z:/tmp/vantrel-image-load-" + std::to_string(GetCurrentProcessId());
  CopyFileA(kPng.c_str(), copy.c_str(), FALSE);
  DeleteObject(ImageLoadFile(copy.c_str(), 0));
  EXPECT_TRUE(DeleteFileA(copy.c_str()));
}

}  // namespace
