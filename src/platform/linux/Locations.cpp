#include "platform/linux/Locations.h"

#include "platform/linux/AutostartEntry.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace stillmark {
namespace {

constexpr const char* kFileName = "stillmark.INI";

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir)
        return entry->pw_dir;
    return {};
}

} // namespace

std::filesystem::path DefaultSettingsPath() {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the desktop's base-directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::filesystem::path(config) / kFileName;
    const std::filesystem::path home = HomeFolder();
    if (home.empty())
        return kFileName;
    return home / ".config" / kFileName;
}

std::filesystem::path DefaultAutostartPath() {
    // Beside the settings file: both follow the same base-directory rules.
    return DefaultSettingsPath().parent_path() / "autostart" / kAutostartFileName;
}

std::vector<std::filesystem::path> SystemAutostartPaths() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    const std::string_view list = dirs && *dirs ? dirs : "/etc/xdg";
    std::vector<std::filesystem::path> paths;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::filesystem::path folder(list.substr(start, end - start));
        if (folder.is_absolute()) // relative entries are invalid and ignored
            paths.push_back(folder / "autostart" / kAutostartFileName);
        start = end + 1;
    }
    return paths;
}

std::filesystem::path LauncherPath(std::string_view argv0, std::string_view searchPath) {
    std::error_code error;
    if (argv0.find('/') != std::string_view::npos) {
        // Links are kept: the path the user's launcher named outlives an update of what it leads to.
        const std::filesystem::path absolute = std::filesystem::absolute(argv0, error);
        if (!error && ::access(absolute.c_str(), X_OK) == 0)
            return absolute.lexically_normal();
    } else if (!argv0.empty()) {
        for (std::size_t start = 0; start <= searchPath.size();) {
            const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
            const std::filesystem::path folder(searchPath.substr(start, end - start));
            const std::filesystem::path candidate = folder / argv0;
            if (folder.is_absolute() && std::filesystem::is_regular_file(candidate, error) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return candidate.lexically_normal();
            start = end + 1;
        }
    }
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

} // namespace stillmark
