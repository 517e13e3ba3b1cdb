#include "app/ProgramServices.h"

#include "ui/common/DesktopLanguage.h"
#include "ui/tray/TrayIcon.h"

#include <wx/stdpaths.h>

namespace stillmark {

std::filesystem::path FolderOfExecutable() {
    return std::filesystem::path(wxStandardPaths::Get().GetExecutablePath().utf8_string()).parent_path();
}

ProgramServices::ProgramServices()
    : settings(DefaultSettingsPath(), InDesktopLanguage),
      sound(soundEngine, messages), info{sound, opener, messages, FolderOfExecutable()}, about(info) {}

MainWindowServices ProgramServices::ForMainWindow() {
    return {clock,
            wakeTimer,
            sound,
            settings,
            messages,
            modalDialogs,
            MakeDesktopTrayIcon,
            [this](wxWindow* owner) { about.Show(owner); }};
}

} // namespace stillmark
