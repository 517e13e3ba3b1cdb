#include "ui/main/InterimSettingsStore.h"

#include <tuple>

namespace stillmark {

LoadResult SettingsStore::Load() {
    return {ReadSettings(m_profile), {}};
}

SaveResult SettingsStore::Save(const Settings& s) {
    const bool written = WriteExitSettings(m_profile, s) &&
                         WriteWindowPosition(m_profile, s.winPosLTX, s.winPosLTY, s.winPosRBX, s.winPosRBY);
    if (written)
        return {};
    return {false, "The settings could not be written to " + m_profile.Path().string() + "."};
}

bool SameSettings(const Settings& a, const Settings& b) {
    const auto fields = [](const Settings& s) {
        return std::tie(s.winPosLTX, s.winPosLTY, s.winPosRBX, s.winPosRBY, s.startHour, s.endHour,
                        s.increment, s.stillpoints, s.useSound, s.startMinimized, s.useAmPm, s.showTip,
                        s.soundToPlay, s.soundFilter);
    };
    return fields(a) == fields(b);
}

} // namespace stillmark
