#include "ui/common/ModalDialogs.h"

#include "ui/common/NativeDialog.h"

#include <algorithm>
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
    if (!EndNativeDialog(*dialog) && dialog->IsModal())
        dialog->EndModal(wxID_CANCEL);
}

} // namespace stillmark
