#include "ui/info/OpenAndExplain.h"

#include <wx/utils.h>

#include "ui/common/DesktopLanguage.h"
#include "ui/common/MessageBox.h"
#include "ui/info/LinkOpener.h"

namespace stillmark {

bool OpenAndExplain(LinkOpener& opener, MessageBox& messages, const std::string& target) {
    const OpenResult result = opener.Open(target);
    if (result == OpenResult::Opened)
        return true;
    wxBell();
    messages.Show(OpenErrorMessage(result, InDesktopLanguage), MessageIcon::Exclamation);
    return false;
}

} // namespace stillmark
