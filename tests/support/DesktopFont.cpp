#include "DesktopFont.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <wx/image.h>
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

namespace {

// `import` takes the whole screen, so pop-ups over the area show too.
bool Capture(const wxRect& area, const std::string& path) {
    const std::string crop = std::to_string(area.width) + "x" + std::to_string(area.height) + "+" +
                             std::to_string(area.x) + "+" + std::to_string(area.y);
    const char* argv[] = {"import",     "-window", "root",       "-crop",
                          crop.c_str(), "+repage", path.c_str(), nullptr};
    return wxExecute(argv, wxEXEC_SYNC | wxEXEC_NOEVENTS) == 0;
}

} // namespace

std::string SaveScreenshot(const wxWindow& window, const std::string& name) {
    return SaveScreenshot(window.GetScreenRect(), name);
}

std::string SaveScreenshot(const wxRect& screenArea, const std::string& name) {
    const char* folder = std::getenv("STILLMARK_SCREENSHOT_DIR");
    if (!folder || !*folder)
        return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path =
        (std::filesystem::path(folder) / (name + "-" + std::to_string(DesktopFontSize()) + "pt.png"))
            .string();
    return Capture(screenArea, path) ? path : std::string();
}

wxImage CaptureScreen(const wxRect& screenArea) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("stillmark-capture-" + std::to_string(::getpid()) + ".png");
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler); // owned by wxImage's list
    wxImage image;
    if (Capture(screenArea, path.string()))
        image.LoadFile(wxString::FromUTF8(path.string()), wxBITMAP_TYPE_PNG);
    std::error_code error;
    std::filesystem::remove(path, error);
    return image;
}

} // namespace stillmark::test
