#pragma once
// Texts of the layers below the windows. They stay English here (those layers know no catalog):
// Translatable() only marks a text for the translators' template (`make pot` looks for the name),
// and a function that composes marked texts takes the Translator that turns each into the user's
// language. The windows pass one that asks wx's catalogs; tests and the defaults keep English.
#include <initializer_list>
#include <string>
#include <string_view>

namespace stillmark {

constexpr const char* Translatable(const char* english) {
    return english;
}

using Translator = std::string (*)(const char* english);

inline std::string AsWritten(const char* english) {
    return english;
}

// The pattern with each "%s" replaced by the next value and each "%N$s" by the N-th, the order a
// translation may need. By hand: a translated text never reaches a printf-style formatter.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace stillmark
