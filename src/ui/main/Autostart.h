#pragma once
// Starting with the desktop at log-in, as the platform keeps it. What the platform keeps is the truth:
// the check box reads it and each change goes straight to it.
#include <string>

namespace stillmark {

class Autostart {
public:
    virtual ~Autostart() = default;

    // The check box's text in the user's language, where the platform has a name of its own for it;
    // empty keeps the window's "Start with the desktop".
    virtual std::string BoxLabel() const { return {}; }

    virtual bool IsOn() const = 0;
    // Each returns an empty text, or what failed for the user.
    virtual std::string TurnOn() = 0;
    virtual std::string TurnOff() = 0;
};

} // namespace stillmark
