#pragma once
// The icon in an X11 tray (XEmbed, wx's own tray icon on GTK) with its pop-up menu.
#include "ui/tray/TrayBackend.h"
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <wx/icon.h>

class wxWindow;

namespace stillmark {

class XEmbedTrayIcon final : public TrayBackend {
public:
    // owner receives the menu's choices and must outlive the icon.
    XEmbedTrayIcon(wxWindow& owner, const wxIcon& icon, std::function<void(TrayClick)> onClick);
    ~XEmbedTrayIcon() override;
    XEmbedTrayIcon(const XEmbedTrayIcon&) = delete;
    XEmbedTrayIcon& operator=(const XEmbedTrayIcon&) = delete;

    void Show(const std::string& tip) override;
    void Hide() override;
    void ShowMenu() override;
    void SetPaused(bool paused) override { m_paused = paused; }
    // The shell's balloon over the icon, where wx has balloons (Windows); false where it has none or
    // the icon is not shown.
    bool ShowBalloon(const std::string& title, const std::string& text, int milliseconds);

    // An X11 tray owns the tray selection of the screen.
    static bool IsAvailable();
    // The program runs on an X11 display (not Wayland), the only place the icon can show.
    static bool IsX11Display();

private:
    class Icon;

    wxWindow& m_owner;
    wxIcon m_icon;
    Icon* m_trayIcon; // destroyed through Destroy(), see the destructor
    bool m_paused = false;
};

} // namespace stillmark
