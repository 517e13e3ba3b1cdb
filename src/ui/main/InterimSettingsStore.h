#pragma once
// Until the settings layer brings its own: the whole settings read once and written as a whole.
#include "settings/ProfileStore.h"
#include "settings/Settings.h"

#include <filesystem>
#include <string>

namespace stillmark {

struct LoadResult {
    Settings settings;
    std::string problem;
};
struct SaveResult {
    bool ok = true;
    std::string problem;
};

class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path file) : m_profile(std::move(file)) {}
    const std::filesystem::path& Path() const { return m_profile.Path(); }
    LoadResult Load();
    SaveResult Save(const Settings& settings);

private:
    ProfileStore m_profile;
};

inline std::filesystem::path DefaultSettingsPath() {
    return DefaultProfilePath();
}

bool SameSettings(const Settings& a, const Settings& b);

} // namespace stillmark
