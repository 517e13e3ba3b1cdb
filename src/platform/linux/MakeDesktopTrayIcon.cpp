// The assembly of the desktop's icon from its real parts.
#include "platform/linux/DesktopNotifier.h"
#include "platform/linux/StatusNotifierItem.h"
#include "platform/linux/StatusNotifierWatcher.h"
#include "ui/tray/DesktopTrayIcon.h"
#include "ui/tray/XEmbedTrayIcon.h"

#include <wx/icon.h>
#include <wx/window.h>

namespace stillmark {

std::unique_ptr<TrayIcon> MakeDesktopTrayIcon(wxWindow& owner, const wxIcon& icon,
                                              std::function<void(TrayClick)> onClick) {
    TrayDesktop desktop;
    desktop.hasStatusNotifierHost = [] { return IsStatusNotifierHostRegistered(); };
    desktop.isX11Display = [] { return XEmbedTrayIcon::IsX11Display(); };
    desktop.hasXEmbedTray = [] { return XEmbedTrayIcon::IsAvailable(); };
    wxWindow* const window = &owner;
    desktop.makeBackend = [window, icon, onClick](TrayKind kind) -> std::unique_ptr<TrayBackend> {
        if (kind == TrayKind::StatusNotifier)
            return std::make_unique<StatusNotifierItem>(*window, icon, onClick);
        return std::make_unique<XEmbedTrayIcon>(*window, icon, onClick);
    };
    desktop.watchHosts = [](std::function<void()> onChange) { return WatchTrayHosts(std::move(onChange)); };
    return std::make_unique<DesktopTrayIcon>(
        std::move(desktop), std::make_unique<DesktopNotifier>(owner, icon, InstalledIconExists()));
}

} // namespace stillmark
