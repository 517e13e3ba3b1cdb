#pragma once
// The sound path field: shows a path shortened at its start ("..." and the end that fits) while
// the full path stays in the settings, and hands a typed path over when the field loses the focus.
#include "ui/main/TextAreaWidth.h"

#include <functional>
#include <string>

class wxFocusEvent;
class wxTextCtrl;

namespace stillmark {

// Whether a text is a shortened display form rather than a path of the user's.
bool IsShortenedPath(const std::string& text);

class SoundPathField {
public:
    // onLeave receives the field's text when the field loses the focus.
    SoundPathField(wxTextCtrl& field, std::function<void(const std::string&)> onLeave);
    ~SoundPathField();
    SoundPathField(const SoundPathField&) = delete;
    SoundPathField& operator=(const SoundPathField&) = delete;

    // Shows the path fitted into the field (no change event), the caret at its end. Returns whether
    // the field shows a shortened form.
    bool Show(const std::string& path);
    std::string Text() const;
    bool HasFocus() const;

private:
    void OnKillFocus(wxFocusEvent& event);

    wxTextCtrl& m_field;
    std::function<void(const std::string&)> m_onLeave;
};

} // namespace stillmark
