#pragma once
// Every value that outlives a run, with its default. The keys of the file are named once, in the table
// of Settings.cpp.
#include <string>
#include <vector>

namespace stillmark {

class IniDocument;

inline constexpr const char* kSettingsSection = "Settings";

struct WindowRect {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool operator==(const WindowRect&) const = default;
};

struct Settings {
    WindowRect windowBounds; // WinPosLTX, WinPosLTY, WinPosRBX, WinPosRBY
    // The daily window's first and last moment and the arrows' step, as typed ("07:00", "10:00 pm").
    std::string startTime = "07:00", endTime = "22:00", increment = "30 min";
    int momentCount = 5;
    bool useSound = true;
    int startInBackground = 0; // 0, 1 or 2 (2: in the background, the window shown as well)
    bool useAmPm = false, showTips = true;
    std::string reminderSound = "Default"; // a sound file, or the built-in chime's name
    int soundFilter = 1;
    std::string alertDays = "1111111"; // Monday to Sunday, '1' alerts; any other text counts as every day
    std::string pausedOn;              // YYYY-MM-DD: the local date on which nothing alerts, or empty
    bool quietWhenBusy = true;         // no sound while busy, no reminder while away
    bool operator==(const Settings&) const = default;
};

// The settings a document holds; every key missing from it keeps its default. A number is the leading
// decimal integer of its text (an empty text counts as missing); a text is cut to 4095 bytes.
Settings ReadSettings(const IniDocument& document);

// Writes the ten keys of the program's settings into the document, new keys in the table's order, then
// Days, PausedOn, QuietWhenBusy and the window position, each only when not the default or the document
// already holds it (a file of an earlier version stays as it was). Given `since` (the settings last written),
// a key the document holds is written only when its value changed since then, so that a hand edit of it
// survives. A text holding a line break cannot be stored: its key keeps its stored value and is named in the
// result.
std::vector<std::string> WriteSettings(IniDocument& document, const Settings& settings,
                                       const Settings* since = nullptr);

} // namespace stillmark
