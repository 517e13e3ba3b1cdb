#include "ui/main/SoundControls.h"

#include "settings/Settings.h"
#include "sound/SoundPlayback.h"
#include "sound/SoundSelection.h"

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

namespace stillmark {

SoundControls::SoundControls(wxWindow& window, Settings& settings, SoundPlayback& sound,
                             std::function<void()> onChanged)
    : m_window(window), m_settings(settings), m_sound(sound), m_onChanged(std::move(onChanged)),
      m_field(*XRCCTRL(window, "sound_path", wxTextCtrl), [this](const std::string& text) {
          Choose(text);
          m_onChanged();
      }) {
    XRCCTRL(window, "browse_sound", wxButton)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Browse(); });
    XRCCTRL(window, "play_sound", wxButton)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        m_sound.PlayForButton(m_settings.reminderSound);
    });
    XRCCTRL(window, "stop_sound", wxButton)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        m_sound.StopForButton(m_settings.reminderSound);
    });
}

void SoundControls::ShowStored() {
    m_field.Show(m_settings.reminderSound);
}

void SoundControls::TakeOverTyped() {
    if (m_field.HasFocus())
        Choose(m_field.Text());
}

void SoundControls::Choose(const std::string& text) {
    // A shortened display form is not a path: the field shows the stored path again.
    if (!IsShortenedPath(text))
        m_settings.reminderSound = text;
    m_field.Show(m_settings.reminderSound);
}

void SoundControls::Browse() {
    const auto choice = BrowseForSound(&m_window, m_settings.reminderSound, m_settings.soundFilter);
    if (!choice)
        return;
    m_settings.soundFilter = choice->soundFilter;
    Choose(choice->path);
    m_onChanged();
}

} // namespace stillmark
