#pragma once
// The recording doubles of the program's services, shared by every test: a message box, a sound
// engine and a notification-area icon that note what they are asked instead of reaching the desktop.
#include "base/MessageBox.h"
#include "sound/SoundEngine.h"
#include "ui/tray/TrayIcon.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace stillmark::test {

class RecordingMessageBox final : public MessageBox {
public:
    void Show(const std::string& text, MessageIcon icon) override {
        shown.push_back(text);
        icons.push_back(icon);
        if (onShow)
            onShow();
    }
    std::vector<std::string> shown;
    std::vector<MessageIcon> icons;
    std::function<void()> onShow; // what happens while the box would be open
};

// Notes each call as "PlayWaveMemory", "PlayWaveFile <path>", "StopWave", "OpenMedia <path>",
// "PlayMediaFromStart", "StopMedia", "CloseMedia".
class RecordingSoundEngine final : public SoundEngine {
public:
    bool PlayWaveMemory(const unsigned char* data, std::size_t size) override {
        const bool isWave =
            size > 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
        calls.push_back(isWave ? "PlayWaveMemory" : "PlayWaveMemory(not a wave image)");
        return waveWorks;
    }
    bool PlayWaveFile(const std::string& path) override {
        calls.push_back("PlayWaveFile " + path);
        return fileWorks;
    }
    void StopWave() override { calls.push_back("StopWave"); }
    bool OpenMedia(const std::string& path) override {
        calls.push_back("OpenMedia " + path);
        return fileWorks;
    }
    void PlayMediaFromStart() override { calls.push_back("PlayMediaFromStart"); }
    void StopMedia() override { calls.push_back("StopMedia"); }
    void CloseMedia() override { calls.push_back("CloseMedia"); }
    void SetFailureHandler(FailureHandler handler) override { onFailure = std::move(handler); }

    std::vector<std::string> calls;
    bool waveWorks = true;
    bool fileWorks = true;
    FailureHandler onFailure;
};

// Notes each call as one line: "show:<tip>", "hide", "notify:<title>|<text>|<seconds>[|<action>]",
// "menu".
class RecordingTray final : public TrayIcon {
public:
    RecordingTray(std::vector<std::string>& log, bool hasTray) : hasTray(hasTray), m_log(log) {}
    void ShowIcon(const std::string& tooltip) override {
        m_log.push_back("show:" + tooltip);
        shown = true;
    }
    void HideIcon() override {
        m_log.push_back("hide");
        shown = false;
    }
    void Notify(const std::string& title, const std::string& text, int seconds,
                const std::string& action) override {
        m_log.push_back("notify:" + title + "|" + text + "|" + std::to_string(seconds) +
                        (action.empty() ? "" : "|" + action));
    }
    void OnNotificationAction(std::function<void()> handler) override { actionChosen = std::move(handler); }
    bool HasTray() const override { return hasTray; }
    void ShowMenu() override { m_log.push_back("menu"); }
    void SetPaused(bool isPaused) override { paused = isPaused; }
    void OnTrayChanged(std::function<void()> handler) override { trayChanged = std::move(handler); }

    bool shown = false;
    bool hasTray; // what HasTray() answers
    bool paused = false;
    std::function<void()> trayChanged; // what the window asked to hear when the tray comes or goes
    std::function<void()>
        actionChosen; // what the window asked to hear when a notification's action is chosen

private:
    std::vector<std::string>& m_log;
};

} // namespace stillmark::test
