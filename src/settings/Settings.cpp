#include "settings/Settings.h"

#include "settings/IniDocument.h"

#include <utility>
#include <vector>

namespace stillmark {

Settings ReadSettings(const ProfileStore& store) {
    const Settings defaults;
    const auto readInt = [&](const char* key, int defaultValue) {
        return store.GetProfileInt(kSettingsSection, key, defaultValue);
    };
    const auto readString = [&](const char* key, const std::string& defaultValue) {
        return store.GetProfileString(kSettingsSection, key, defaultValue);
    };

    Settings s;
    s.winPosLTX = readInt("WinPosLTX", defaults.winPosLTX);
    s.winPosLTY = readInt("WinPosLTY", defaults.winPosLTY);
    s.winPosRBX = readInt("WinPosRBX", defaults.winPosRBX);
    s.winPosRBY = readInt("WinPosRBY", defaults.winPosRBY);
    s.startHour = readString("StartHour", defaults.startHour);
    s.endHour = readString("EndHour", defaults.endHour);
    s.increment = readString("Increment", defaults.increment);
    s.stillpoints = readInt("Stillpoints", defaults.stillpoints);
    s.useSound = readInt("UseSound", defaults.useSound);
    s.startMinimized = readInt("StartMinimized", defaults.startMinimized);
    s.useAmPm = readInt("UseAmPm", defaults.useAmPm);
    s.showTip = readInt("ShowTip", defaults.showTip);
    s.soundToPlay = readString("SoundToPlay", defaults.soundToPlay);
    s.soundFilter = readInt("SoundFilter", defaults.soundFilter);
    return s;
}

bool WriteExitSettings(ProfileStore& store, const Settings& s) {
    const std::vector<std::pair<std::string, std::string>> all = {
        {"StartHour", s.startHour},
        {"EndHour", s.endHour},
        {"Increment", s.increment},
        {"Stillpoints", std::to_string(s.stillpoints)},
        {"SoundToPlay", s.soundToPlay},
        {"UseSound", std::to_string(s.useSound)},
        {"StartMinimized", std::to_string(s.startMinimized)},
        {"UseAmPm", std::to_string(s.useAmPm)},
        {"ShowTip", std::to_string(s.showTip)},
        {"SoundFilter", std::to_string(s.soundFilter)},
    };
    std::vector<std::pair<std::string, std::string>> storable;
    for (const auto& entry : all) {
        if (IsStorableValue(entry.second)) {
            storable.push_back(entry);
        }
    }
    const bool written = store.WriteProfileValues(kSettingsSection, storable);
    return written && storable.size() == all.size();
}

bool WriteWindowPosition(ProfileStore& store, int left, int top, int right, int bottom) {
    return store.WriteProfileValues(kSettingsSection, {{"WinPosLTX", std::to_string(left)},
                                                       {"WinPosLTY", std::to_string(top)},
                                                       {"WinPosRBX", std::to_string(right)},
                                                       {"WinPosRBY", std::to_string(bottom)}});
}

} // namespace stillmark
