#include "ui/main/UpDownControl.h"

#include <algorithm>
#include <limits>
#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

namespace stillmark {

int UpDownRange::ProposedDelta(int direction) const {
    if (direction == 0) {
        return 0;
    }
    const int towardsUpper = upper >= lower ? 1 : -1;
    return direction > 0 ? towardsUpper : -towardsUpper;
}

int UpDownRange::Clamp(int value) const {
    return std::clamp(value, std::min(lower, upper), std::max(lower, upper));
}

bool UpDownRange::Offset(int delta) {
    const int low = std::min(lower, upper);
    const int high = std::max(lower, upper);
    // 64 bits: a large delta from a handler must not overflow.
    long long next = static_cast<long long>(pos) + delta;
    if (next < low || next > high) {
        if (wrap && delta != 0) {
            next = delta > 0 ? low : high;
        } else {
            next = std::clamp<long long>(next, low, high);
        }
    }
    const bool moved = next != pos;
    pos = static_cast<int>(next);
    return moved;
}

wxDEFINE_EVENT(EVT_UPDOWN_STEP, UpDownEvent);
wxIMPLEMENT_DYNAMIC_CLASS(UpDownControl, wxControl);

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 90;
} // namespace

UpDownControl::UpDownControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                             long style, const wxString& name) {
    Create(parent, id, pos, size, style, name);
}

UpDownControl::~UpDownControl() {
    StopRepeating();
    DetachBuddy();
}

bool UpDownControl::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                           long style, const wxString& name) {
    if (!wxControl::Create(parent, id, pos, size, style | wxFULL_REPAINT_ON_RESIZE, wxDefaultValidator,
                           name)) {
        return false;
    }
    m_range.wrap = (style & UD_WRAP) != 0;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize(size);
    m_repeat.SetOwner(this);

    Bind(wxEVT_PAINT, &UpDownControl::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &UpDownControl::OnLeftDown, this);
    // Fast clicks arrive as double clicks on GTK: each is a step of its own.
    Bind(wxEVT_LEFT_DCLICK, &UpDownControl::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &UpDownControl::OnLeftUp, this);
    Bind(wxEVT_MOTION, &UpDownControl::OnMotion, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &UpDownControl::OnCaptureLost, this);
    Bind(wxEVT_TIMER, &UpDownControl::OnRepeat, this, m_repeat.GetId());
    return true;
}

void UpDownControl::SetRange(int lower, int upper) {
    m_range.lower = lower;
    m_range.upper = upper;
    m_range.pos = m_range.Clamp(m_range.pos);
}

void UpDownControl::SetPos(int pos) {
    m_range.pos = m_range.Clamp(pos);
}

void UpDownControl::SetBuddy(wxTextCtrl* buddy) {
    DetachBuddy();
    m_buddy = buddy;
    if (m_buddy != nullptr) {
        m_buddy->Bind(wxEVT_KEY_DOWN, &UpDownControl::OnBuddyKey, this);
        m_buddy->Bind(wxEVT_DESTROY, &UpDownControl::OnBuddyDestroy, this);
    }
}

void UpDownControl::DetachBuddy() {
    if (m_buddy != nullptr) {
        m_buddy->Unbind(wxEVT_KEY_DOWN, &UpDownControl::OnBuddyKey, this);
        m_buddy->Unbind(wxEVT_DESTROY, &UpDownControl::OnBuddyDestroy, this);
        m_buddy = nullptr;
    }
}

void UpDownControl::OnBuddyDestroy(wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == m_buddy) {
        DetachBuddy();
    }
    event.Skip();
}

bool UpDownControl::Step(int direction) {
    ReadBuddyPosition();
    UpDownEvent event(EVT_UPDOWN_STEP, GetId(), m_range.pos, m_range.ProposedDelta(direction));
    event.SetEventObject(this);
    GetEventHandler()->ProcessEvent(event);
    if (!event.IsAllowed()) {
        return false;
    }
    if (m_range.Offset(event.GetDelta())) {
        WriteBuddyPosition();
    }
    return true;
}

