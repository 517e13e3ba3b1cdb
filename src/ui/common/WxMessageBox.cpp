#include "ui/common/WxMessageBox.h"

#include "base/ProductIdentity.h"
#include <wx/app.h>
#include <wx/msgdlg.h>

namespace stillmark {

void WxMessageBox::Show(const std::string& text, MessageIcon icon) {
    long style = wxOK;
    switch (icon) {
    case MessageIcon::Information:
        style |= wxICON_INFORMATION;
        break;
    case MessageIcon::Exclamation:
        style |= wxICON_EXCLAMATION;
        break;
    case MessageIcon::Error:
        style |= wxICON_ERROR;
        break;
    }
    const wxString caption = wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(kProductName);
    wxMessageBox(wxString::FromUTF8(text), caption, style);
}

} // namespace stillmark
