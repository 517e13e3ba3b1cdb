#include "platform/linux/ProgramServices.h"

#include "settings/AutostartEntry.h"
#include "ui/common/DesktopLanguage.h"
#include "ui/tray/TrayIcon.h"

#include <cstdlib>

#include <wx/stdpaths.h>

namespace stillmark {

std::filesystem::path FolderOfExecutable() {
    return std::filesystem::path(wxStandardPaths::Get().GetExecutablePath().utf8_string()).parent_path();
}

ProgramServices::ProgramServices(std::string_view argv0)
    : settings(DefaultSettingsPath(), InDesktopLanguage),
      sound(soundEngine, messages), info{sound, opener, messages, FolderOfExecutable()}, about(info),
      launcher(LauncherPath(argv0, std::getenv("PATH") ? std::getenv("PATH") : "")) {}

MainWindowServices ProgramServices::ForMainWindow() {
    return {clock,
            wakeTimer,
            sound,
            settings,
            messages,
            modalDialogs,
            MakeDesktopTrayIcon,
            [this](wxWindow* owner) { about.Show(owner); },
            DefaultAutostartPath(),
            launcher,
            desktop};
}

} // namespace stillmark
