#pragma once
// Doubles for the main window's services: a settable clock, a timer that only records its arming, a
// recording sound engine, a recording message box and a recording notification-area icon.
#include "schedule/Clock.h"
#include "schedule/WakeTimer.h"
#include "sound/SoundEngine.h"
#include "ui/common/MessageBox.h"
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <string>
#include <vector>

namespace stillmark::test {

class FakeClock final : public Clock {
public:
    explicit FakeClock(ClockReading& now) : m_now(now) {}
    ClockReading Now() const override { return m_now; }
    std::time_t Seconds() const override {
        std::tm local{};
        local.tm_year = m_now.year - 1900;
        local.tm_mon = m_now.month - 1;
        local.tm_mday = m_now.day;
        local.tm_hour = m_now.hour;
        local.tm_min = m_now.minute;
        local.tm_sec = m_now.second;
        local.tm_isdst = -1;
        return std::mktime(&local);
    }

private:
    ClockReading& m_now;
};

// Fires only when a test calls the reminder's Tick; keeps the last arming.
class RecordingWakeTimer final : public WakeTimer {
public:
    void Arm(std::optional<std::time_t> when, std::function<void()>) override { armedFor = when; }
    void Disarm() override { armedFor.reset(); }

    std::optional<std::time_t> armedFor;
};

class RecordingSoundEngine final : public SoundEngine {
public:
    explicit RecordingSoundEngine(std::vector<std::string>& log) : m_log(log) {}
    bool PlayWaveMemory(const unsigned char*, std::size_t size) override {
        m_log.push_back(size > 0 ? "wave:memory" : "wave:empty");
        return true;
    }
    bool PlayWaveFile(const std::string& path) override {
        m_log.push_back("wave:" + path);
        return true;
    }
    void StopWave() override { m_log.push_back("stop-wave"); }
    bool OpenMedia(const std::string& path) override {
        m_log.push_back("open:" + path);
        return true;
    }
    void PlayMediaFromStart() override { m_log.push_back("play-media"); }
    void StopMedia() override { m_log.push_back("stop-media"); }
    void CloseMedia() override { m_log.push_back("close-media"); }
    void SetFailureHandler(FailureHandler) override {}

private:
    std::vector<std::string>& m_log;
};

class RecordingMessageBox final : public MessageBox {
public:
    void Show(const std::string& text, MessageIcon) override {
        shown.push_back(text);
        if (onShow)
            onShow();
    }
    std::vector<std::string> shown;
    std::function<void()> onShow; // what happens while the box would be open
};

// Records every call as one line: "show:<tip>", "hide", "notify:<title>|<text>|<seconds>", "menu".
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
    void Notify(const std::string& title, const std::string& text, int seconds) override {
        if (shown)
            m_log.push_back("notify:" + title + "|" + text + "|" + std::to_string(seconds));
    }
    bool HasTray() const override { return hasTray; }
    void ShowMenu() override { m_log.push_back("menu"); }
    void SetPaused(bool isPaused) override { paused = isPaused; }
    void OnTrayChanged(std::function<void()> handler) override { trayChanged = std::move(handler); }

    bool shown = false;
    bool hasTray;
    bool paused = false;
    std::function<void()> trayChanged;

private:
    std::vector<std::string>& m_log;
};

} // namespace stillmark::test
