#pragma once
// The program's sound decisions: which sound text means the built-in chime, which player takes which
// kind of file, and what the Play and Stop buttons and the reminder do. The players themselves sit
// behind ISoundEngine; the one failure message goes through the application's message box.
#include "sound/SoundEngine.h"

#include <string>

namespace stillmark {

// The text after the last "." of a path, lower-cased; empty when the path has no ".".
std::string SoundFileType(const std::string& path);

class SoundPlayback {
public:
    // The engine must outlive this object.
    explicit SoundPlayback(ISoundEngine& engine);

    // The buttons' rule: empty, or "default" in any mix of case, means the built-in sound.
    static bool IsBuiltInSoundName(const std::string& soundText);
    // The reminder's rule: only "Default", "default" or the empty text mean the built-in sound.
    static bool IsExactBuiltInSoundName(const std::string& soundText);

    // Plays a built-in sound by its resource name ("Sound01" is the chime). The first failure of
    // the run shows "Can't play the sound"; later ones are silent.
    void PlayBuiltInSound(const std::string& name);
    // Stops and closes the media file in use and opens this one, for ".mp3" and ".wma" only.
    void OpenMediaFile(const std::string& path);
    // Plays a ".wav" file with the waveform player, or starts the opened media file from its start.
    // A missing or unplayable file plays nothing, silently.
    void PlaySoundFile(const std::string& path);

    // The Play button.
    void PlayForButton(const std::string& soundText);
    // The Stop button.
    void StopForButton(const std::string& soundText);
    // The reminder's alert (exact built-in names only).
    void PlayForReminder(const std::string& soundText);

    // Lets a test start again from a run in which the failure message was not shown yet.
    static void ResetFailureWarningForTesting();

private:
    void PlayFile(const std::string& path);

    ISoundEngine& m_engine;
};

} // namespace stillmark
