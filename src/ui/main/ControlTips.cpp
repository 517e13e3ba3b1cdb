#include "ui/main/ControlTips.h"

#include "ui/main/TipWindow.h"

#include <algorithm>
#include <wx/artprov.h>
#include <wx/toplevel.h>
#include <wx/translation.h>

namespace stillmark {

const std::vector<std::pair<std::string_view, std::string_view>>& ControlTipTable() {
    static const std::vector<std::pair<std::string_view, std::string_view>> table = {
        {"start_time", wxTRANSLATE("The start time or when the first stillmark will occure.\nUse the up/down "
                                   "button or enter the start "
                                   "time.")},
        {"end_time",
         wxTRANSLATE(
             "The end time or when the last stillmark will occure.\nUse the up/down button or enter the "
             "end time.")},
        {"increment", wxTRANSLATE("The time step when clicking on the up/down buttons")},
        {"count", wxTRANSLATE("The number of stillmark moments you like to have.\nUse the up/down button or "
                              "enter the number.")},
        {"sound_path",
         wxTRANSLATE(
             // TRANSLATORS: "Default" is the name the field understands: keep it as it is.
             "Sound to play when the stillmark moment occurs.\nLeave empty or use the name Default for the "
             "build-in sound")},
        {"use_sound", wxTRANSLATE("Switch on/off the playing of the sound")},
        {"use_ampm", wxTRANSLATE("Shows Am-Pm (American display mode)\nor 24 hours (European display mode)")},
        {"start_minimized",
         wxTRANSLATE("When checked, this will start Stillmark\nby default in the notification area.")},
        {"browse_sound", wxTRANSLATE("Browse for a sound (wav,mp3,wma file)")},
        {"play_sound", wxTRANSLATE("Push this button to play\nthe selected sound")},
        {"stop_sound", wxTRANSLATE("Push this button to stop\nplaying the selected sound")},
        {"moments", wxTRANSLATE("Shows the list of all stillmark moments")},
        {"show_tip",
         wxTRANSLATE(
             "Check this to get tips on all items in this dialog.\nHover over the items to see the tip.")},
        {"run_background", wxTRANSLATE("Pushing this button will make Stillmark run in the background.\nUpon "
                                       "stillmark time you will be "
                                       "notified with a pop-up balloon")},
        {"close", wxTRANSLATE("Quits Stillmark")},
        {"count_spin", wxTRANSLATE("Click to increase or decrease the number of stillmark moments.")},
        {"start_spin", wxTRANSLATE("Click to increase or decrease the stillmark starting time")},
        {"end_spin", wxTRANSLATE("Click to increase or decrease the stillmark ending time")},
        {"about", wxTRANSLATE("See more info about Stillmark.")},
    };
    return table;
}

namespace {

wxBitmap IconBitmap(int icon) {
    const wxSize size(24, 24);
    switch (icon) {
    case TipIconInfo:
        return wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_MESSAGE_BOX, size);
    case TipIconWarning:
        return wxArtProvider::GetBitmap(wxART_WARNING, wxART_MESSAGE_BOX, size);
    case TipIconError:
        return wxArtProvider::GetBitmap(wxART_ERROR, wxART_MESSAGE_BOX, size);
    default:
        return wxBitmap();
    }
}

bool IsInside(wxWindow* window, wxWindow* owner) {
    for (wxWindow* w = window; w != nullptr; w = w->GetParent()) {
        if (w == owner) {
            return true;
        }
        if (w->IsTopLevel()) {
            return false;
        }
    }
    return false;
}

} // namespace

// Any press of a mouse button or key dismisses the tip, as does the tip's time running out.
class ControlTips::DismissFilter : public wxEventFilter {
public:
    explicit DismissFilter(ControlTips& tips) : m_tips(tips) { wxEvtHandler::AddFilter(this); }
    ~DismissFilter() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN || type == wxEVT_MIDDLE_DOWN ||
            type == wxEVT_KEY_DOWN || type == wxEVT_MOUSEWHEEL) {
            if (m_tips.IsTipShown()) {
                m_tips.HideTip();
            }
            m_tips.m_initialTimer.Stop();
            m_tips.m_pending = nullptr;
        }
        return Event_Skip;
    }

private:
    ControlTips& m_tips;
};

ControlTips::ControlTips()
    : m_initialTimer([this] { OnInitialDelay(); }), m_hideTimer([this] {
          m_expired = m_showing;
          HideTip();
      }) {}

ControlTips::~ControlTips() {
    m_initialTimer.Stop();
    m_hideTimer.Stop();
    m_dismissFilter.reset();
    if (m_owner) {
        m_owner->Unbind(wxEVT_SHOW, &ControlTips::OnOwnerShow, this);
    }
    if (m_tip) {
        m_tip->Destroy();
    }
}

