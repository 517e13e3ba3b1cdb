#pragma once
// Two small stacked arrows that step a value beside a text field: GTK's own spin button is a
// field of its own and far wider. The control only says which way: +1 (up: later, more) or -1
// (down: earlier, fewer); its owner decides what a step means. It takes the focus, and the Up and
// Down keys step it as the arrows do.
#include <wx/control.h>
#include <wx/timer.h>
#include <wx/xrc/xmlres.h>

namespace stillmark {

// Sent for each step, with GetInt() +1 for up and -1 for down.
wxDECLARE_EVENT(EVT_STEP_ARROWS, wxCommandEvent);

class StepArrows : public wxControl {
public:
    StepArrows() = default;
    StepArrows(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, const wxString& name = "StepArrows");
    ~StepArrows() override;

    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, const wxString& name = "StepArrows");

    // One step as an arrow or a key makes it: +1 up, -1 down.
    void Step(int direction);

protected:
    wxSize DoGetBestSize() const override;

private:
    enum class Arrow { None, Up, Down };

    Arrow ArrowAt(const wxPoint& point) const;
    wxRect ArrowRect(Arrow arrow) const;
    void StopRepeating();

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnRepeat(wxTimerEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnFocus(wxFocusEvent& event);

    Arrow m_pressed = Arrow::None;   // the arrow held down with the mouse
    bool m_pointerOnPressed = false; // the pointer is still over the held arrow
    wxTimer m_repeat;

    wxDECLARE_DYNAMIC_CLASS(StepArrows);
};

// Lets XRC files create the control: <object class="StepArrows" name="count_spin"/>.
class StepArrowsXmlHandler : public wxXmlResourceHandler {
public:
    StepArrowsXmlHandler();
    wxObject* DoCreateResource() override;
    bool CanHandle(wxXmlNode* node) override;
};

} // namespace stillmark
