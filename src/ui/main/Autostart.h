#pragma once
// Starting with the desktop at log-in, as the platform keeps it. What the platform keeps is the truth:
// the check box reads it and each change goes straight to it.
#include <string>

namespace stillmark {

class Autostart {
public:
    virtual ~Autostart() = default;

    virtual bool IsOn() const = 0;
    // Each returns an empty text, or what failed for the user.
    virtual std::string TurnOn() = 0;
    virtual std::string TurnOff() = 0;
};

} // namespace stillmark
