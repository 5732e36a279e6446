#pragma once
// Text is kept as UTF-16 code units, as hosts pass it; lengths, shortening and
// comparison all work on code units. Conversions happen at the edges only.
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

using Text = std::u16string;

Text FromUtf8(const std::string& s);
std::string ToUtf8(const Text& s);

// Cuts a cell list at every comma: no quoting, escaping or trimming. An empty
// text has no parts; n commas give n + 1 parts.
std::vector<Text> SplitText(std::u16string_view s);
// The same parts as views of `s`, which must outlive them: a row is packed
// straight from its title, without a string for every cell on the way.
std::vector<std::u16string_view> SplitViews(std::u16string_view s);

// Decimal text of an integer, no leading zeros or blanks.
Text DecimalText(long long v);

bool EndsWith(const Text& s, const Text& suffix);

}  // namespace mirelo
