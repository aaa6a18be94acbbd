#pragma once
// The program's failures: every one carries the exact message the user sees.
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {

// Base of every failure a command can meet; the program-wide handler shows
// what() in a message box and the program goes on.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text that is not a number.
class ConvertError : public Error {
public:
    using Error::Error;
};

// Floating-point faults (division by zero, invalid operation, overflow) and
// the integer division by zero.
class MathError : public Error {
public:
    using Error::Error;
};

// List and grid index failures.
class IndexError : public Error {
public:
    using Error::Error;
};

// Files that cannot be opened, created or decoded.
class FileError : public Error {
public:
    using Error::Error;
};

// Ran out of memory while building something the user asked for.
class OutOfMemoryError : public Error {
public:
    OutOfMemoryError() : Error("Out of memory") {}
};

// A table larger than the program can hold or show.
class TableSizeError : public Error {
public:
    using Error::Error;
};

namespace msg {
inline constexpr const char* divisionByZero = "Floating point division by zero";
inline constexpr const char* invalidOperation = "Invalid floating point operation";
inline constexpr const char* overflow = "Floating point overflow";
}  // namespace msg

// A text quoted in a message: at most 100 characters, then "…", so that a
// huge cell cannot make the message unreadable.
std::string quotedText(std::string_view text);
// "'%s' is not a valid floating point value"
[[noreturn]] void throwNotAFloat(const std::string& text);
// "'%s' is not a valid integer value"
[[noreturn]] void throwNotAnInteger(const std::string& text);
// "Column index, %d, out of bounds"
[[noreturn]] void throwColumnIndex(long long index);
// "Row index, %d, out of bounds"
[[noreturn]] void throwRowIndex(long long index);
// "List index out of bounds (%d)"
[[noreturn]] void throwListIndex(long long index);

}  // namespace velmora
