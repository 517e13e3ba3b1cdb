#include "app/MessageBox.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace stillmark {
namespace {

class DesktopMessageBox final : public IMessageBox {
public:
    void Show(const std::string& text, MessageIcon icon) override {
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
        const wxString caption = wxTheApp ? wxTheApp->GetAppDisplayName() : wxString("Stillmark");
        wxMessageBox(wxString::FromUTF8(text), caption, style);
    }
};

IMessageBox* g_override = nullptr;

} // namespace

IMessageBox& AppMessageBox() {
    static DesktopMessageBox desktop;
    return g_override ? *g_override : desktop;
}

void SetAppMessageBox(IMessageBox* box) {
    g_override = box;
}

} // namespace stillmark
