#pragma once
// Data exchange between a dialog's controls and its members, in the order a dialog lists
// them. Towards the members an integer field that holds no integer stops the exchange:
// the user is told, the field gets the focus with its text selected, and that member and
// the ones after it keep their values.
#include <string>
#include <string_view>

class wxWindow;

namespace stillmark {

// Reads text the way the dialog's integer fields accept it: optional blanks, an optional
// sign, decimal digits, optional blanks, nothing else, within the range of int.
bool ParseDialogInteger(std::string_view text, int& value);

class CDataExchange {
public:
    CDataExchange(wxWindow& dialog, bool saveAndValidate)
        : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    wxWindow& Dialog() const { return m_dialog; }
    bool SaveAndValidate() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_failed; }
    // Stops the exchange at a control: focus and selection go to it.
    void Fail(wxWindow* control);

private:
    wxWindow& m_dialog;
    bool m_bSaveAndValidate;
    bool m_failed = false;
};

// Each call does nothing once the exchange has failed. Controls are found by id among the
// dialog's descendants; writing to a control raises no change notification.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Check(CDataExchange& dx, int id, int& value);
// Combo box text: towards the control, the first list entry that begins with the text
// (letter case ignored) is selected, else the text goes into the edit part.
void DDX_CBString(CDataExchange& dx, int id, std::string& value);

inline constexpr const char* kNotAnIntegerMessage = "Please enter an integer.";

} // namespace stillmark