bool ControlTips::Create(wxWindow* owner) {
    if (owner == nullptr) {
        return false;
    }
    if (m_tip) {
        return true;
    }
    m_owner = owner;
    m_tip = new TipWindow(owner);
    m_owner->Bind(wxEVT_SHOW, &ControlTips::OnOwnerShow, this);
    m_dismissFilter = std::make_unique<DismissFilter>(*this);
    return true;
}

bool ControlTips::SetTitle(int icon, const std::string& title) {
    if (!m_tip) {
        return false;
    }
    m_icon = icon;
    m_title = title;
    return true;
}

void ControlTips::AddTool(wxWindow* control, const std::string& text) {
    if (control == nullptr) {
        return;
    }
    // Forget controls that are gone, so a dialog shown again and again keeps one entry per control.
    std::erase_if(m_tools, [](const Tool& t) { return !t.control; });
    auto found = std::find_if(m_tools.begin(), m_tools.end(),
                              [control](const Tool& t) { return t.control == control; });
    if (found != m_tools.end()) {
        found->text = text;
    } else {
        m_tools.push_back(Tool{control, text});
    }
}

const ControlTips::Tool* ControlTips::ToolFor(wxWindow* window) const {
    for (wxWindow* w = window; w != nullptr; w = w->GetParent()) {
        for (const Tool& tool : m_tools) {
            if (tool.control == w) {
                return &tool;
            }
        }
        if (w->IsTopLevel()) {
            break;
        }
    }
    return nullptr;
}

wxWindow* ControlTips::FindTool(wxWindow* window) const {
    const Tool* tool = ToolFor(window);
    return tool != nullptr ? tool->control.get() : nullptr;
}

const std::string* ControlTips::FindToolText(wxWindow* window) const {
    const Tool* tool = ToolFor(window);
    return tool != nullptr ? &tool->text : nullptr;
}

TipWindow* ControlTips::GetTipWindow() const {
    return m_tip.get();
}

bool ControlTips::IsTipShown() const {
    return m_tip && m_tip->IsShown();
}

void ControlTips::SetDelays(std::chrono::milliseconds initial, std::chrono::milliseconds autoHide) {
    m_initialDelay = initial;
    m_autoHide = autoHide;
}

void ControlTips::RelayEvent(const wxMouseEvent& event) {
    auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (window != nullptr) {
        RelayEvent(window, window->ClientToScreen(event.GetPosition()));
    }
}

void ControlTips::RelayEvent(wxWindow* window, const wxPoint& pointerOnScreen) {
    if (!m_tip) {
        return;
    }
    m_pointer = pointerOnScreen;
    wxWindow* control = FindTool(window);
    if (control != m_expired.get()) {
        m_expired = nullptr;
    }
    if (control == nullptr) {
        m_initialTimer.Stop();
        m_pending = nullptr;
        HideTip();
        return;
    }
    if (control == m_expired.get()) {
        return;
    }
    if (IsTipShown()) {
        // Moving from one control to the next moves the tip at once; within one control it stays put.
        if (control != m_showing.get()) {
            ShowTipFor(control);
        }
        return;
    }
    // The pointer must rest: every move starts the wait again.
    m_pending = control;
    m_initialTimer.StartOnce(static_cast<int>(m_initialDelay.count()));
}

void ControlTips::OnInitialDelay() {
    wxWindow* control = m_pending.get();
    m_pending = nullptr;
    if (control != nullptr && m_owner && m_owner->IsShown()) {
        ShowTipFor(control);
    }
}

void ControlTips::ShowTipFor(wxWindow* control) {
    const std::string* text = FindToolText(control);
    if (text == nullptr || !m_tip) {
        return;
    }
    m_tip->SetContent(IconBitmap(m_icon), m_title, *text);
    m_tip->ShowAt(m_pointer);
    m_showing = control;
    m_hideTimer.StartOnce(static_cast<int>(m_autoHide.count()));
}

void ControlTips::HideTip() {
    m_hideTimer.Stop();
    m_showing = nullptr;
    if (m_tip && m_tip->IsShown()) {
        m_tip->Hide();
    }
}

void ControlTips::OnOwnerShow(wxShowEvent& event) {
    if (!event.IsShown()) {
        m_initialTimer.Stop();
        m_pending = nullptr;
        HideTip();
    }
    event.Skip();
}

MouseMoveRelay::MouseMoveRelay(wxWindow* owner, Callback onMove)
    : m_owner(owner), m_onMove(std::move(onMove)) {
    wxEvtHandler::AddFilter(this);
}

MouseMoveRelay::~MouseMoveRelay() {
    wxEvtHandler::RemoveFilter(this);
}

int MouseMoveRelay::FilterEvent(wxEvent& event) {
    if (event.GetEventType() != wxEVT_MOTION || !m_owner || !m_onMove) {
        return Event_Skip;
    }
    auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (window != nullptr && IsInside(window, m_owner.get())) {
        const auto& mouse = static_cast<const wxMouseEvent&>(event);
        m_onMove(window, window->ClientToScreen(mouse.GetPosition()));
    }
    return Event_Skip;
}

} // namespace stillmark
