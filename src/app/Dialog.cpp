#include "app/Dialog.h"

#include <wx/evtloop.h>
#include <wx/xrc/xmlres.h>

wxBEGIN_EVENT_TABLE(CDialog, wxDialog) EVT_BUTTON(CDialog::IDOK, CDialog::OnButtonOK)
    EVT_BUTTON(CDialog::IDCANCEL, CDialog::OnButtonCancel) EVT_CLOSE(CDialog::OnCloseWindow)
        wxEND_EVENT_TABLE()

            bool CDialog::CreateFromTemplate(wxWindow* parent, const wxString& templateName) {
    if (!wxXmlResource::Get()->LoadDialog(this, parent, templateName))
        return false;
    SetEscapeId(IDCANCEL);
    SetAffirmativeId(IDOK);
    return true;
}

int CDialog::DoModal() {
    m_ended = false;
    m_result = 0;
    if (!OnInitDialog()) {
        EndDialog(-1);
        return m_result;
    }
    if (m_ended)
        return m_result;
    Show();
    wxGUIEventLoop loop;
    m_loop = &loop;
    loop.Run();
    m_loop = nullptr;
    return m_result;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_loop)
        m_loop->ScheduleExit();
}

bool CDialog::UpdateData(bool saveAndValidate) {
    stillmark::CDataExchange dx(*this, saveAndValidate);
    const bool wasExchanging = m_exchanging;
    m_exchanging = true;
    DoDataExchange(dx);
    m_exchanging = wasExchanging;
    return !dx.Failed();
}

bool CDialog::OnInitDialog() {
    return UpdateData(false);
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
