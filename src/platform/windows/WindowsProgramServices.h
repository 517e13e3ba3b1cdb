#pragma once
// The program's services on Windows: a waitable wake timer, winmm's sound, the shell's links, the
// settings in the user's application data, the Run key, the notification area's icon and balloons;
// ending when the session ends.
#include "app/ProgramServices.h"
#include "base/Clock.h"
#include "platform/windows/RunKeyAutostart.h"
#include "platform/windows/ShellDesktopActivity.h"
#include "platform/windows/ShellLinkOpener.h"
#include "platform/windows/SystemEvents.h"
#include "platform/windows/WaitableWakeTimer.h"
#include "platform/windows/WinmmSoundEngine.h"
#include "settings/SettingsStore.h"
#include "sound/SoundPlayback.h"
#include "ui/common/ModalDialogs.h"
#include "ui/common/WxMessageBox.h"
#include "ui/info/InfoServices.h"

class wxCloseEvent;

namespace stillmark {

class WindowsProgramServices final : public ProgramServices {
public:
    WindowsProgramServices();
    ~WindowsProgramServices() override;
    WindowsProgramServices(const WindowsProgramServices&) = delete;
    WindowsProgramServices& operator=(const WindowsProgramServices&) = delete;

    MainWindowServices ForMainWindow() override;
    void WatchEnding(EndingRequests requests) override;
    void ArmEndDeadline() override;

private:
    void OnQueryEndSession(wxCloseEvent& event);
    void OnEndSession(wxCloseEvent& event);

    SystemClock m_clock;
    WaitableWakeTimer m_wakeTimer;
    SystemEvents m_system;
    WxMessageBox m_messages;
    ModalDialogs m_modalDialogs;
    SettingsStore m_settings;
    WinmmSoundEngine m_soundEngine;
    SoundPlayback m_sound;
    ShellLinkOpener m_opener;
    InfoServices m_info;
    AboutBoxOpener m_about;
    RunKeyAutostart m_autostart;
    ShellDesktopActivity m_desktop;
    EndingRequests m_ending;
    bool m_watching = false;
    void* m_endArmed = nullptr; // the event that starts the ending's deadline; kept to the end
};

} // namespace stillmark
