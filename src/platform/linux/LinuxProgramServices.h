#pragma once
// The program's services on Linux: GLib's wake timer, GStreamer's sound, GIO's links, the XDG
// settings and autostart files, the StatusNotifierItem or XEmbed tray; ending on signals and on the
// display's loss.
#include "app/ProgramServices.h"
#include "base/Clock.h"
#include "platform/linux/DesktopLinkOpener.h"
#include "platform/linux/GLibWakeTimer.h"
#include "platform/linux/GstSoundEngine.h"
#include "platform/linux/LinuxDesktopActivity.h"
#include "platform/linux/XdgAutostart.h"
#include "settings/SettingsStore.h"
#include "sound/SoundPlayback.h"
#include "ui/common/ModalDialogs.h"
#include "ui/common/WxMessageBox.h"
#include "ui/info/InfoServices.h"

#include <vector>

namespace stillmark {

class LinuxProgramServices final : public ProgramServices {
public:
    explicit LinuxProgramServices(std::string_view argv0);
    ~LinuxProgramServices() override;
    LinuxProgramServices(const LinuxProgramServices&) = delete;
    LinuxProgramServices& operator=(const LinuxProgramServices&) = delete;

    MainWindowServices ForMainWindow() override;
    void WatchEnding(EndingRequests requests) override;
    void ArmEndDeadline() override;

private:
    SystemClock m_clock;
    GLibWakeTimer m_wakeTimer;
    WxMessageBox m_messages;
    ModalDialogs m_modalDialogs;
    SettingsStore m_settings;
    GstSoundEngine m_soundEngine;
    SoundPlayback m_sound;
    DesktopLinkOpener m_opener;
    InfoServices m_info;
    AboutBoxOpener m_about;
    XdgAutostart m_autostart;
    LinuxDesktopActivity m_desktop;
    EndingRequests m_ending;
    std::vector<unsigned> m_signalSources; // and the display's watch
};

} // namespace stillmark
