#pragma once
// The desktop font a display test runs under, and screenshots named after it. CTest starts each
// font size as its own process (GTK reads the desktop font once, at start): it points
// XDG_CONFIG_HOME at a folder whose gtk-3.0/settings.ini names the font and sets
// STILLMARK_TEST_FONT_PT to its size (see cmake/DesktopFontTests.cmake).
#include <string>

class wxWindow;
class wxRect;
class wxImage;

namespace stillmark::test {

// The point size the test was started for; 0 when it runs under the machine's own font.
int ExpectedDesktopFontSize();

// The point size of the font GTK hands to windows.
int DesktopFontSize();

// Saves what the screen shows of `window` (taken from the whole screen, so pop-ups over it show
// too) as STILLMARK_SCREENSHOT_DIR/<name>-<size>pt.png and returns the path; empty when no folder
// is set or the capture failed.
std::string SaveScreenshot(const wxWindow& window, const std::string& name);
// The same for any part of the screen (for a window with a pop-up beside it).
std::string SaveScreenshot(const wxRect& screenArea, const std::string& name);

// What the screen shows in `screenArea` now; an invalid image when the capture failed.
wxImage CaptureScreen(const wxRect& screenArea);

} // namespace stillmark::test
