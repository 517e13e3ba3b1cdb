#pragma once
// The leading decimal integer of a text as the C library's atoi reads it: blanks, an optional
// sign, digits; 0 without digits. Values beyond the range of int saturate instead of
// overflowing. Times and settings both read numbers this way.
#include <climits>
#include <string_view>

namespace stillmark {

inline int LeadingInteger(std::string_view text) {
    auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= INT_MAX)
            value = value * 10 + (text[i] - '0');
    }
    value = negative ? -value : value;
    return static_cast<int>(value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : value);
}

} // namespace stillmark
