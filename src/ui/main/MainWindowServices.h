#pragma once
// What the main window needs of the rest of the program, handed in at start-up.
#include "ui/main/TrayPresence.h"

#include <functional>

class wxWindow;

namespace stillmark {

class Autostart;
class Clock;
class DesktopActivity;
class MessageBox;
class ModalDialogs;
class SettingsStore;
class SoundPlayback;
class WakeTimer;

struct MainWindowServices {
    Clock& clock;
    WakeTimer& wakeTimer;
    SoundPlayback& sound;
    SettingsStore& settings;
    MessageBox& messages;
    ModalDialogs& modalDialogs;
    TrayFactory makeTray;
    // Opens the About box over the window (which may be hidden).
    std::function<void(wxWindow* owner)> showAbout;
    // Starting with the desktop at log-in.
    Autostart& autostart;
    // Whether the person is away or busy, for the quiet rules.
    DesktopActivity& desktop;
};

} // namespace stillmark
