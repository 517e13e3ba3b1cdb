#include "ui/info/BrowserLookup.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace stillmark {
namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of a key in one group of an ini-like text (desktop files and mime lists share it).
std::optional<std::string> GroupValue(const std::string& text, const std::string& group,
                                      const std::string& key) {
    std::istringstream in(text);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inGroup = line == "[" + group + "]";
            continue;
        }
        if (!inGroup)
            continue;
        const auto equals = line.find('=');
        if (equals != std::string::npos && Trim(line.substr(0, equals)) == key)
            return Trim(line.substr(equals + 1));
    }
    return std::nullopt;
}

} // namespace

DesktopDirs DesktopDirsFromEnvironment() {
    const std::string home = EnvOr("HOME", "");
    DesktopDirs dirs;
    dirs.configHome = EnvOr("XDG_CONFIG_HOME", home + "/.config");
    dirs.configDirs = SplitList(EnvOr("XDG_CONFIG_DIRS", "/etc/xdg"), ':');
    dirs.dataHome = EnvOr("XDG_DATA_HOME", home + "/.local/share");
    dirs.dataDirs = SplitList(EnvOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':');
    dirs.browserVariable = EnvOr("BROWSER", "");
    return dirs;
}

std::string UnescapeDesktopValue(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += value[i];
        }
    }
    return out;
}

std::optional<std::string> DesktopEntryValue(const std::string& fileText, const std::string& key) {
    const auto value = GroupValue(fileText, "Desktop Entry", key);
    if (!value)
        return std::nullopt;
    return UnescapeDesktopValue(*value);
}

std::vector<std::string> DefaultApplications(const std::string& listText, const std::string& mimeType) {
    for (const char* group : {"Default Applications", "Added Associations"}) {
        if (const auto value = GroupValue(listText, group, mimeType))
            return SplitList(*value, ';');
    }
    return {};
}

std::optional<std::string> FindBrowserCommand(const DesktopDirs& dirs) {
    std::vector<std::string> lists;
    lists.push_back(dirs.configHome + "/mimeapps.list");
    for (const auto& dir : dirs.configDirs)
        lists.push_back(dir + "/mimeapps.list");
    lists.push_back(dirs.dataHome + "/applications/mimeapps.list");
    for (const auto& dir : dirs.dataDirs)
        lists.push_back(dir + "/applications/mimeapps.list");
    for (const auto& dir : dirs.dataDirs)
        lists.push_back(dir + "/applications/defaults.list");

    std::vector<std::string> applicationDirs{dirs.dataHome + "/applications"};
    for (const auto& dir : dirs.dataDirs)
        applicationDirs.push_back(dir + "/applications");

    for (const char* mimeType : {"x-scheme-handler/https", "x-scheme-handler/http", "text/html"}) {
        for (const auto& list : lists) {
            const auto text = ReadFile(list);
            if (!text)
                continue;
            for (const auto& id : DefaultApplications(*text, mimeType)) {
                for (const auto& dir : applicationDirs) {
                    const auto entry = ReadFile(dir + "/" + id);
                    if (!entry)
                        continue;
                    if (auto exec = DesktopEntryValue(*entry, "Exec"); exec && !exec->empty())
                        return exec;
                    break; // the first file found for an id is the one in force
                }
            }
        }
    }
    // $BROWSER lists commands separated by colons; "%s" marks the target in the old convention.
    const auto commands = SplitList(dirs.browserVariable, ':');
    if (!commands.empty()) {
        std::string command = commands.front();
        if (const auto mark = command.find("%s"); mark != std::string::npos)
            command.erase(mark);
        if (!Trim(command).empty())
            return command;
    }
    return std::nullopt;
}

} // namespace stillmark
