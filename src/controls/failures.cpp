#include "controls/failures.h"

namespace velmora {

void throwNotAFloat(const std::string& text)
{
    throw ConvertError("'" + text + "' is not a valid floating point value");
}

void throwNotAnInteger(const std::string& text)
{
    throw ConvertError("'" + text + "' is not a valid integer value");
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
