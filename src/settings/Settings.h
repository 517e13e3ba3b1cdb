#pragma once

#include "settings/ProfileStore.h"

#include <string>

namespace stillmark {

inline constexpr const char* kSettingsSection = "Settings";

// Every value that outlives a run, with its default; the members hold 0/1 for the switches.
struct Settings {
    int winPosLTX = -1, winPosLTY = -1, winPosRBX = -1, winPosRBY = -1;
    std::string startHour = "07:00", endHour = "22:00", increment = "30 min";
    int stillpoints = 5, useSound = 1, startMinimized = 0, useAmPm = 0, showTip = 1;
    std::string soundToPlay = "Default";
    int soundFilter = 1;
};

// All fourteen keys, in start-up order: window position, times, counts and switches, sound.
Settings ReadSettings(const ProfileStore& store);

// The ten keys written when the dialog ends (not the window position), in one atomic write. A text that
// cannot be stored (a line break in it) keeps its old stored value; the others are still written, and the
// result is false.
bool WriteExitSettings(ProfileStore& store, const Settings& settings);

// The window rectangle, written when the dialog goes to the background, in one atomic write.
bool WriteWindowPosition(ProfileStore& store, int left, int top, int right, int bottom);

} // namespace stillmark
