#pragma once
// Windows speaks UTF-16; the program's texts are UTF-8.
#include <string>
#include <string_view>

namespace stillmark {

std::string Utf8FromWide(std::wstring_view wide);

} // namespace stillmark
