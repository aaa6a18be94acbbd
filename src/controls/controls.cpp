#include "controls/controls.h"

namespace velmora {

bool ComboBox::selectText(const std::string& text)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            itemIndex = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

std::string Memo::text() const
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

void Memo::setText(const std::string& text)
{
    lines.clear();
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
}

}  // namespace velmora
