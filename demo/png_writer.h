#pragma once
// A minimal PNG encoder: 8-bit RGB, no filtering, the image data in stored
// (uncompressed) deflate blocks. Enough for a screenshot, with no library.
#include <cstdint>
#include <string>
#include <vector>

namespace demo {

// rgb: width * height pixels, three bytes each, rows top to bottom.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb);
bool WritePng(const std::wstring& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace demo
