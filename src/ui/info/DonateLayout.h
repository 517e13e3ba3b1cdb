#pragma once
// The donation window's size and its button row, decided from the desktop's work area alone
// (pixels), and where its page lives.
#include <string>

namespace stillmark {

struct DonateLayout {
    int windowWidth = 0, windowHeight = 0;
    int okWidth = 0;       // the OK button's width; 0: it spans the window less 5 pixels each side
    bool showHint = false; // the "Move the scrollbar" hint
    friend bool operator==(const DonateLayout&, const DonateLayout&) = default;
};

// Tall work areas (more than 600 pixels) get a fixed 801 x 650 window; smaller ones the full
// work-area height, 800 wide, a centred OK button 240 wide (the window less 280 each side) and the
// scroll hint.
DonateLayout ComputeDonateLayout(int workAreaHeight);

// The page beside the executable: the folder, one "/", "ThankYou.html" (just the name when the
// folder is unknown, so it is looked up in the current folder).
std::string DonationPagePath(const std::string& programDir);
// A local path as a file URL (made absolute against the current folder, bytes outside the
// unreserved set percent-encoded); URLs with a scheme are returned as they are.
std::string ToNavigableUrl(const std::string& pathOrUrl, const std::string& currentDir);

} // namespace stillmark
