#include "ui/info/OpenAndExplain.h"

#include <wx/utils.h>

#include "base/MessageBox.h"
#include "ui/common/DesktopLanguage.h"
#include "ui/info/LinkOpener.h"

namespace stillmark {

void OpenAndExplain(LinkOpener& opener, MessageBox& messages, const std::string& target,
                    std::function<void(bool)> opened) {
    opener.Open(target, [&messages, opened = std::move(opened)](OpenResult result) {
        if (result != OpenResult::Opened) {
            wxBell();
            messages.Show(OpenErrorMessage(result, InDesktopLanguage), MessageIcon::Exclamation);
        }
        if (opened)
            opened(result == OpenResult::Opened);
    });
}

} // namespace stillmark
