#include "sound/SoundPlayback.h"

#include "app/MessageBox.h"
#include "sound/BuiltInSound.h"

#include <algorithm>
#include <cctype>

namespace stillmark {
namespace {

const char kBuiltInChimeName[] = "Sound01";
const char kCannotPlayMessage[] = "Can't play the sound";

// Once shown, the failure message stays quiet for the rest of the process.
bool g_failureWarned = false;

std::string AsciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsMediaType(const std::string& type) {
    return type == "mp3" || type == "wma";
}

} // namespace

std::string SoundFileType(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos)
        return {};
    return AsciiLower(path.substr(dot + 1));
}

SoundPlayback::SoundPlayback(ISoundEngine& engine) : m_engine(engine) {}

bool SoundPlayback::IsBuiltInSoundName(const std::string& soundText) {
    return soundText.empty() || AsciiLower(soundText) == "default";
}

bool SoundPlayback::IsExactBuiltInSoundName(const std::string& soundText) {
    return soundText.empty() || soundText == "Default" || soundText == "default";
}

void SoundPlayback::PlayBuiltInSound(const std::string& name) {
    bool played = false;
    if (name == kBuiltInChimeName) {
        const auto chime = BuiltInChime();
        played = m_engine.PlayWaveMemory(chime.data(), chime.size());
    }
    if (!played && !g_failureWarned) {
        g_failureWarned = true;
        AppMessageBox().Show(kCannotPlayMessage, MessageIcon::Information);
    }
}

void SoundPlayback::OpenMediaFile(const std::string& path) {
    if (!IsMediaType(SoundFileType(path)))
        return;
    m_engine.StopMedia();
    m_engine.CloseMedia();
    m_engine.OpenMedia(path); // a file that cannot be opened leaves no media open: Play does nothing
}

void SoundPlayback::PlaySoundFile(const std::string& path) {
    const std::string type = SoundFileType(path);
    if (type == "wav")
        m_engine.PlayWaveFile(path); // a missing file plays nothing, without a message
    else if (IsMediaType(type))
        m_engine.PlayMediaFromStart();
}

void SoundPlayback::PlayFile(const std::string& path) {
    OpenMediaFile(path);
    PlaySoundFile(path);
}

void SoundPlayback::PlayForButton(const std::string& soundText) {
    if (IsBuiltInSoundName(soundText))
        PlayBuiltInSound(kBuiltInChimeName);
    else
        PlayFile(soundText);
}

void SoundPlayback::StopForButton(const std::string& soundText) {
    if (IsBuiltInSoundName(soundText)) {
        m_engine.StopWave(); // only the waveform: a media sound such as the welcome goes on
        return;
    }
    // A ".wav" file plays in the waveform player: Stop must reach it too, not only the media player.
    if (SoundFileType(soundText) == "wav")
        m_engine.StopWave();
    m_engine.StopMedia();
    m_engine.CloseMedia();
}

void SoundPlayback::PlayForReminder(const std::string& soundText) {
    if (IsExactBuiltInSoundName(soundText))
        PlayBuiltInSound(kBuiltInChimeName);
    else
        PlayFile(soundText);
}

void SoundPlayback::ResetFailureWarningForTesting() {
    g_failureWarned = false;
}

} // namespace stillmark
