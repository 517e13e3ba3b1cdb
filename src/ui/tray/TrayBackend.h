#pragma once
// One way of putting the icon on the desktop (StatusNotifierItem or XEmbed).
#include <string>

namespace stillmark {

class TrayBackend {
public:
    virtual ~TrayBackend() = default;
    // Shows the icon, or changes the tip of the icon shown.
    virtual void Show(const std::string& tip) = 0;
    virtual void Hide() = 0;
    virtual void ShowMenu() = 0;
    // The menu's pause entry offers to resume.
    virtual void SetPaused(bool paused) = 0;
};

} // namespace stillmark
