#pragma once
// Links of the pseudo-scheme "app:" in the donation page are the program's own: they never navigate.
#include <optional>
#include <string>

namespace stillmark {

// The text after "app:" when the URL begins with it (letter case ignored), else nothing.
std::optional<std::string> AppLinkRest(const std::string& url);

} // namespace stillmark
