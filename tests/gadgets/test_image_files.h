// Test helpers: image and icon files written at run time, in a temporary folder of their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_images {

struct Rgba {
  std::uint8_t r, g, b, a;
};

// A PNG file (8-bit RGBA, uncompressed deflate blocks) of width × height pixels, row by row.
std::string PngFile(std::uint32_t width, std::uint32_t height, const std::vector<Rgba>& pixels);

// A PNG whose header claims width × height pixels but whose data holds only a few rows.
std::string PngFileClaimingSize(std::uint32_t width, std::uint32_t height);

// An icon file holding one opaque 32-bit image of each size, every pixel of colour.
std::string IconFile(const std::vector<int>& sizes, Rgba colour);

// A folder under the system's temporary folder, removed with its files at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Writes a file into the folder and returns its full name.
  std::string Write(const std::string& name, const std::string& bytes);

 private:
  std::string path_;
  std::vector<std::string> files_;
};

}  // namespace test_images
