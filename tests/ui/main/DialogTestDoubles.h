#pragma once
// Doubles for the main window's seams: a settable clock, a recording sound engine and a
// recording message box.
#include "app/MessageBox.h"
#include "schedule/Clock.h"
#include "sound/SoundEngine.h"

#include <functional>
#include <string>
#include <vector>

namespace stillmark::test {

class FakeClock final : public Clock {
public:
    explicit FakeClock(ClockReading& now) : m_now(now) {}
    ClockReading Now() const override { return m_now; }

private:
    ClockReading& m_now;
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

class RecordingMessageBox final : public IMessageBox {
public:
    RecordingMessageBox() { SetAppMessageBox(this); }
    ~RecordingMessageBox() override { SetAppMessageBox(nullptr); }
    void Show(const std::string& text, MessageIcon) override {
        shown.push_back(text);
        if (onShow)
            onShow();
    }
    std::vector<std::string> shown;
    std::function<void()> onShow; // what happens while the box would be open
};

} // namespace stillmark::test
