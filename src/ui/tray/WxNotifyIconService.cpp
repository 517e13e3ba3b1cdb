#include "ui/tray/WxNotifyIconService.h"

#include "ui/tray/NotifyIconPlan.h"
#include "ui/tray/TrayMenu.h"

#include <cstddef>
#include <utility>
#include <vector>
#include <wx/event.h>
#include <wx/menu.h>
#include <wx/notifmsg.h>
// After wx/notifmsg.h, which declares the base class.
#include <wx/generic/notifmsg.h>
#include <wx/taskbar.h>
#include <wx/window.h>

namespace stillmark {

// The tray icon itself. Its mouse presses go to the handler; the handler is cleared
// before the icon is destroyed, so a press still queued then reaches nobody.
class WxNotifyIconService::TrayIcon final : public wxTaskBarIcon {
public:
    explicit TrayIcon(MouseHandler onMouse) : m_onMouse(std::move(onMouse)) {
        // A left press usually removes the icon: deliver it after the desktop's click
        // handling has returned, not from inside the icon's own signal.
        Bind(wxEVT_TASKBAR_LEFT_DOWN,
             [this](wxTaskBarIconEvent&) { CallAfter([this] { Deliver(kMouseLeftDown); }); });
        // The right press opens the menu: deliver it at once, while the press is the
        // current event, so the menu can take the pointer. Not skipped: no default menu.
        Bind(wxEVT_TASKBAR_RIGHT_DOWN, [this](wxTaskBarIconEvent&) { Deliver(kMouseRightUp); });
    }

    void Disconnect() { m_onMouse = nullptr; }

private:
    void Deliver(int mouseMessage) {
        // A copy: the handler may destroy the service, and with it this handler.
        const MouseHandler handler = m_onMouse;
        if (handler)
            handler(mouseMessage);
    }

    MouseHandler m_onMouse;
};

WxNotifyIconService::WxNotifyIconService(wxWindow* owner, const wxIcon& icon, MouseHandler onMouse)
    : m_owner(owner), m_icon(icon), m_trayIcon(new TrayIcon(std::move(onMouse))) {}

WxNotifyIconService::~WxNotifyIconService() {
    // A tray icon left alive keeps a hidden helper window, and that keeps the program
    // from ending. Destroy() deletes it once its pending events are done with.
    m_trayIcon->Disconnect();
    m_trayIcon->RemoveIcon();
    m_trayIcon->Destroy();
}

void WxNotifyIconService::Call(NotifyIconMessage message, const NotifyIconData& data) {
    const NotifyIconPlan plan = PlanNotifyIconCall(message, data, m_iconAdded);
    // With no notification area the icon is still recorded as added: nothing shows,
    // but the balloons do, as desktop notifications need no tray.
    if (plan.setIcon)
        m_trayIcon->SetIcon(m_icon, wxString::FromUTF8(FieldText(data.szTip)));
    if (plan.removeIcon)
        m_trayIcon->RemoveIcon();
    if (plan.showBalloon)
        ShowBalloon(data, plan.balloonSeconds);
    m_iconAdded = plan.iconAddedAfter;
}

bool WxNotifyIconService::IsAvailable() const {
    return wxTaskBarIcon::IsAvailable();
}

void WxNotifyIconService::ShowBalloon(const NotifyIconData& data, int seconds) {
    const wxString title = wxString::FromUTF8(FieldText(data.szInfoTitle));
    const wxString text = wxString::FromUTF8(FieldText(data.szInfo));
    // The program's own popup shows one balloon at a time, as the icon does: the next
    // one takes its place at once rather than when the old window gets deleted.
    if (m_balloon && m_lastBalloonKind == BalloonKind::OwnPopup)
        m_balloon->Close();
    // The object must live while its notification shows; the next balloon replaces it.
    auto desktop = std::make_unique<wxNotificationMessage>(title, text, m_owner, wxICON_INFORMATION);
    if (desktop->Show(seconds)) {
        m_balloon = std::move(desktop);
        m_lastBalloonKind = BalloonKind::Desktop;
        return;
    }
    // No notification service on the session bus: the program's own popup.
    desktop.reset();
    auto own = std::make_unique<wxGenericNotificationMessage>(title, text, m_owner, wxICON_INFORMATION);
    own->Show(seconds);
    m_balloon = std::move(own);
    m_lastBalloonKind = BalloonKind::OwnPopup;
}

void WxNotifyIconService::ShowMenu() {
    // wx refuses menu ids from 0x7fff on (ID_APP_ABOUT and ID_APP_EXIT are beyond it), so
    // the menu carries ids of its own and the chosen one is translated back.
    const std::vector<TrayMenuItem>& items = TrayMenuItems();
    constexpr int kFirstMenuId = wxID_HIGHEST + 1;
    wxMenu menu;
    for (std::size_t position = 0; position < items.size(); ++position) {
        if (items[position].id == 0)
            menu.AppendSeparator();
        else
            menu.Append(kFirstMenuId + static_cast<int>(position), wxString::FromUTF8(items[position].text));
    }
    // The choice is queued to the owner rather than handled inside the menu: Show and
    // Exit remove the icon, and with it the window the menu is still running on.
    wxWindow* const owner = m_owner;
    menu.Bind(wxEVT_MENU, [owner, &items](wxCommandEvent& event) {
        const int position = event.GetId() - kFirstMenuId;
        if (owner == nullptr || position < 0 || position >= static_cast<int>(items.size()))
            return;
        wxCommandEvent command(wxEVT_MENU, items[static_cast<std::size_t>(position)].id);
        command.SetEventObject(owner);
        wxPostEvent(owner->GetEventHandler(), command);
    });
    m_trayIcon->PopupMenu(&menu);
}

} // namespace stillmark
