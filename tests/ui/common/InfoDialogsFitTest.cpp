// The About box and the donation window in the desktop's font: run once per font size (see
// cmake/DesktopFontTests.cmake). Nothing is clipped, every control draws in the window's font, and a
// screenshot of each window is kept for a look.
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/stattext.h>
#include <wx/xrc/xmlres.h>

#include "DesktopFont.h"
#include "EventPump.h"
#include "InfoTestSupport.h"
#include "LayoutCheck.h"
#include "ui/common/CompactTheme.h"
#include "ui/info/AboutBox.h"

using namespace stillmark;
using namespace stillmark::test;
using namespace std::chrono_literals;

namespace {

std::string Lines(const std::vector<std::string>& faults) {
    std::string text;
    for (const std::string& fault : faults)
        text += "\n  " + fault;
    return text;
}

class InfoDialogsFit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplyCompactTheme(); }

    // Shows the window where nothing covers it, lets GTK lay it out, checks it and keeps a
    // screenshot named `name`.
    void CheckShown(wxDialog& dialog, const std::string& name) {
        dialog.Move(0, 0);
        dialog.Show();
        ASSERT_TRUE(PumpUntil([&] { return dialog.IsShownOnScreen(); }, 5s));
        PumpEvents(300ms);
        EXPECT_EQ(dialog.GetFont().GetPointSize(), DesktopFontSize())
            << name << " ignores the desktop's font";
        const std::vector<std::string> clipped = FindClippedControls(dialog);
        EXPECT_TRUE(clipped.empty()) << name << " at " << DesktopFontSize() << " pt:" << Lines(clipped);
        const std::vector<std::string> fonts = FindOtherFonts(dialog);
        EXPECT_TRUE(fonts.empty()) << name << ":" << Lines(fonts);
        const std::string shot = SaveScreenshot(dialog, name);
        if (!shot.empty())
            std::cout << "screenshot: " << shot << "\n";
        dialog.Hide();
    }

    RecordingInfoServices m_info{std::filesystem::canonical("/proc/self/exe").parent_path()};
};

TEST_F(InfoDialogsFit, TheTestRunsUnderTheDesktopFontItWasStartedFor) {
    if (ExpectedDesktopFontSize() == 0)
        GTEST_SKIP() << "started without a desktop font of its own";
    EXPECT_EQ(DesktopFontSize(), ExpectedDesktopFontSize()) << "GTK did not read the test's settings.ini";
}

TEST_F(InfoDialogsFit, AboutBox) {
    AboutBox about(nullptr, m_info.services, [] { return std::unique_ptr<HtmlView>(); });
    CheckShown(about, "about-box");
}

TEST_F(InfoDialogsFit, DonationWindow) {
    wxDialog owner(nullptr, wxID_ANY, "Owner");
    DonationWindow donation(&owner, m_info.services, [] { return std::unique_ptr<HtmlView>(); });
    CheckShown(donation, "donation-window");
}

} // namespace
