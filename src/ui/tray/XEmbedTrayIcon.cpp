#include "ui/tray/XEmbedTrayIcon.h"

#include "ui/tray/TrayMenu.h"
#include "ui/tray/TrayMenuPoster.h"

#include <algorithm>
#include <utility>
#include <wx/menu.h>
#include <wx/taskbar.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace stillmark {

// The tray icon itself. Its presses go to the handler; the handler is cleared before the icon
// is destroyed, so a press still queued then reaches nobody.
class XEmbedTrayIcon::Icon final : public wxTaskBarIcon {
public:
    explicit Icon(std::function<void(TrayClick)> onClick) : m_onClick(std::move(onClick)) {
        // A left press usually takes the icon away: deliver it after the tray's own handling of
        // the press has returned, not from inside the icon's signal.
        Bind(wxEVT_TASKBAR_LEFT_DOWN,
             [this](wxTaskBarIconEvent&) { CallAfter([this] { Deliver(TrayClick::LeftPress); }); });
        // The right press opens the menu: at once, while the press is the current event, so the
        // menu can take the pointer. Not skipped: no default menu. GTK reports no releases.
        Bind(wxEVT_TASKBAR_RIGHT_DOWN, [this](wxTaskBarIconEvent&) { Deliver(TrayClick::MenuRequest); });
    }

    void Disconnect() { m_onClick = nullptr; }

private:
    void Deliver(TrayClick click) {
        // A copy: the handler may destroy the icon, and with it this handler.
        const auto handler = m_onClick;
        if (handler)
            handler(click);
    }

    std::function<void(TrayClick)> m_onClick;
};

XEmbedTrayIcon::XEmbedTrayIcon(wxWindow& owner, const wxIcon& icon, std::function<void(TrayClick)> onClick)
    : m_owner(owner), m_icon(icon), m_trayIcon(new Icon(std::move(onClick))) {}

XEmbedTrayIcon::~XEmbedTrayIcon() {
    // A tray icon left alive keeps a hidden helper window, and that keeps the program from
    // ending. Destroy() deletes it once its pending events are done with.
    m_trayIcon->Disconnect();
    m_trayIcon->RemoveIcon();
    m_trayIcon->Destroy();
}

void XEmbedTrayIcon::Show(const std::string& tip) {
    m_trayIcon->SetIcon(m_icon, wxString::FromUTF8(tip));
}

void XEmbedTrayIcon::Hide() {
    m_trayIcon->RemoveIcon();
}

void XEmbedTrayIcon::ShowMenu() {
    wxMenu menu;
    for (const TrayMenuItem& item : TrayMenuItems(m_paused)) {
        if (item.id == 0)
            menu.AppendSeparator();
        else
            menu.Append(item.id, wxString::FromUTF8(item.text));
    }
    wxWindow* const owner = &m_owner;
    menu.Bind(wxEVT_MENU, [owner](wxCommandEvent& event) { PostMenuChoice(*owner, event.GetId()); });
    m_trayIcon->PopupMenu(&menu);
}

bool XEmbedTrayIcon::ShowBalloon([[maybe_unused]] const std::string& title,
                                 [[maybe_unused]] const std::string& text,
                                 [[maybe_unused]] int milliseconds) {
#if defined(__WXMSW__) && wxUSE_TASKBARICON_BALLOONS
    return m_trayIcon->IsIconInstalled() &&
           m_trayIcon->ShowBalloon(wxString::FromUTF8(title), wxString::FromUTF8(text),
                                   static_cast<unsigned>(std::max(milliseconds, 0)), wxICON_NONE, m_icon);
#else
    return false;
#endif
}

bool XEmbedTrayIcon::IsAvailable() {
    return wxTaskBarIcon::IsAvailable();
}

bool XEmbedTrayIcon::IsX11Display() {
#if defined(__WXGTK__) && defined(__UNIX__)
    return wxGetDisplayInfo().type == wxDisplayX11;
#else
    return false; // wx's tray icon there is the system's own, not an X11 one
#endif
}

} // namespace stillmark
