#include "ui/common/ProgramFolder.h"

#include <wx/stdpaths.h>

namespace stillmark {

std::filesystem::path FolderOfExecutable() {
    return std::filesystem::path(wxStandardPaths::Get().GetExecutablePath().utf8_string()).parent_path();
}

} // namespace stillmark
