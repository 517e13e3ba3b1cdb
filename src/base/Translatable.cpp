#include "base/Translatable.h"

namespace stillmark {

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    std::size_t next = 0;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        std::size_t index = values.size();
        std::size_t length = 0;
        if (pattern.substr(at, 2) == "%s") {
            index = next++;
            length = 2;
        } else if (pattern.substr(at, 1) == "%" && at + 3 < pattern.size() && pattern[at + 1] >= '1' &&
                   pattern[at + 1] <= '9' && pattern.substr(at + 2, 2) == "$s") {
            index = static_cast<std::size_t>(pattern[at + 1] - '1');
            length = 4;
        }
        if (index < values.size()) {
            text += values.begin()[index];
            at += length - 1;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace stillmark
