#pragma once
// The desktop's state on Linux: the screen lock from logind and the screen savers, do-not-disturb from
// the notification server, GNOME, Xfce and dunst, presenting from the X11 active window and GNOME's
// idle inhibitors. Each D-Bus part follows its service's signals; a service that is missing or does
// not answer tells nothing, without a warning.
#include "platform/linux/BusFlag.h"
#include "ui/main/DesktopActivity.h"

#include <memory>
#include <string_view>
#include <vector>

typedef struct _GSettings GSettings;

namespace stillmark {

// Where each part of the state comes from.
std::vector<BusFlagSource> LockSources();
std::vector<BusFlagSource> DoNotDisturbSources();
std::vector<BusFlagSource> InhibitorSources();

// GNOME's own do-not-disturb switch is read only on GNOME (XDG_CURRENT_DESKTOP names it).
bool IsGnomeDesktop(std::string_view currentDesktop);

class LinuxDesktopActivity final : public DesktopActivity {
public:
    LinuxDesktopActivity();
    ~LinuxDesktopActivity() override;
    LinuxDesktopActivity(const LinuxDesktopActivity&) = delete;
    LinuxDesktopActivity& operator=(const LinuxDesktopActivity&) = delete;

    DesktopState Now() override;

private:
    static bool AnyOf(const std::vector<std::unique_ptr<BusFlag>>& flags);
    bool GnomeHidesBanners() const;

    std::vector<std::unique_ptr<BusFlag>> m_lock, m_doNotDisturb, m_inhibitors;
    GSettings* m_gnomeNotifications = nullptr; // only where the schema exists, on GNOME
};

// The X11 active window fills the screen and is not one of this process's (false elsewhere).
bool ActiveWindowIsFullscreen();

} // namespace stillmark
