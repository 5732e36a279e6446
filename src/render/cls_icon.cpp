#include "render/cls_icon.h"

#include <cstdio>

#include "base/error.h"
#include "platform/surface.h"

namespace mirelo {

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;

uint16_t U16(const std::vector<uint8_t>& d, size_t at) {
    return static_cast<uint16_t>(d[at] | (d[at + 1] << 8));
}

uint32_t U32(const std::vector<uint8_t>& d, size_t at) {
    return static_cast<uint32_t>(d[at]) | (static_cast<uint32_t>(d[at + 1]) << 8) |
           (static_cast<uint32_t>(d[at + 2]) << 16) | (static_cast<uint32_t>(d[at + 3]) << 24);
}

// C stdio rather than <fstream>/<filesystem>: with the static C++ runtime those two bring in
// every locale facet, over a megabyte of the component for reading one file.
std::FILE* OpenForReading(const Text& name) {
#ifdef _WIN32
    return _wfopen(reinterpret_cast<const wchar_t*>(name.c_str()), L"rb");
#else
    return std::fopen(ToUtf8(name).c_str(), "rb");
#endif
}

}  // namespace

bool ClsIcon::LoadFromData(std::vector<uint8_t> data) {
    // Icon bytes come from resources or files we do not control: every offset
    // is checked before it is read, and a refused load keeps no images at all
    // rather than an old directory that would point into the new bytes.
    auto refuse = [this] {
        data_.clear();
        dir_.clear();
        count_ = 0;
        return false;
    };
    if (data.size() < kHeaderSize) return refuse();
    const auto count = static_cast<int16_t>(U16(data, 4));
    data_ = std::move(data);
    count_ = count;
    if (count <= 0) return false;

    const size_t n = static_cast<size_t>(count);
    if (data_.size() < kHeaderSize + kEntrySize * n) return refuse();
    std::vector<DirEntry> dir(n);
    for (size_t i = 0; i < n; ++i) {
        const size_t at = kHeaderSize + kEntrySize * i;
        DirEntry& e = dir[i];
        e.width = data_[at];
        e.height = data_[at + 1];
        e.colorCount = data_[at + 2];
        e.bitCount = U16(data_, at + 6);
        const uint32_t length = U32(data_, at + 8);
        e.offset = U32(data_, at + 12);
        if (length > 0x7FFFFFFFu) return refuse();
        e.length = static_cast<int32_t>(length);
        if (static_cast<uint64_t>(e.offset) + length > data_.size()) return refuse();
    }
    dir_ = std::move(dir);
    return true;
}

bool ClsIcon::LoadFromFile(const Text& FileName) {
    std::FILE* in = OpenForReading(FileName);
    if (!in) return false;
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    // A directory opens on some systems and fails on the first read.
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    return !failed && LoadFromData(std::move(bytes));
}

const ClsIcon::DirEntry& ClsIcon::Entry(int32_t image) const {
    if (image < 0 || image >= count_ || static_cast<size_t>(image) >= dir_.size()) Raise(kSubscriptOutOfRange);
    return dir_[static_cast<size_t>(image)];
}

std::vector<uint8_t> ClsIcon::Data(int32_t image) const {
    const DirEntry& e = Entry(image);
    const auto first = data_.begin() + static_cast<std::ptrdiff_t>(e.offset);
    return std::vector<uint8_t>(first, first + e.length);
}

bool ClsIcon::Draw(Surface& surface, int32_t x, int32_t y, int32_t image) const {
    const DirEntry& e = Entry(image);
    // A width or height byte of 0 is the file format's 256; it is passed on as
    // 0, which lets the platform take the size from the image itself.
    return surface.DrawIconImage(data_.data() + e.offset, static_cast<size_t>(e.length), x, y, e.width, e.height);
}

}  // namespace mirelo
