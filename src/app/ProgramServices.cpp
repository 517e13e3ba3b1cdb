#include "app/ProgramServices.h"

#include "ui/info/AboutBox.h"

#include <wx/stdpaths.h>

namespace stillmark {

namespace {
std::string FolderOfExecutable() {
    const wxString exe = wxStandardPaths::Get().GetExecutablePath();
    const int slash = exe.Find('/', true);
    return slash == wxNOT_FOUND ? std::string() : exe.Left(slash).utf8_string();
}
} // namespace

ProgramServices::ProgramServices()
    : settings(DefaultSettingsPath()), sound(soundEngine), aboutHost(sound, FolderOfExecutable()) {}

MainWindowServices ProgramServices::ForMainWindow() {
    return {clock, sound, settings, messages, modalDialogs, MakeDesktopTrayIcon, [this](wxWindow* owner) {
                ShowAboutBox(owner, aboutHost);
            }};
}

} // namespace stillmark
