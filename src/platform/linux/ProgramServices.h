#pragma once
// Every service of the program, built in one place at start-up and living until the program ends.
#include "base/Clock.h"
#include "platform/linux/GLibWakeTimer.h"
#include "platform/linux/GstSoundEngine.h"
#include "platform/linux/LinuxDesktopActivity.h"
#include "settings/SettingsStore.h"
#include "sound/SoundPlayback.h"
#include "ui/common/ModalDialogs.h"
#include "ui/common/WxMessageBox.h"
#include "ui/info/InfoServices.h"
#include "ui/info/LinkOpener.h"
#include "ui/main/MainWindowServices.h"

namespace stillmark {

// The folder of the program's real executable (a link to it resolved): its data files lie there.
std::filesystem::path FolderOfExecutable();

struct ProgramServices {
    // argv0: the command that started the program, started again at log-in.
    explicit ProgramServices(std::string_view argv0);
    MainWindowServices ForMainWindow();

    SystemClock clock;
    GLibWakeTimer wakeTimer;
    WxMessageBox messages;
    ModalDialogs modalDialogs;
    SettingsStore settings;
    GstSoundEngine soundEngine;
    SoundPlayback sound;
    DesktopLinkOpener opener;
    InfoServices info;
    AboutBoxOpener about;
    std::filesystem::path launcher;
    LinuxDesktopActivity desktop;
};

} // namespace stillmark
