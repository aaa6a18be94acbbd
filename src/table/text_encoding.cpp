#include "table/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "controls/failures.h"

namespace velmora {
namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the upper half is
// Latin-1. The undefined bytes keep their own value.
constexpr std::array<char32_t, 32> upperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t codePointOf(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? upperControls[b - 0x80] : char32_t(b);
}

std::size_t appendUtf8(char* out, char32_t cp)
{
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | (cp >> 6));
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (cp >> 12));
        out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (cp >> 18));
    out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

// The UTF-8 form of every Windows-1252 byte, built once.
struct Utf8OfByte {
    std::array<std::array<char, 4>, 256> bytes{};
    std::array<std::uint8_t, 256> length{};
    Utf8OfByte()
    {
        for (int b = 0; b < 256; ++b) length[b] = static_cast<std::uint8_t>(appendUtf8(bytes[b].data(), codePointOf(b)));
    }
};
const Utf8OfByte& utf8OfByte()
{
    static const Utf8OfByte table;
    return table;
}

// Decodes one well-formed UTF-8 sequence at text[i]; returns its length, or
// 0 when the bytes there are not one.
std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t& cp)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    const std::size_t left = text.size() - i;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2, min = 0x80, cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3, min = 0x800, cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4, min = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (left < len) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

int windows1252ByteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int k = 0; k < 32; ++k) {
        if (upperControls[k] == cp) return 0x80 + k;
    }
    return -1;
}

// The offset of the first byte that is not part of a well-formed UTF-8
// sequence, or the size when there is none.
std::size_t firstBadUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        const std::size_t len = decodeUtf8(text, i, cp);
        if (len == 0) return i;
        i += len;
    }
    return text.size();
}

void checkUtf8At(std::string_view text, std::size_t fileOffset)
{
    const std::size_t bad = firstBadUtf8(text);
    if (bad != text.size()) throw FileError("Invalid UTF-8 text at byte " + std::to_string(bad + fileOffset));
}

std::string utf16ToUtf8At(std::string_view bytes, bool bigEndian, std::size_t fileOffset)
{
    if (bytes.size() % 2 != 0) {
        throw FileError("Invalid UTF-16 text: the file has an odd number of bytes (" +
                        std::to_string(bytes.size() + fileOffset) + ")");
    }
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
    };
    const auto badSurrogate = [&](std::size_t i) {
        throw FileError("Invalid UTF-16 text: unpaired surrogate at byte " + std::to_string(i + fileOffset));
    };
    std::string out;
    // At most three bytes of UTF-8 per code unit (a pair gives four for two).
    out.resize(bytes.size() / 2 * 3);
    char* const start = out.data();
    char* p = start;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unitAt(i);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 2 >= bytes.size()) badSurrogate(i);
            const char32_t low = unitAt(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) badSurrogate(i);
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            badSurrogate(i);
        }
        p += appendUtf8(p, cp);
    }
    out.resize(static_cast<std::size_t>(p - start));
    return out;
}

}  // namespace

bool isAscii(std::string_view bytes)
{
    // Eight bytes at a time: the loop is the whole cost of opening a plain
    // ASCII file's encoding.
    const char* p = bytes.data();
    std::size_t n = bytes.size();
    std::uint64_t any = 0;
    for (; n >= 32; p += 32, n -= 32) {
        std::uint64_t w[4];
        std::memcpy(w, p, 32);
        any |= w[0] | w[1] | w[2] | w[3];
        if (any & 0x8080808080808080ULL) return false;
    }
    for (; n > 0; ++p, --n) any |= static_cast<unsigned char>(*p);
    return (any & 0x8080808080808080ULL) == 0;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    const Utf8OfByte& table = utf8OfByte();
    std::size_t size = 0;
    for (const char c : bytes) size += table.length[static_cast<unsigned char>(c)];
    std::string out(size, '\0');
    char* p = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            *p++ = c;
        } else {
            std::memcpy(p, table.bytes[b].data(), table.length[b]);
            p += table.length[b];
        }
    }
    return out;
}

bool utf8ToWindows1252(std::string_view text, std::string& out)
{
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        char32_t cp;
        const std::size_t len = decodeUtf8(text, i, cp);
        if (len == 0) return false;
        const int byte = windows1252ByteOf(cp);
        if (byte < 0) return false;
        out.push_back(static_cast<char>(byte));
        i += len;
    }
    return true;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    return utf16ToUtf8At(bytes, bigEndian, 0);
}

bool isUtf8(std::string_view text) { return firstBadUtf8(text) == text.size(); }

void checkUtf8(std::string_view text)
{
    checkUtf8At(text, 0);
}

DecodedText decodeFileText(std::string_view bytes)
{
    DecodedText d;
    if (bytes.starts_with(utf8Bom)) {
        d.borrowed = bytes.substr(utf8Bom.size());
        checkUtf8At(d.borrowed, utf8Bom.size());
    } else if (bytes.starts_with("\xFF\xFE")) {
        d.storage = utf16ToUtf8At(bytes.substr(2), false, 2);
        d.converted = true;
    } else if (bytes.starts_with("\xFE\xFF")) {
        d.storage = utf16ToUtf8At(bytes.substr(2), true, 2);
        d.converted = true;
    } else if (isAscii(bytes) || isUtf8(bytes)) {
        // Without a mark, text that is well-formed UTF-8 is almost never
        // meant as the code page: its letters would come out garbled.
        d.borrowed = bytes;
    } else {
        d.storage = windows1252ToUtf8(bytes);
        d.converted = true;
    }
    return d;
}

}  // namespace velmora
