#include "sound/SoundPlayback.h"

#include "base/Diagnostics.h"
#include "base/MessageBox.h"
#include "sound/BuiltInSound.h"

#include <algorithm>
#include <cctype>
#include <wx/log.h>

namespace stillmark {
namespace {

const char kBuiltInChimeName[] = "Sound01";
const char* const kCannotPlayMessage = Translatable("Can't play the sound");

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

SoundPlayback::SoundPlayback(SoundEngine& engine, MessageBox& messages,
                             std::chrono::milliseconds reminderDelay, Translator translate)
    : m_engine(engine), m_messages(messages), m_reminderDelay(reminderDelay), m_translate(translate) {
    m_engine.SetFailureHandler([this](SoundChannel channel) { OnEngineFailure(channel); });
    m_reminderTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        PlayChosen(m_reminderSound, IsExactBuiltInSoundName(m_reminderSound));
    });
}

// The timer stops and the waiting warning goes with the members' own destructors.
SoundPlayback::~SoundPlayback() {
    m_engine.SetFailureHandler({});
}

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
    if (!played)
        ReportFailure();
}

void SoundPlayback::OpenMediaFile(const std::string& path) {
    if (!IsMediaType(SoundFileType(path)))
        return;
    m_engine.StopMedia();
    m_engine.CloseMedia();
    m_mediaIsChosen = false;
    m_engine.OpenMedia(path); // a file that cannot be opened leaves no media open: Play does nothing
}

void SoundPlayback::PlaySoundFile(const std::string& path) {
    const std::string type = SoundFileType(path);
    if (type == "wav")
        m_engine.PlayWaveFile(path);
    else if (IsMediaType(type))
        m_engine.PlayMediaFromStart();
}

void SoundPlayback::PlayChosen(const std::string& soundText, bool builtIn) {
    if (builtIn) {
        PlayBuiltInSound(kBuiltInChimeName);
        return;
    }
    const std::string type = SoundFileType(soundText);
    if (type == "wav") {
        if (!m_engine.PlayWaveFile(soundText)) {
            // Gone or unreadable: the desktop's default, our chime.
            wxLogTrace(kTraceMask, "cannot play %s: the built-in chime instead",
                       wxString::FromUTF8(soundText));
            PlayBuiltInSound(kBuiltInChimeName);
        }
    } else if (IsMediaType(type)) {
        m_engine.StopMedia();
        m_engine.CloseMedia();
        m_mediaIsChosen = true;
        // The media player refuses a file it cannot open at once; a later failure comes through
        // the engine's failure handler.
        if (!m_engine.OpenMedia(soundText))
            ReportFailure();
        else
            m_engine.PlayMediaFromStart();
    }
    // Any other type, or none, is not a sound file: nothing plays.
}

void SoundPlayback::PlayForButton(const std::string& soundText) {
    PlayChosen(soundText, IsBuiltInSoundName(soundText));
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
    m_reminderSound = soundText;
    // Starting again replaces a reminder's sound still waiting.
    m_reminderTimer.StartOnce(std::max(1, static_cast<int>(m_reminderDelay.count())));
}

void SoundPlayback::OnEngineFailure(SoundChannel channel) {
    // The greeting of the About box fails quietly; everything else the user hears counts.
    if (channel == SoundChannel::Wave || m_mediaIsChosen)
        ReportFailure();
    else
        wxLogTrace(kTraceMask, "the About box's greeting failed: it stays quiet");
}

void SoundPlayback::ReportFailure() {
    if (m_warned)
        return;
    m_warned = true;
    // After the current event: a reminder tick or a player's report never waits for the user.
    m_later.CallAfter([this] { m_messages.Show(m_translate(kCannotPlayMessage), MessageIcon::Information); });
}

} // namespace stillmark
