#pragma once
// A small up-down control: two stacked arrow buttons that fit beside a text field.
// GTK's own spin button is far too large for the dialog's layout.
#include <wx/control.h>
#include <wx/event.h>
#include <wx/timer.h>
#include <wx/xrc/xmlres.h>

class wxTextCtrl;

namespace stillmark {

// Style bits of UpDownControl (the low window-style bits are free for a control's own use).
constexpr long UD_WRAP = 0x0001;         // wrap from one end of the range to the other
constexpr long UD_BUDDY_NUMBER = 0x0002; // write the position into the buddy field after each step
constexpr long UD_ARROW_KEYS = 0x0020;   // the Up and Down keys in the buddy field step the control

// The position logic of an up-down control, without a window. Lower and upper may be given in
// either order; the up arrow always moves towards `upper`.
struct UpDownRange {
    int lower = 100; // the control's default range runs from 100 down to 0,
    int upper = 0;   // so its up arrow proposes a negative change
    int pos = 0;
    bool wrap = false;

    // The change of position that an arrow proposes: direction > 0 for the up arrow, < 0 for the down arrow.
    int ProposedDelta(int direction) const;
    // Moves the position by delta, wrapping or stopping at the range's ends; returns whether it moved.
    bool Offset(int delta);
    // Clamps a value into the range.
    int Clamp(int value) const;
};

// Sent to the parent before each step; Veto() keeps the position unchanged.
class UpDownEvent : public wxNotifyEvent {
public:
    UpDownEvent(wxEventType type = wxEVT_NULL, int id = 0, int pos = 0, int delta = 0)
        : wxNotifyEvent(type, id), m_pos(pos), m_delta(delta) {}

    // The position before the step.
    int GetPos() const { return m_pos; }
    // The proposed change of position; a handler may change it.
    int GetDelta() const { return m_delta; }
    void SetDelta(int delta) { m_delta = delta; }

    wxEvent* Clone() const override { return new UpDownEvent(*this); }

private:
    int m_pos;
    int m_delta;
};

// Bind(EVT_UPDOWN_STEP, ...) on the parent, with void OnStep(UpDownEvent&).
wxDECLARE_EVENT(EVT_UPDOWN_STEP, UpDownEvent);

class UpDownControl : public wxControl {
public:
    UpDownControl() = default;
    UpDownControl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize, long style = 0, const wxString& name = "UpDownControl");
    ~UpDownControl() override;

    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = 0, const wxString& name = "UpDownControl");

    // The up arrow moves towards upper; SetRange(1, 40) makes it count up.
    void SetRange(int lower, int upper);
    int GetLower() const { return m_range.lower; }
    int GetUpper() const { return m_range.upper; }
    // Clamped into the range; does not touch the buddy's text.
    void SetPos(int pos);
    int GetPos() const { return m_range.pos; }
    // The text field whose number the control steps (UD_BUDDY_NUMBER) and whose Up/Down keys
    // step the control (UD_ARROW_KEYS). Pass nullptr to detach.
    void SetBuddy(wxTextCtrl* buddy);
    wxTextCtrl* GetBuddy() const { return m_buddy; }

    // One step as the arrows and keys make it: direction > 0 is the up arrow, < 0 the down arrow.
    // Notifies the parent and moves unless the step was vetoed; returns false when vetoed.
    bool Step(int direction);

    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

protected:
    wxSize DoGetBestSize() const override;

private:
    enum class Arrow { None, Up, Down };

    Arrow ArrowAt(const wxPoint& point) const;
    wxRect ArrowRect(Arrow arrow) const;
    void DrawArrow(wxDC& dc, const wxRect& rect, Arrow arrow, bool enabled);
    void ReadBuddyPosition();
    void WriteBuddyPosition();
    void StopRepeating();
    void DetachBuddy();

    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnRepeat(wxTimerEvent& event);
    void OnBuddyKey(wxKeyEvent& event);
    void OnBuddyDestroy(wxWindowDestroyEvent& event);

    UpDownRange m_range;
    wxTextCtrl* m_buddy = nullptr;
    Arrow m_pressed = Arrow::None;   // the arrow held down with the mouse
    bool m_pointerOnPressed = false; // the pointer is still over the held arrow
    wxTimer m_repeat;

    wxDECLARE_DYNAMIC_CLASS(UpDownControl);
};

// Lets XRC files create the control: <object class="UpDownControl" name="count_spin"> with <pos>, <size>
// and <style> (UD_WRAP|UD_BUDDY_NUMBER|UD_ARROW_KEYS and the usual window styles).
class UpDownControlXmlHandler : public wxXmlResourceHandler {
public:
    UpDownControlXmlHandler();
    wxObject* DoCreateResource() override;
    bool CanHandle(wxXmlNode* node) override;
};

} // namespace stillmark
