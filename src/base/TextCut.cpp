#include "base/TextCut.h"

namespace stillmark {

std::string CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return std::string(text);
    const auto isContinuation = [&](std::size_t i) {
        return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    };
    std::size_t cut = maxBytes;
    // A UTF-8 character has at most three continuation bytes.
    for (int back = 0; back < 3 && cut > 0 && isContinuation(cut); ++back)
        --cut;
    if (static_cast<unsigned char>(text[cut]) < 0xC0)
        cut = maxBytes; // no character starts here: not UTF-8, keep the plain cut
    return std::string(text.substr(0, cut));
}

} // namespace stillmark
