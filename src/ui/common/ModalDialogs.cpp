#include "ui/common/ModalDialogs.h"

#include <algorithm>
#include <gtk/gtk.h>
#include <wx/dialog.h>

namespace stillmark {

ModalDialogs::ModalDialogs() {
    Register();
}

ModalDialogs::~ModalDialogs() {
    Unregister();
}

int ModalDialogs::Enter(wxDialog* dialog) {
    m_open.push_back(dialog);
    return wxID_NONE; // let the dialog show
}

void ModalDialogs::Exit(wxDialog* dialog) {
    const auto found = std::find(m_open.rbegin(), m_open.rend(), dialog);
    if (found != m_open.rend())
        m_open.erase(std::next(found).base());
}

void ModalDialogs::EndInnermost() {
    if (m_open.empty())
        return;
    wxDialog* dialog = m_open.back();
    // The desktop's own dialogs (message box, file chooser) run GTK's dialog loop: a response
    // ends it, and wx maps it to a cancel.
    auto* widget = static_cast<GtkWidget*>(dialog->GetHandle());
    if (widget && GTK_IS_DIALOG(widget))
        gtk_dialog_response(GTK_DIALOG(widget), GTK_RESPONSE_DELETE_EVENT);
    else if (dialog->IsModal())
        dialog->EndModal(wxID_CANCEL);
}

} // namespace stillmark
