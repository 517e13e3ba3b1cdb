#pragma once
// Every service of the program, built in one place at start-up and living until the program ends.
#include "sound/GstSoundEngine.h"
#include "sound/SoundPlayback.h"
#include "ui/common/MessageBox.h"
#include "ui/common/ModalDialogs.h"
#include "ui/info/ProgramHost.h"
#include "ui/main/Clock.h"
#include "ui/main/InterimSettingsStore.h"
#include "ui/main/MainWindowServices.h"

#include <string>

namespace stillmark {

// What the About box asks of the program: its folder and the welcome sound.
class AboutHost final : public IProgramHost {
public:
    AboutHost(SoundPlayback& sound, std::string programDir)
        : m_sound(sound), m_programDir(std::move(programDir)) {}
    std::string ProgramDir() const override { return m_programDir; }
    void OpenMediaFile(const std::string& path) override { m_sound.OpenMediaFile(path); }
    void PlaySoundFile(const std::string& path) override { m_sound.PlaySoundFile(path); }

private:
    SoundPlayback& m_sound;
    std::string m_programDir;
};

struct ProgramServices {
    ProgramServices();
    MainWindowServices ForMainWindow();

    SystemClock clock;
    WxMessageBox messages;
    ModalDialogs modalDialogs;
    SettingsStore settings;
    GstSoundEngine soundEngine;
    SoundPlayback sound;
    AboutHost aboutHost;
};

} // namespace stillmark
