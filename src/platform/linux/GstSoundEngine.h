#pragma once
// The desktop's audio through GStreamer: one playbin for the waveform player and one for the media
// player, driven by bus watches on the default GLib main context (which wxGTK's event loop runs).
// Nothing blocks and no thread of our own runs; a pipeline is released (NULL state, unreferenced)
// as soon as it ends, fails, is stopped or replaced, and at the latest in the destructor.
#include "sound/SoundEngine.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace stillmark {

enum class SoundOutcome { Ended, Failed };

class GstSoundEngine final : public SoundEngine {
public:
    // audioSink: a GStreamer bin description for the output, such as "fakesink sync=false" or
    // "audioconvert ! wavenc ! filesink location=out.wav"; empty for the desktop's default output.
    explicit GstSoundEngine(std::string audioSink = "");
    ~GstSoundEngine() override;
    GstSoundEngine(const GstSoundEngine&) = delete;
    GstSoundEngine& operator=(const GstSoundEngine&) = delete;

    bool PlayWaveMemory(const unsigned char* data, std::size_t size) override;
    bool PlayWaveFile(const std::string& path) override;
    void StopWave() override;

    bool OpenMedia(const std::string& path) override;
    void PlayMediaFromStart() override;
    void StopMedia() override;
    void CloseMedia() override;
    void SetFailureHandler(FailureHandler handler) override;

    // Called on the main loop after a sound has played to its end or failed once started; the
    // channel's pipeline is released already (tests watch the players with it; failures also reach
    // the failure handler of SoundEngine).
    using FinishedHandler = std::function<void(SoundChannel, SoundOutcome)>;
    void SetFinishedHandler(FinishedHandler handler);

    bool IsWaveActive() const;  // a waveform sound is starting or playing
    bool IsMediaOpen() const;   // a media file is open (it may have ended or been stopped)
    bool IsMediaActive() const; // the open media file is being prepared or playing

private:
    class Player;

    std::unique_ptr<Player> MakePlayer(const std::string& uri, SoundChannel channel,
                                       const unsigned char* memory = nullptr, std::size_t size = 0);
    void OnPlayerFinished(SoundChannel channel, SoundOutcome outcome);

    std::string m_audioSink;
    std::unique_ptr<Player> m_wave;
    std::unique_ptr<Player> m_media;
    std::optional<std::string> m_mediaUri; // set while a media file is open
    FinishedHandler m_onFinished;
    FailureHandler m_onFailure;
};

} // namespace stillmark
