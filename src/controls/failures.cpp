#include "controls/failures.h"

#include <string_view>

namespace velmora {

std::string quotedText(std::string_view text)
{
    constexpr std::size_t shown = 100;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 character starts at every byte that does not continue one.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters++ == shown) return std::string(text.substr(0, i)) + "\u2026";
    }
    return std::string(text);
}

void throwNotAFloat(const std::string& text)
{
    throw ConvertError("'" + quotedText(text) + "' is not a valid floating point value");
}

void throwNotAnInteger(const std::string& text)
{
    throw ConvertError("'" + quotedText(text) + "' is not a valid integer value");
}

void throwColumnIndex(long long index)
{
    throw IndexError("Column index, " + std::to_string(index) + ", out of bounds");
}

void throwRowIndex(long long index)
{
    throw IndexError("Row index, " + std::to_string(index) + ", out of bounds");
}

void throwListIndex(long long index)
{
    throw IndexError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace velmora
