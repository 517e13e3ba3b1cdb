#pragma once
// A UTF-8 text of the settings and its field or combo box. Towards a combo box the first list
// entry that begins with the text (letter case ignored) is selected, else the text is typed in.
#include <string>
#include <wx/validate.h>

namespace stillmark {

class TextValidator final : public wxValidator {
public:
    explicit TextValidator(std::string& value) : m_value(value) {}
    TextValidator(const TextValidator& other) : wxValidator(), m_value(other.m_value) { Copy(other); }

    wxObject* Clone() const override { return new TextValidator(*this); }
    bool TransferToWindow() override;
    bool TransferFromWindow() override;
    bool Validate(wxWindow*) override { return true; }

private:
    std::string& m_value;
};

} // namespace stillmark
