#pragma once
// The program's sound decisions: which sound text means the built-in chime, which player takes which
// kind of file, what the Play and Stop buttons and the reminder do, and the one failure message.
// The players sit behind SoundEngine; the message goes through the MessageBox handed in.
#include "base/Translatable.h"
#include "sound/SoundEngine.h"

#include <chrono>
#include <string>
#include <wx/event.h>
#include <wx/timer.h>

namespace stillmark {

class MessageBox;

// The text after the last "." of a path, lower-cased; empty when the path has no ".".
std::string SoundFileType(const std::string& path);

class SoundPlayback {
public:
    // The engine and the message box must outlive this object. reminderDelay: the pause between a
    // reminder and its sound; translate: the failure message's language. Needs wx's main loop.
    SoundPlayback(SoundEngine& engine, MessageBox& messages,
                  std::chrono::milliseconds reminderDelay = std::chrono::seconds(1),
                  Translator translate = AsWritten);
    ~SoundPlayback();
    SoundPlayback(const SoundPlayback&) = delete;
    SoundPlayback& operator=(const SoundPlayback&) = delete;

    // The buttons' rule: empty, or "default" in any mix of case, means the built-in sound.
    static bool IsBuiltInSoundName(const std::string& soundText);
    // The reminder's rule: only "Default", "default" or the empty text mean the built-in sound.
    static bool IsExactBuiltInSoundName(const std::string& soundText);

    // The Play button. A ".wav" that is gone or unreadable plays the built-in chime instead.
    void PlayForButton(const std::string& soundText);
    // The Stop button.
    void StopForButton(const std::string& soundText);
    // The reminder's sound (exact built-in names only), played reminderDelay later from the main
    // loop, so the caller returns at once; a newer reminder replaces one still waiting. A ".wav"
    // that is gone or unreadable plays the built-in chime instead.
    void PlayForReminder(const std::string& soundText);

    // Plays a built-in sound by its resource name ("Sound01" is the chime).
    void PlayBuiltInSound(const std::string& name);
    // Stops and closes the media file in use and opens this one, for ".mp3" and ".wma" only.
    // With PlaySoundFile the quiet pair for the About box's greeting: a file that cannot play
    // plays nothing and says nothing.
    void OpenMediaFile(const std::string& path);
    // Plays a ".wav" file with the waveform player, or starts the opened media file from its start.
    void PlaySoundFile(const std::string& path);

    // Every failure of the chime or of a sound the user chose (at once, or reported later by the
    // player) shows "Can't play the sound", once per run of this object and after the current
    // event, so the message box never holds up the caller.

private:
    void PlayChosen(const std::string& soundText, bool builtIn);
    void ReportFailure();
    void OnEngineFailure(SoundChannel channel);

    SoundEngine& m_engine;
    MessageBox& m_messages;
    std::chrono::milliseconds m_reminderDelay;
    Translator m_translate;
    bool m_warned = false;
    bool m_mediaIsChosen = false; // the open media file is the user's sound, not the greeting
    wxTimer m_reminderTimer;
    std::string m_reminderSound;
    wxEvtHandler m_later; // the warning, after the current event; gone with this object
};

} // namespace stillmark
