#pragma once
// The number of moments between its field and the settings. Validate() refuses a text that is not a
// whole number with "Please enter an integer.", the field focused and its text selected; only
// TransferFromWindow() stores the number. The keyboard types digits only into the field, by the rules
// of wxIntegerValidator for a number that cannot be negative; pasted text is checked when validated.
#include <string_view>
#include <wx/translation.h>
#include <wx/validate.h>

class wxTextCtrl;

namespace stillmark {

class MessageBox;

inline constexpr const char* kNotAnIntegerMessage = wxTRANSLATE("Please enter an integer.");

// Blanks, an optional sign, decimal digits, blanks, nothing else, within the range of int.
bool ParseWholeNumber(std::string_view text, int& value);

class CountValidator final : public wxValidator {
public:
    CountValidator(int& value, MessageBox& messages) : m_value(value), m_messages(messages) { BindKeys(); }
    CountValidator(const CountValidator& other)
        : wxValidator(), m_value(other.m_value), m_messages(other.m_messages) {
        Copy(other);
        BindKeys();
    }

    wxObject* Clone() const override { return new CountValidator(*this); }
    bool Validate(wxWindow* parent) override;
    bool TransferToWindow() override;
    bool TransferFromWindow() override;

private:
    wxTextCtrl* Field() const;
    void BindKeys();
    void OnChar(wxKeyEvent& event);

    int& m_value;
    MessageBox& m_messages;
};

} // namespace stillmark
