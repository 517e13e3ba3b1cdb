#pragma once
// The system's text for a Win32 error code, in UTF-8, for the user.
#include <string>

namespace stillmark {

std::string SystemMessage(unsigned long error);

} // namespace stillmark
