#include "base/text.h"

#include <algorithm>

namespace mirelo {

Text FromUtf8(const std::string& s) {
    Text out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        size_t n;
        if (c < 0x80) { cp = c; n = 1; }
        else if ((c >> 5) == 6) { cp = c & 0x1F; n = 2; }
        else if ((c >> 4) == 14) { cp = c & 0x0F; n = 3; }
        else if ((c >> 3) == 30) { cp = c & 0x07; n = 4; }
        else { out.push_back(u'\uFFFD'); ++i; continue; }
        if (i + n > s.size()) { out.push_back(u'\uFFFD'); break; }
        bool ok = true;
        for (size_t k = 1; k < n; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc >> 6) != 2) { ok = false; break; }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) { out.push_back(u'\uFFFD'); ++i; continue; }
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string ToUtf8(const Text& s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;  // a lone surrogate has no UTF-8 form
        }
        // The lead byte marks how many continuation bytes of six bits follow.
        static constexpr unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
        const int more = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
        out.push_back(static_cast<char>(kLead[more] | (cp >> (6 * more))));
        for (int k = more - 1; k >= 0; --k) out.push_back(static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F)));
    }
    return out;
}

std::vector<std::u16string_view> SplitViews(std::u16string_view s) {
    std::vector<std::u16string_view> parts;
    if (s.empty()) return parts;
    parts.reserve(static_cast<size_t>(std::count(s.begin(), s.end(), u',')) + 1);
    for (size_t start = 0;;) {
        const size_t comma = s.find(u',', start);
        parts.push_back(s.substr(start, comma == std::u16string_view::npos ? comma : comma - start));
        if (comma == std::u16string_view::npos) return parts;
        start = comma + 1;
    }
}

std::vector<Text> SplitText(std::u16string_view s) {
    const std::vector<std::u16string_view> parts = SplitViews(s);
    return std::vector<Text>(parts.begin(), parts.end());
}

Text DecimalText(long long v) {
    std::string d = std::to_string(v);
    return Text(d.begin(), d.end());
}

bool EndsWith(const Text& s, const Text& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace mirelo
