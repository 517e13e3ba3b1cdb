#include "platform/windows/ShellLinkOpener.h"

#include <wx/utils.h>

namespace stillmark {

void ShellLinkOpener::Open(const std::string& target, Done done) {
    OpenResult result = OpenResult::Opened;
    if (target.empty() || target.front() == '-')
        result = OpenResult::FileNotFound;
    else if (target.size() > kMaxLinkTarget)
        result = OpenResult::OutOfMemory;
    else if (!wxLaunchDefaultBrowser(wxString::FromUTF8(target)))
        result = OpenResult::NoAssociation;
    done(result);
}

} // namespace stillmark
