#pragma once
// The number of moments between its field and the settings: the field must hold a whole number;
// anything else is refused with "Please enter an integer.", the field focused and its text selected.
// The keyboard types digits only into it (pasted text is checked when read); Up and Down step it.
#include <string_view>
#include <wx/translation.h>
#include <wx/validate.h>

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
    bool TransferToWindow() override;
    bool TransferFromWindow() override;
    bool Validate(wxWindow*) override { return true; } // refused in TransferFromWindow, where it is read

    // One step up (+1) or down (-1) from the number typed, if it reads as one, wrapping from 40 to 1;
    // the field's change event follows.
    void Step(int step);

private:
    void BindKeys();
    void OnChar(wxKeyEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    int& m_value;
    MessageBox& m_messages;
};

} // namespace stillmark
