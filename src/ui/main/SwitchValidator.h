#pragma once
// A switch of the settings stored as a number and its check box: any number but 0 checks the box;
// the box reads back as 1 or 0.
#include <wx/validate.h>

namespace stillmark {

class SwitchValidator final : public wxValidator {
public:
    explicit SwitchValidator(int& value) : m_value(value) {}
    SwitchValidator(const SwitchValidator& other) : wxValidator(), m_value(other.m_value) { Copy(other); }

    wxObject* Clone() const override { return new SwitchValidator(*this); }
    bool TransferToWindow() override;
    bool TransferFromWindow() override;
    bool Validate(wxWindow*) override { return true; }

private:
    int& m_value;
};

} // namespace stillmark
