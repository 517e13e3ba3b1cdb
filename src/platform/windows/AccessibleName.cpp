#include "ui/common/AccessibleName.h"

#include <wx/access.h>
#include <wx/window.h>

namespace stillmark {
namespace {

// What a screen reader asks of the control itself; everything else stays the system's own answer.
class ControlAccessible final : public wxAccessible {
public:
    explicit ControlAccessible(wxWindow* control) : wxAccessible(control) {}

    wxAccStatus GetName(int childId, wxString* name) override {
        if (childId != wxACC_SELF || m_name.empty())
            return wxACC_NOT_IMPLEMENTED;
        *name = m_name;
        return wxACC_OK;
    }

    wxAccStatus GetRole(int childId, wxAccRole* role) override {
        if (childId != wxACC_SELF || !m_link)
            return wxACC_NOT_IMPLEMENTED;
        *role = wxROLE_SYSTEM_LINK;
        return wxACC_OK;
    }

    wxString m_name;
    bool m_link = false;
};

ControlAccessible& AccessibleOf(wxWindow& control) {
    if (auto* own = dynamic_cast<ControlAccessible*>(control.GetAccessible()))
        return *own;
    auto* made = new ControlAccessible(&control); // owned by the control from here on
    control.SetAccessible(made);
    return *made;
}

} // namespace

void SetAccessibleName(wxWindow& control, const wxString& name) {
    AccessibleOf(control).m_name = name;
}

void MarkAsLink(wxWindow& control) {
    AccessibleOf(control).m_link = true;
}

} // namespace stillmark
