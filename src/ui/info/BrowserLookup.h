#pragma once
// Finds the command of the desktop's web browser, the fallback when the desktop's opener fails:
// the Exec line of the default browser's desktop entry (as recorded in mimeapps.list), else the
// first command of $BROWSER. Reads files only; starts nothing.
#include <optional>
#include <string>
#include <vector>

namespace stillmark {

struct DesktopDirs {
    std::string configHome;              // $XDG_CONFIG_HOME or ~/.config
    std::vector<std::string> configDirs; // $XDG_CONFIG_DIRS or /etc/xdg
    std::string dataHome;                // $XDG_DATA_HOME or ~/.local/share
    std::vector<std::string> dataDirs;   // $XDG_DATA_DIRS or /usr/local/share:/usr/share
    std::string browserVariable;         // $BROWSER
};

DesktopDirs DesktopDirsFromEnvironment();

// The general escapes of a desktop-entry string value: \s \n \t \r \\.
std::string UnescapeDesktopValue(const std::string& value);
// The value of Key= in the [Desktop Entry] group of a desktop file's text, unescaped.
std::optional<std::string> DesktopEntryValue(const std::string& fileText, const std::string& key);
// The desktop ids (first first) listed for a MIME type in a mimeapps.list / defaults.list text.
std::vector<std::string> DefaultApplications(const std::string& listText, const std::string& mimeType);

std::optional<std::string> FindBrowserCommand(const DesktopDirs& dirs);

} // namespace stillmark
