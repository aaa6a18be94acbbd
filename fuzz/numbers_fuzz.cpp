// Any text is a number or is refused; accepted numbers convert exactly as the
// full conversion does, and the general format reads back to itself.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/failures.h"
#include "table/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (char separator : {'.', ','}) {
        const auto value = velmora::tryParseFloat(text, separator);
        if (!value) continue;

        // The same text in the form from_chars reads gives the same double.
        std::string plain;
        for (char c : text) {
            if (c == ' ' || c == '+') continue;
            plain += c == separator ? '.' : c;
        }
        double reference = 0;
        const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), reference);
        if (r.ec == std::errc() && reference != *value) std::abort();

        const std::string shown = velmora::FloatToStr(*value, separator);
        const auto again = velmora::tryParseFloat(shown, separator);
        if (!again || velmora::FloatToStr(*again, separator) != shown) std::abort();
    }
    try {
        const int n = velmora::StrToInt(text);
        if (velmora::StrToInt(std::to_string(n)) != n) std::abort();
    } catch (const velmora::ConvertError&) {
    }
    return 0;
}
