#include "app/DataExchange.h"

#include "app/MessageBox.h"

#include <cctype>
#include <charconv>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/textctrl.h>
#include <wx/window.h>

namespace stillmark {

bool ParseDialogInteger(std::string_view text, int& value) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc{} || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

void CDataExchange::Fail(wxWindow* control) {
    m_failed = true;
    if (auto* text = dynamic_cast<wxTextCtrl*>(control)) {
        text->SetFocus();
        text->SelectAll();
    } else if (control) {
        control->SetFocus();
    }
}

namespace {

template <typename Control> Control* Find(CDataExchange& dx, int id) {
    return dynamic_cast<Control*>(dx.Dialog().FindWindow(id));
}

std::string ToStd(const wxString& s) {
    return std::string(s.utf8_str());
}

} // namespace

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    if (dx.Failed())
        return;
    auto* edit = Find<wxTextCtrl>(dx, id);
    if (!edit)
        return;
    if (dx.SaveAndValidate())
        value = ToStd(edit->GetValue());
    else
        edit->ChangeValue(wxString::FromUTF8(value));
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
    if (dx.Failed())
        return;
    auto* edit = Find<wxTextCtrl>(dx, id);
    if (!edit)
        return;
    if (!dx.SaveAndValidate()) {
        edit->ChangeValue(wxString::Format("%d", value));
        return;
    }
    int parsed = 0;
    if (ParseDialogInteger(ToStd(edit->GetValue()), parsed)) {
        value = parsed;
        return;
    }
    AppMessageBox().Show(kNotAnIntegerMessage, MessageIcon::Exclamation);
    dx.Fail(edit);
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    if (dx.Failed())
        return;
    auto* check = Find<wxCheckBox>(dx, id);
    if (!check)
        return;
    if (dx.SaveAndValidate())
        value = check->GetValue() ? 1 : 0;
    else
        check->SetValue(value != 0);
}

void DDX_CBString(CDataExchange& dx, int id, std::string& value) {
    if (dx.Failed())
        return;
    auto* combo = Find<wxComboBox>(dx, id);
    if (!combo)
        return;
    if (dx.SaveAndValidate()) {
        value = ToStd(combo->GetValue());
        return;
    }
    const wxString wanted = wxString::FromUTF8(value).Lower();
    for (unsigned i = 0; i < combo->GetCount(); ++i) {
        if (combo->GetString(i).Lower().StartsWith(wanted)) {
            combo->SetSelection(static_cast<int>(i));
            return;
        }
    }
    combo->ChangeValue(wxString::FromUTF8(value));
}

} // namespace stillmark
