#pragma once
// The two players the program needs of the desktop's audio: a waveform player
// (one sound at a time, a new one replaces the one that plays) and a media player
// for compressed files (one open file at a time). Every call returns at once;
// sounds play on the user-interface thread's main loop.
#include <cstddef>
#include <functional>
#include <string>

namespace stillmark {

enum class SoundChannel { Wave, Media };

class SoundEngine {
public:
    virtual ~SoundEngine() = default;

    // Waveform player. False when the sound cannot be started.
    virtual bool PlayWaveMemory(const unsigned char* data, std::size_t size) = 0;
    virtual bool PlayWaveFile(const std::string& path) = 0;
    virtual void StopWave() = 0;

    // Media player. OpenMedia is false when the file cannot be opened; the
    // other calls do nothing while no file is open.
    virtual bool OpenMedia(const std::string& path) = 0;
    virtual void PlayMediaFromStart() = 0;
    virtual void StopMedia() = 0;
    virtual void CloseMedia() = 0;

    // Called on the main loop when a sound that was accepted fails later (no output device, a
    // file gone or not decodable). An empty handler stops the reports.
    using FailureHandler = std::function<void(SoundChannel)>;
    virtual void SetFailureHandler(FailureHandler handler) = 0;
};

} // namespace stillmark
