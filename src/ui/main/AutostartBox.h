#pragma once
// The "Start with the desktop" check box. What the platform keeps is the truth: the box shows
// whether it is on, checking turns it on, unchecking off, and a failure is told and leaves the box
// as the platform has it.
class wxCheckBox;

namespace stillmark {

class Autostart;
class MessageBox;

class AutostartBox {
public:
    AutostartBox(wxCheckBox& box, Autostart& autostart, MessageBox& messages);
    AutostartBox(const AutostartBox&) = delete;
    AutostartBox& operator=(const AutostartBox&) = delete;

private:
    void Switched();

    wxCheckBox& m_box;
    Autostart& m_autostart;
    MessageBox& m_messages;
};

} // namespace stillmark
