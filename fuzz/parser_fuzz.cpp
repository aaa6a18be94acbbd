// Any text as a formula and any variable values: a value or a failure with
// a message, never a crash, a leak or a hang.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "controls/failures.h"
#include "parser/parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double values[3] = {0, 0, 0};
    const std::size_t head = std::min(size, sizeof values);
    std::memcpy(values, data, head);
    const std::string_view formula(reinterpret_cast<const char*>(data) + head, size - head);

    velmora::TParser parser;
    parser.SetVariable("X", values[0]);
    parser.SetVariable("Y", values[1]);
    parser.SetVariable("Colonna_1", values[2]);
    try {
        if (!parser.ParseExpression(formula)) return 0;
    } catch (const velmora::Error&) {
        return 0;
    }
    for (int round = 0; round < 2; ++round) {
        try {
            (void)parser.Value();
        } catch (const velmora::Error&) {
        }
        parser.SetVariable("X", values[1]);
        parser.SetVariable("Y", values[2]);
    }
    parser.ClearVariables();
    return 0;
}
