#pragma once
#include <string>

namespace stillmark {

// The window that keeps the sound's full path and shows it in the sound field (the main dialog).
class ISoundPathOwner {
public:
    virtual ~ISoundPathOwner() = default;
    // Stores the text as the sound unless it is a shortened display form, and shows it fitted
    // into the sound field; returns whether the field shows a shortened form.
    virtual bool ShowSoundPath(std::string text) = 0;
};

} // namespace stillmark
