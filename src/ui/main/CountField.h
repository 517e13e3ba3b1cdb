#pragma once
// The number of moments' field and its arrows: an arrow, or Up and Down in the field, step the number
// typed (the one last read when the text reads as none), wrapping from 40 to 1; the field's change
// event follows, as after typing.
class wxCommandEvent;
class wxKeyEvent;
class wxTextCtrl;

namespace stillmark {

class StepArrows;

class CountField final {
public:
    CountField(wxTextCtrl& field, StepArrows& arrows, const int& lastRead);
    ~CountField();
    CountField(const CountField&) = delete;
    CountField& operator=(const CountField&) = delete;

    // One step up (+1) or down (-1).
    void Step(int step);

private:
    void OnKeyDown(wxKeyEvent& event);
    void OnArrows(wxCommandEvent& event);

    wxTextCtrl& m_field;
    StepArrows& m_arrows;
    const int& m_lastRead;
};

} // namespace stillmark
