#pragma once
// The encodings of table files: Windows-1252 as the single-byte code page,
// UTF-8 and UTF-16 (either byte order) when the file starts with a
// byte-order mark. Inside the program every text is UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

// True when every byte is below 0x80, so the text reads the same in
// Windows-1252 and UTF-8.
bool isAscii(std::string_view bytes);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 and so on, so no byte is lost
// and the writer gives them back.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 into `out`; false (and `out` unspecified) when some
// character has no Windows-1252 byte or the text is not valid UTF-8.
bool utf8ToWindows1252(std::string_view text, std::string& out);

// UTF-16 code units (without the mark) to UTF-8. Throws FileError for an odd
// byte count or a surrogate without its partner.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

// True when every byte starts or continues a well-formed UTF-8 sequence.
bool isUtf8(std::string_view text);

// Throws FileError at the first byte that does not start or continue a
// well-formed UTF-8 sequence (overlong forms and surrogates included).
void checkUtf8(std::string_view text);

// A file's bytes as UTF-8 text: the byte-order mark decides the encoding
// (and is dropped); a file without one is read as UTF-8 when it is
// well-formed UTF-8, and as Windows-1252 otherwise. UTF-8 files and pure
// ASCII need no copy: text() then views the input, which must outlive it.
struct DecodedText {
    std::string storage;        // the converted text, when a copy was needed
    std::string_view borrowed;  // the slice of the input otherwise
    bool converted = false;
    std::string_view text() const { return converted ? std::string_view(storage) : borrowed; }
};
DecodedText decodeFileText(std::string_view bytes);

}  // namespace velmora
