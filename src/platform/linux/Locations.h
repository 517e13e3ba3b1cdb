#pragma once
// Where the program's files are on this desktop: the settings file and the autostart entry by the
// desktop's base-directory rules, and the launcher that started the program.
#include <filesystem>
#include <string_view>
#include <vector>

namespace stillmark {

// $XDG_CONFIG_HOME/stillmark.INI, else ~/.config/stillmark.INI.
std::filesystem::path DefaultSettingsPath();

// $XDG_CONFIG_HOME/autostart/org.stillmark.Stillmark.desktop, else under ~/.config.
std::filesystem::path DefaultAutostartPath();

// The system's entries, $XDG_CONFIG_DIRS/autostart/org.stillmark.Stillmark.desktop (else /etc/xdg),
// first first.
std::vector<std::filesystem::path> SystemAutostartPaths();

// The launcher that started the program, to be started again at log-in: the command's first argument as
// an absolute path, found through searchPath (the PATH variable's folders) when it names no folder; else
// the running program file; empty when unknown.
std::filesystem::path LauncherPath(std::string_view argv0, std::string_view searchPath);

} // namespace stillmark
