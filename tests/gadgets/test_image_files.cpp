// Test helpers: image and icon files written at run time, in a temporary folder of their own.
#include "tests/gadgets/test_image_files.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace test_images {

namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr std::uint8_t kPngColourTypeRgba = 6;
constexpr std::size_t kStoredBlockMax = 65535;

void PutBig32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(v >> shift));
}

void PutLittle16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v));
  out.push_back(static_cast<char>(v >> 8));
}

void PutLittle32(std::string& out, std::uint32_t v) {
  PutLittle16(out, v);
  PutLittle16(out, v >> 16);
}

std::uint32_t Crc32(const std::string& bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  PutBig32(out, Crc32(typed));
}

// zlib stream of stored (uncompressed) deflate blocks.
std::string Zlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t len = std::min(kStoredBlockMax, raw.size() - at);
    const bool last = at + len == raw.size();
    out.push_back(last ? 1 : 0);
    PutLittle16(out, static_cast<std::uint32_t>(len));
    PutLittle16(out, static_cast<std::uint32_t>(~len & 0xFFFF));
    out.append(raw, at, len);
    at += len;
  } while (at < raw.size());
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBig32(out, (b << 16) | a);
  return out;
}

std::string Header(std::uint32_t width, std::uint32_t height) {
  std::string ihdr;
  PutBig32(ihdr, width);
  PutBig32(ihdr, height);
  ihdr += static_cast<char>(8);  // bits per sample
  ihdr += static_cast<char>(kPngColourTypeRgba);
  ihdr += std::string(3, '\0');  // deflate, adaptive filtering, no interlace
  std::string out(kPngSignature, sizeof(kPngSignature) - 1);
  PutChunk(out, "IHDR", ihdr);
  return out;
}

std::string Rows(std::uint32_t width, std::uint32_t height, const std::vector<Rgba>& pixels) {
  std::string raw;
  for (std::uint32_t y = 0; y < height; ++y) {
    raw.push_back('\0');  // filter: none
    for (std::uint32_t x = 0; x < width; ++x) {
      const Rgba& p = pixels.at(y * width + x);
      raw += {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b),
              static_cast<char>(p.a)};
    }
  }
  return raw;
}

}  // namespace

std::string PngFile(std::uint32_t width, std::uint32_t height, const std::vector<Rgba>& pixels) {
  std::string out = Header(width, height);
  PutChunk(out, "IDAT", Zlib(Rows(width, height, pixels)));
  PutChunk(out, "IEND", "");
  return out;
}

std::string PngFileClaimingSize(std::uint32_t width, std::uint32_t height) {
  std::string out = Header(width, height);
  PutChunk(out, "IDAT", Zlib(std::string(64, '\0')));
  PutChunk(out, "IEND", "");
  return out;
}

std::string IconFile(const std::vector<int>& sizes, Rgba colour) {
  std::vector<std::string> images;
  for (int size : sizes) {
    const auto side = static_cast<std::uint32_t>(size);
    std::string image;
    PutLittle32(image, sizeof(BITMAPINFOHEADER));
    PutLittle32(image, side);
    PutLittle32(image, side * 2);  // the colour rows and the mask rows
    PutLittle16(image, 1);
    PutLittle16(image, 32);
    image += std::string(sizeof(BITMAPINFOHEADER) - 16, '\0');
    for (std::uint32_t i = 0; i < side * side; ++i) {
      image += {static_cast<char>(colour.b), static_cast<char>(colour.g),
                static_cast<char>(colour.r), static_cast<char>(colour.a)};
    }
    const std::uint32_t maskStride = ((side + 31) / 32) * 4;
    image += std::string(maskStride * side, '\0');  // all opaque
    images.push_back(image);
  }
  std::string out;
  PutLittle16(out, 0);
  PutLittle16(out, 1);  // icon
  PutLittle16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int size = sizes[i];
    out.push_back(static_cast<char>(size >= 256 ? 0 : size));
    out.push_back(static_cast<char>(size >= 256 ? 0 : size));
    out += std::string(2, '\0');  // no palette, reserved
    PutLittle16(out, 1);          // planes
    PutLittle16(out, 32);         // bits per pixel
    PutLittle32(out, static_cast<std::uint32_t>(images[i].size()));
    PutLittle32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const std::string& image : images) out += image;
  return out;
}

TempFolder::TempFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static int serial = 0;
  char name[MAX_PATH] = {};
  std::snprintf(name, sizeof(name), "%svantrel-gadgets-%lu-%d", base, GetCurrentProcessId(),
                ++serial);
  path_ = name;
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  for (const std::string& file : files_) DeleteFileA(file.c_str());
  RemoveDirectoryA(path_.c_str());
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) {
  const std::string full = path_ + "\\" + name;
  if (FILE* f = std::fopen(full.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  files_.push_back(full);
  return full;
}

}  // namespace test_images
