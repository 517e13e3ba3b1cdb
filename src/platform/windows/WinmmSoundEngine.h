#pragma once
// The system's audio through winmm: PlaySound for the waveform player (the built-in chime, .wav
// files), MCI for the media player (.mp3, .wma). Both return at once; Windows plays on its own.
#include "sound/SoundEngine.h"

#include <string>

namespace stillmark {

class WinmmSoundEngine final : public SoundEngine {
public:
    WinmmSoundEngine() = default;
    ~WinmmSoundEngine() override;
    WinmmSoundEngine(const WinmmSoundEngine&) = delete;
    WinmmSoundEngine& operator=(const WinmmSoundEngine&) = delete;

    bool PlayWaveMemory(const unsigned char* data, std::size_t size) override;
    bool PlayWaveFile(const std::string& path) override;
    void StopWave() override;

    bool OpenMedia(const std::string& path) override;
    void PlayMediaFromStart() override;
    void StopMedia() override;
    void CloseMedia() override;

    void SetFailureHandler(FailureHandler handler) override { m_onFailure = std::move(handler); }

private:
    void ReportLater(SoundChannel channel);

    bool m_mediaOpen = false;
    FailureHandler m_onFailure;
};

} // namespace stillmark
