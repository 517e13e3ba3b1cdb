#pragma once
// Where the program's own data files lie: beside its executable.
#include <filesystem>

namespace stillmark {

// The folder of the program's real executable (a link to it resolved).
std::filesystem::path FolderOfExecutable();

} // namespace stillmark
