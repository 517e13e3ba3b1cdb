#pragma once
// The one way a text is cut to a byte limit (notification titles and texts, the icon's tip,
// stored values): never inside a UTF-8 character.
#include <cstddef>
#include <string>
#include <string_view>

namespace stillmark {

// At most maxBytes of text. A cut that would split a UTF-8 character moves back to its start;
// bytes that are not UTF-8 there are cut plainly.
std::string CutUtf8(std::string_view text, std::size_t maxBytes);

} // namespace stillmark
