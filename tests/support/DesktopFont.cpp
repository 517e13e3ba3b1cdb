#include "DesktopFont.h"

#include <cstdlib>
#include <filesystem>
#include <wx/settings.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace stillmark::test {

int ExpectedDesktopFontSize() {
    const char* size = std::getenv("STILLMARK_TEST_FONT_PT");
    return size ? std::atoi(size) : 0;
}

int DesktopFontSize() {
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).GetPointSize();
}

std::string SaveScreenshot(const wxWindow& window, const std::string& name) {
    const char* folder = std::getenv("STILLMARK_SCREENSHOT_DIR");
    if (!folder || !*folder)
        return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path =
        (std::filesystem::path(folder) / (name + "-" + std::to_string(DesktopFontSize()) + "pt.png"))
            .string();
    // An argument vector, no shell: the folder may hold any character.
    const wxRect rect = window.GetScreenRect();
    const std::string crop = std::to_string(rect.width) + "x" + std::to_string(rect.height) + "+" +
                             std::to_string(rect.x) + "+" + std::to_string(rect.y);
    const char* argv[] = {"import",     "-window", "root",       "-crop",
                          crop.c_str(), "+repage", path.c_str(), nullptr};
    if (wxExecute(argv, wxEXEC_SYNC | wxEXEC_NOEVENTS) != 0)
        return {};
    return path;
}

} // namespace stillmark::test
