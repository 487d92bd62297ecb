#include "TextPosition.h"

#include <algorithm>

TextPosition PositionOfOffset(std::string_view text, std::int64_t offset) {
    TextPosition position;
    const auto end = static_cast<std::size_t>(
        std::clamp<std::int64_t>(offset, 0, static_cast<std::int64_t>(text.size())));
    for (std::size_t i = 0; i < end; ++i) {
        const char c = text[i];
        const bool lineBreak = c == '\r' || (c == '\n' && (i == 0 || text[i - 1] != '\r'));
        if (lineBreak) {
            ++position.line;
            position.column = 1;
        } else if (c != '\n') {
            ++position.column;
        }
    }
    return position;
}
