#pragma once
// Where the donation window puts itself and its parts, decided from the desktop's work area
// alone (pixels), and where its page lives.
#include <string>

namespace stillmark {

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    int Right() const { return x + width; }   // exclusive
    int Bottom() const { return y + height; } // exclusive
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct DonateLayout {
    int windowWidth = 0, windowHeight = 0;
    PixelRect view;        // in the dialog's client coordinates
    int okInset = 0;       // the OK button spans the window less this much on each side
    int bottomInset = 5;   // OK button and hint end this far above the window's bottom edge
    bool showHint = false; // the "Move the scrollbar" hint
    friend bool operator==(const DonateLayout&, const DonateLayout&) = default;
};

// Tall work areas (more than 600 pixels) get a fixed 801 x 650 window; smaller ones the full
// work-area height, 800 wide, with the scroll hint shown.
DonateLayout ComputeDonateLayout(int workAreaHeight);

// A control placed against the window rectangle (screen coordinates, frame included): from
// window left + leftInset to window right - rightInset (or at its own x when keepX), its bottom
// bottomInset above the window's bottom, its own height; returned in client coordinates.
struct Point {
    int x = 0, y = 0;
};
PixelRect PlaceAgainstWindow(const PixelRect& windowOnScreen, Point clientOriginOnScreen, int inset,
                             int bottomInset, int height);
PixelRect PlaceAtBottom(const PixelRect& windowOnScreen, Point clientOriginOnScreen, const PixelRect& control,
                        int bottomInset);

// The view must not cover the controls below it: it ends above the top given.
PixelRect KeepAbove(PixelRect view, int topOfControlsBelow);

// The page beside the executable: the folder, one "/", "ThankYou.html" (just the name when the
// folder is unknown, so it is looked up in the current folder).
std::string DonationPagePath(const std::string& programDir);
// A local path as a file URL (made absolute against the current folder, bytes outside the
// unreserved set percent-encoded); URLs with a scheme are returned as they are.
std::string ToNavigableUrl(const std::string& pathOrUrl, const std::string& currentDir);

} // namespace stillmark
