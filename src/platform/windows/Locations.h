#pragma once
// Where the program's files are on Windows.
#include <filesystem>

namespace stillmark {

// %APPDATA%\Stillmark\stillmark.INI (the user's roaming application data); empty when unknown.
std::filesystem::path DefaultSettingsPath();
// The running program's own file.
std::filesystem::path ProgramPath();

} // namespace stillmark
