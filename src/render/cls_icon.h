#pragma once
// The bytes of one icon file held in memory: the directory answers questions
// about the images, and one image at a time is handed to the surface to be
// drawn at its own size. No icon handle is kept between draws.
#include <cstdint>
#include <vector>

#include "base/text.h"

namespace mirelo {

class Surface;

class ClsIcon {
public:
    // True when the data holds at least one image. Data too short for its
    // directory, or naming image bytes past its end, is refused (False) and
    // leaves the object without images, so nothing is ever read outside it.
    bool LoadFromData(std::vector<uint8_t> data);
    // False when the file does not exist or cannot be read.
    bool LoadFromFile(const Text& FileName);

    int32_t Count() const { return count_; }
    // Image numbers are 0-based; one outside 0 .. Count - 1 is error 9.
    int32_t Width(int32_t image) const { return Entry(image).width; }
    int32_t Height(int32_t image) const { return Entry(image).height; }
    int32_t ColorCount(int32_t image) const { return Entry(image).colorCount; }
    int32_t BitCount(int32_t image) const { return Entry(image).bitCount; }
    int32_t Length(int32_t image) const { return Entry(image).length; }
    std::vector<uint8_t> Data(int32_t image) const;

    // Draws the image at (x, y) at its own size; False when the platform
    // could not make or draw it.
    bool Draw(Surface& surface, int32_t x, int32_t y, int32_t image) const;

private:
    struct DirEntry {
        uint8_t width = 0, height = 0, colorCount = 0;
        uint16_t bitCount = 0;
        int32_t length = 0;
        uint32_t offset = 0;
    };
    const DirEntry& Entry(int32_t image) const;

    std::vector<uint8_t> data_;
    int16_t count_ = 0;  // as the file states it; 0 or below means no images
    std::vector<DirEntry> dir_;
};

}  // namespace mirelo
