#include "ui/main/StepArrows.h"

#include <algorithm>
#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace stillmark {

wxDEFINE_EVENT(EVT_STEP_ARROWS, wxCommandEvent);
wxIMPLEMENT_DYNAMIC_CLASS(StepArrows, wxControl);

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 90;

void DrawTriangle(wxDC& dc, const wxRect& rect, bool up, const wxColour& colour) {
    // About half the button's height, centred.
    const int half = std::max(2, std::min(rect.width / 2 - 2, rect.height / 2));
    const int height = std::max(2, half - half / 3);
    const int cx = rect.x + rect.width / 2;
    const int top = rect.y + (rect.height - height) / 2;
    const int base = up ? top + height : top;
    const int tip = up ? top : top + height;
    const wxPoint points[3] = {{cx - half + 1, base}, {cx + half - 1, base}, {cx, tip}};
    dc.SetPen(wxPen(colour));
    dc.SetBrush(wxBrush(colour));
    dc.DrawPolygon(3, points);
}
} // namespace

StepArrows::StepArrows(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                       const wxString& name) {
    Create(parent, id, pos, size, name);
}

StepArrows::~StepArrows() {
    StopRepeating();
}

bool StepArrows::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                        const wxString& name) {
    if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS,
                           wxDefaultValidator, name))
        return false;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize(size);
    m_repeat.SetOwner(this);

    Bind(wxEVT_PAINT, &StepArrows::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &StepArrows::OnLeftDown, this);
    // Fast clicks arrive as double clicks on GTK: each is a step of its own.
    Bind(wxEVT_LEFT_DCLICK, &StepArrows::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &StepArrows::OnLeftUp, this);
    Bind(wxEVT_MOTION, &StepArrows::OnMotion, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &StepArrows::OnCaptureLost, this);
    Bind(wxEVT_TIMER, &StepArrows::OnRepeat, this, m_repeat.GetId());
    Bind(wxEVT_KEY_DOWN, &StepArrows::OnKeyDown, this);
    Bind(wxEVT_SET_FOCUS, &StepArrows::OnFocus, this);
    Bind(wxEVT_KILL_FOCUS, &StepArrows::OnFocus, this);
    return true;
}

void StepArrows::Step(int direction) {
    wxCommandEvent event(EVT_STEP_ARROWS, GetId());
    event.SetEventObject(this);
    event.SetInt(direction > 0 ? +1 : -1);
    ProcessWindowEvent(event);
}

void StepArrows::OnKeyDown(wxKeyEvent& event) {
    // The control wants the arrow keys, and so gets Tab too: it moves on as every control does (on
    // Windows nothing else would, and the focus would stay here).
    if (event.GetKeyCode() == WXK_TAB && !event.ControlDown() && !event.AltDown()) {
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        return;
    }
    if (!event.HasAnyModifiers()) {
        switch (event.GetKeyCode()) {
        case WXK_UP:
        case WXK_NUMPAD_UP:
            Step(+1);
            return;
        case WXK_DOWN:
        case WXK_NUMPAD_DOWN:
            Step(-1);
            return;
        default:
            break;
        }
    }
    event.Skip();
}

void StepArrows::OnFocus(wxFocusEvent& event) {
    Refresh(); // the focus ring comes and goes
    event.Skip();
}

wxSize StepArrows::DoGetBestSize() const {
    // As wide as a scroll bar's arrow; the sizer gives it the field's height.
    return wxSize(std::max(FromDIP(16), wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this)), FromDIP(24));
}

StepArrows::Arrow StepArrows::ArrowAt(const wxPoint& point) const {
    const wxSize size = GetClientSize();
    if (point.x < 0 || point.y < 0 || point.x >= size.x || point.y >= size.y)
        return Arrow::None;
    return point.y < size.y / 2 ? Arrow::Up : Arrow::Down;
}

wxRect StepArrows::ArrowRect(Arrow arrow) const {
    const wxSize size = GetClientSize();
    const int upHeight = size.y / 2;
    return arrow == Arrow::Up ? wxRect(0, 0, size.x, upHeight)
                              : wxRect(0, upHeight, size.x, size.y - upHeight);
}

void StepArrows::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    wxRendererNative& renderer = wxRendererNative::Get();
    const bool enabled = IsEnabled();
    const wxColour colour =
        wxSystemSettings::GetColour(enabled ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT);
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
        int flags = enabled ? 0 : int{wxCONTROL_DISABLED};
        if (arrow == m_pressed && m_pointerOnPressed)
            flags |= wxCONTROL_PRESSED;
        const wxRect rect = ArrowRect(arrow);
        renderer.DrawPushButton(this, dc, rect, flags);
        DrawTriangle(dc, rect, arrow == Arrow::Up, colour);
    }
    if (HasFocus())
        renderer.DrawFocusRect(this, dc, wxRect(GetClientSize()).Deflate(2));
}

void StepArrows::OnLeftDown(wxMouseEvent& event) {
    const Arrow arrow = ArrowAt(event.GetPosition());
    if (arrow == Arrow::None || !IsEnabled())
        return;
    if (!HasCapture())
        CaptureMouse();
    m_pressed = arrow;
    m_pointerOnPressed = true;
    Refresh();
    Step(arrow == Arrow::Up ? +1 : -1);
    m_repeat.StartOnce(kFirstRepeatMs);
}

void StepArrows::OnMotion(wxMouseEvent& event) {
    if (m_pressed == Arrow::None)
        return;
    const bool onPressed = ArrowAt(event.GetPosition()) == m_pressed;
    if (onPressed != m_pointerOnPressed) {
        m_pointerOnPressed = onPressed;
        Refresh();
    }
}

void StepArrows::OnRepeat(wxTimerEvent&) {
    if (m_pressed == Arrow::None)
        return;
    // Holding the button while the pointer is off the arrow pauses the repeat.
    if (m_pointerOnPressed)
        Step(m_pressed == Arrow::Up ? +1 : -1);
    if (m_pressed != Arrow::None && !m_repeat.IsRunning())
        m_repeat.Start(kRepeatMs);
}

void StepArrows::OnLeftUp(wxMouseEvent&) {
    StopRepeating();
}

void StepArrows::OnCaptureLost(wxMouseCaptureLostEvent&) {
    m_pressed = Arrow::None;
    StopRepeating();
}

void StepArrows::StopRepeating() {
    m_repeat.Stop();
    if (HasCapture())
        ReleaseMouse();
    if (m_pressed != Arrow::None) {
        m_pressed = Arrow::None;
        m_pointerOnPressed = false;
        Refresh();
    }
}

StepArrowsXmlHandler::StepArrowsXmlHandler() {
    AddWindowStyles();
}

wxObject* StepArrowsXmlHandler::DoCreateResource() {
    XRC_MAKE_INSTANCE(control, StepArrows)
    control->Create(m_parentAsWindow, GetID(), GetPosition(), GetSize(), GetName());
    SetupWindow(control);
    return control;
}

bool StepArrowsXmlHandler::CanHandle(wxXmlNode* node) {
    return IsOfClass(node, "StepArrows");
}

} // namespace stillmark
