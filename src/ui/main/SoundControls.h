#pragma once
// The "Sound to Play" frame: the field that shows the chosen sound, the browse button, and the play and
// stop buttons. The full path and the file dialog's filter belong to the settings; each change of them
// is told to onChanged.
#include "ui/main/SoundPathField.h"

#include <functional>
#include <string>

class wxWindow;

namespace stillmark {

struct Settings;
class SoundPlayback;

class SoundControls {
public:
    SoundControls(wxWindow& window, Settings& settings, SoundPlayback& sound,
                  std::function<void()> onChanged);
    SoundControls(const SoundControls&) = delete;
    SoundControls& operator=(const SoundControls&) = delete;

    // Shows the stored sound, shortened to the field's width.
    void ShowStored();
    // A path being typed (the field has the focus) becomes the chosen sound, as leaving the field would.
    void TakeOverTyped();

private:
    void Choose(const std::string& text);
    void Browse();

    wxWindow& m_window;
    Settings& m_settings;
    SoundPlayback& m_sound;
    std::function<void()> m_onChanged;
    SoundPathField m_field;
};

} // namespace stillmark