void UpDownControl::ReadBuddyPosition() {
    // The user may have typed a number since the last step: step from that one.
    if (m_buddy == nullptr || !HasFlag(UD_BUDDY_NUMBER)) {
        return;
    }
    long typed = 0;
    if (m_buddy->GetValue().ToLong(&typed)) {
        m_range.pos = m_range.Clamp(static_cast<int>(
            std::clamp<long>(typed, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    }
}

void UpDownControl::WriteBuddyPosition() {
    if (m_buddy != nullptr && HasFlag(UD_BUDDY_NUMBER)) {
        // SetValue, not ChangeValue: the buddy's owner reacts to the new number.
        m_buddy->SetValue(wxString::Format("%d", m_range.pos));
    }
}

void UpDownControl::OnBuddyKey(wxKeyEvent& event) {
    if (HasFlag(UD_ARROW_KEYS) && !event.HasAnyModifiers()) {
        if (event.GetKeyCode() == WXK_UP || event.GetKeyCode() == WXK_NUMPAD_UP) {
            Step(+1);
            return;
        }
        if (event.GetKeyCode() == WXK_DOWN || event.GetKeyCode() == WXK_NUMPAD_DOWN) {
            Step(-1);
            return;
        }
    }
    event.Skip();
}

wxSize UpDownControl::DoGetBestSize() const {
    return FromDIP(wxSize(18, 20));
}

UpDownControl::Arrow UpDownControl::ArrowAt(const wxPoint& point) const {
    const wxSize size = GetClientSize();
    if (point.x < 0 || point.y < 0 || point.x >= size.x || point.y >= size.y) {
        return Arrow::None;
    }
    return point.y < size.y / 2 ? Arrow::Up : Arrow::Down;
}

wxRect UpDownControl::ArrowRect(Arrow arrow) const {
    const wxSize size = GetClientSize();
    const int upHeight = size.y / 2;
    return arrow == Arrow::Up ? wxRect(0, 0, size.x, upHeight)
                              : wxRect(0, upHeight, size.x, size.y - upHeight);
}

void UpDownControl::DrawArrow(wxDC& dc, const wxRect& rect, Arrow arrow, bool enabled) {
    // A triangle about half the button's height, centred.
    const int half = std::max(2, std::min(rect.width / 2 - 2, rect.height / 2));
    const int height = std::max(2, half - half / 3);
    const int cx = rect.x + rect.width / 2;
    const int top = rect.y + (rect.height - height) / 2;
    wxPoint points[3];
    if (arrow == Arrow::Up) {
        points[0] = wxPoint(cx - half + 1, top + height);
        points[1] = wxPoint(cx + half - 1, top + height);
        points[2] = wxPoint(cx, top);
    } else {
        points[0] = wxPoint(cx - half + 1, top);
        points[1] = wxPoint(cx + half - 1, top);
        points[2] = wxPoint(cx, top + height);
    }
    const wxColour colour = enabled ? wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)
                                    : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
    dc.SetPen(wxPen(colour));
    dc.SetBrush(wxBrush(colour));
    dc.DrawPolygon(3, points);
}

void UpDownControl::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    wxRendererNative& renderer = wxRendererNative::Get();
    const bool enabled = IsEnabled();
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
        int flags = enabled ? 0 : int{wxCONTROL_DISABLED};
        if (arrow == m_pressed && m_pointerOnPressed) {
            flags |= wxCONTROL_PRESSED;
        }
        const wxRect rect = ArrowRect(arrow);
        renderer.DrawPushButton(this, dc, rect, flags);
        DrawArrow(dc, rect, arrow, enabled);
    }
}

void UpDownControl::OnLeftDown(wxMouseEvent& event) {
    const Arrow arrow = ArrowAt(event.GetPosition());
    if (arrow == Arrow::None || !IsEnabled()) {
        return;
    }
    if (!HasCapture()) {
        CaptureMouse();
    }
    m_pressed = arrow;
    m_pointerOnPressed = true;
    Refresh();
    Step(arrow == Arrow::Up ? +1 : -1);
    m_repeat.StartOnce(kFirstRepeatMs);
}

void UpDownControl::OnMotion(wxMouseEvent& event) {
    if (m_pressed == Arrow::None) {
        return;
    }
    const bool onPressed = ArrowAt(event.GetPosition()) == m_pressed;
    if (onPressed != m_pointerOnPressed) {
        m_pointerOnPressed = onPressed;
        Refresh();
    }
}

void UpDownControl::OnRepeat(wxTimerEvent&) {
    if (m_pressed == Arrow::None) {
        return;
    }
    // Holding the button while the pointer is off the arrow pauses the repeat.
    if (m_pointerOnPressed) {
        Step(m_pressed == Arrow::Up ? +1 : -1);
    }
    if (m_pressed != Arrow::None && !m_repeat.IsRunning()) {
        m_repeat.Start(kRepeatMs);
    }
}

void UpDownControl::OnLeftUp(wxMouseEvent&) {
    StopRepeating();
}

void UpDownControl::OnCaptureLost(wxMouseCaptureLostEvent&) {
    m_pressed = Arrow::None;
    StopRepeating();
}

void UpDownControl::StopRepeating() {
    m_repeat.Stop();
    if (HasCapture()) {
        ReleaseMouse();
    }
    if (m_pressed != Arrow::None) {
        m_pressed = Arrow::None;
        m_pointerOnPressed = false;
        Refresh();
    }
}

UpDownControlXmlHandler::UpDownControlXmlHandler() {
    XRC_ADD_STYLE(UD_WRAP);
    XRC_ADD_STYLE(UD_BUDDY_NUMBER);
    XRC_ADD_STYLE(UD_ARROW_KEYS);
    AddWindowStyles();
}

wxObject* UpDownControlXmlHandler::DoCreateResource() {
    XRC_MAKE_INSTANCE(control, UpDownControl)
    control->Create(m_parentAsWindow, GetID(), GetPosition(), GetSize(), GetStyle("style", 0), GetName());
    SetupWindow(control);
    return control;
}

bool UpDownControlXmlHandler::CanHandle(wxXmlNode* node) {
    return IsOfClass(node, "UpDownControl");
}

} // namespace stillmark
