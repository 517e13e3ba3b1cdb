// The main window in the desktop's font: run once per font size (see DesktopFontTests.cmake).
// Nothing is clipped, the moments list draws in the window's font and shows the five default
// moments without scrolling, and a control's tip wears the desktop's tool tip colours.
#include <wx/settings.h>
#include <wx/translation.h>
#include <wx/uiaction.h>

#include "DesktopFont.h"
#include "LayoutCheck.h"
#include "MainWindowFixture.h"
#include "ui/common/CompactTheme.h"
#include "ui/main/TipWindow.h"

namespace stillmark::test {
namespace {

std::string Lines(const std::vector<std::string>& faults) {
    std::string text;
    for (const std::string& fault : faults)
        text += "\n  " + fault;
    return text;
}

// The window the program shows: the compact theme first, as the program applies it at start.
class MainWindowFit : public MainWindowTest {
protected:
    static void SetUpTestSuite() { ApplyCompactTheme(); }

    MainWindow& ShowWindow() {
        MainWindow& window = OpenWindow();
        window.Move(0, 0);
        window.Show();
        EXPECT_TRUE(PumpUntil([&] { return window.IsShownOnScreen(); }, 5s));
        PumpEvents(300ms);
        return window;
    }

    TipWindow* FindTip() const {
        for (wxWindow* child : m_window->GetChildren())
            if (auto* tip = dynamic_cast<TipWindow*>(child))
                return tip;
        return nullptr;
    }
};

TEST_F(MainWindowFit, TheTestRunsUnderTheDesktopFontItWasStartedFor) {
    if (ExpectedDesktopFontSize() == 0)
        GTEST_SKIP() << "started without a desktop font of its own";
    EXPECT_EQ(DesktopFontSize(), ExpectedDesktopFontSize()) << "GTK did not read the test's settings.ini";
}

TEST_F(MainWindowFit, NothingIsClippedAndEveryControlDrawsInTheWindowsFont) {
    MainWindow& window = ShowWindow();
    EXPECT_EQ(window.GetFont().GetPointSize(), DesktopFontSize()) << "the window ignores the desktop's font";
    const std::vector<std::string> clipped = FindClippedControls(window);
    EXPECT_TRUE(clipped.empty()) << "at " << DesktopFontSize() << " pt:" << Lines(clipped);
    const std::vector<std::string> fonts = FindOtherFonts(window);
    EXPECT_TRUE(fonts.empty()) << Lines(fonts);
    const std::string shot = SaveScreenshot(window, "main-window");
    if (!shot.empty())
        std::cout << "screenshot: " << shot << "\n";
}

TEST_F(MainWindowFit, TheFiveDefaultMomentsShowWithoutScrolling) {
    ShowWindow();
    ASSERT_EQ(Moments().size(), 5u) << "the default settings list five moments";
    auto* tree = Control<wxTreeCtrl>("moments");
    EXPECT_EQ(tree->GetFont().GetPointSize(), m_window->GetFont().GetPointSize());
    const wxRect visible(wxPoint(0, 0), tree->GetClientSize());
    wxTreeItemIdValue cookie;
    for (auto item = tree->GetFirstChild(tree->GetRootItem(), cookie); item.IsOk();
         item = tree->GetNextSibling(item)) {
        wxRect row;
        ASSERT_TRUE(tree->GetBoundingRect(item, row, true));
        EXPECT_TRUE(visible.Contains(wxRect(0, row.y, 1, row.height)))
            << tree->GetItemText(item) << " at " << row.y << "+" << row.height << " of " << visible.height;
        // Rows as high as the window's lines: the list draws in the window's font, whatever
        // font it reports.
        EXPECT_GE(row.height, m_window->GetCharHeight());
        EXPECT_LT(row.height, 2 * m_window->GetCharHeight());
    }
    EXPECT_FALSE(tree->HasScrollbar(wxVERTICAL) &&
                 tree->GetScrollThumb(wxVERTICAL) < tree->GetScrollRange(wxVERTICAL));
}

TEST_F(MainWindowFit, ATipWearsTheDesktopsToolTipColours) {
    MainWindow& window = ShowWindow();
    wxWindow* close = window.FindWindow(XRCID("close"));
    ASSERT_NE(close, nullptr);
    wxUIActionSimulator pointer;
    pointer.MouseMove(close->GetScreenRect().GetLeftTop() + wxPoint(3, 3));
    pointer.MouseMove(close->GetScreenRect().GetLeftTop() + close->GetSize() / 2);
    TipWindow* tip = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (tip = FindTip()) != nullptr && tip->IsShownOnScreen(); }, 5s))
        << "no tip over the Close button";
    PumpEvents(200ms);
    EXPECT_EQ(tip->GetTitle(), "Stillmark");
    EXPECT_EQ(tip->GetText(), wxGetTranslation("Quits Stillmark")); // in the language of the run

    // The tip's own pixels: the background just inside its border, away from the text.
    const wxImage pixels = CaptureScreen(tip->GetScreenRect());
    ASSERT_TRUE(pixels.IsOk());
    const wxColour background = wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK);
    const auto channel = [&](unsigned char c) { return c * background.Alpha() / 255; };
    const int y = pixels.GetHeight() / 2;
    EXPECT_NEAR(pixels.GetRed(3, y), channel(background.Red()), 2);
    EXPECT_NEAR(pixels.GetGreen(3, y), channel(background.Green()), 2);
    EXPECT_NEAR(pixels.GetBlue(3, y), channel(background.Blue()), 2);
    // Some pixel of the text is in the tool tip text colour (or close: anti-aliasing).
    const wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT);
    bool textSeen = false;
    for (int x = 0; x < pixels.GetWidth() && !textSeen; ++x)
        for (int row = 0; row < pixels.GetHeight() && !textSeen; ++row)
            textSeen = std::abs(pixels.GetRed(x, row) - text.Red()) < 8 &&
                       std::abs(pixels.GetGreen(x, row) - text.Green()) < 8 &&
                       std::abs(pixels.GetBlue(x, row) - text.Blue()) < 8;
    EXPECT_TRUE(textSeen) << "no pixel in the tool tip text colour";

    wxRect both = window.GetScreenRect();
    both.Union(tip->GetScreenRect());
    const std::string shot = SaveScreenshot(both, "main-window-tip");
    if (!shot.empty())
        std::cout << "screenshot: " << shot << "\n";
}

} // namespace
} // namespace stillmark::test
