// The main window in the desktop's font: run once per font size (see cmake/DesktopFontTests.cmake).
// Nothing is clipped, the moments list shows the five default moments without scrolling, and GTK
// shows a control's tip while the check box says so.
#include <wx/settings.h>
#include <wx/translation.h>
#include <wx/uiaction.h>

#include "DesktopFont.h"
#include "LayoutCheck.h"
#include "MainWindowFixture.h"
#include "ui/common/CompactTheme.h"

#include <gtk/gtk.h>
#include <wx/listbox.h>

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
};

// The markup of the label in GTK's tip window while one shows, else "".
std::string ShownTipText() {
    std::string text;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next) {
        GtkWidget* window = GTK_WIDGET(w->data);
        if (gtk_window_get_type_hint(GTK_WINDOW(window)) != GDK_WINDOW_TYPE_HINT_TOOLTIP ||
            !gtk_widget_get_mapped(window))
            continue;
        std::vector<GtkWidget*> todo{window};
        while (!todo.empty() && text.empty()) {
            GtkWidget* widget = todo.back();
            todo.pop_back();
            if (GTK_IS_LABEL(widget) && gtk_widget_get_visible(widget))
                text = gtk_label_get_label(GTK_LABEL(widget));
            else if (GTK_IS_CONTAINER(widget)) {
                GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
                for (GList* c = children; c; c = c->next)
                    todo.push_back(GTK_WIDGET(c->data));
                g_list_free(children);
            }
        }
    }
    g_list_free(windows);
    return text;
}

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
    auto* list = Control<wxListBox>("moments");
    EXPECT_EQ(list->GetTopItem(), 0);
    EXPECT_GE(list->GetCountPerPage(), 5) << "the list is too short at " << DesktopFontSize() << " pt";
}

TEST_F(MainWindowFit, AGermanDesktopsWeekStartsOnMonday) {
    const char* timeLocale = std::getenv("LC_TIME");
    if (!timeLocale || std::string(timeLocale) != "de_DE.UTF-8")
        GTEST_SKIP() << "for German time texts";
    std::vector<std::string> labels;
    for (wxToggleButton* toggle : FindDayToggles(ShowWindow()))
        labels.push_back(toggle->GetLabel().utf8_string());
    EXPECT_EQ(labels, (std::vector<std::string>{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}));
}

TEST_F(MainWindowFit, GtkShowsTheTipAndTheCheckBoxSwitchesItAtOnce) {
    MainWindow& window = ShowWindow();
    wxWindow* close = window.FindWindow(XRCID("close"));
    ASSERT_NE(close, nullptr);
    wxUIActionSimulator pointer;
    pointer.MouseMove(close->GetScreenRect().GetLeftTop() + wxPoint(3, 3));
    pointer.MouseMove(close->GetScreenRect().GetLeftTop() + close->GetSize() / 2);
    std::string shown;
    ASSERT_TRUE(PumpUntil([&] { return !(shown = ShownTipText()).empty(); }, 5s))
        << "no tip over the Close button";
    // In the language of the run.
    EXPECT_EQ(shown, "<b>Stillmark</b>\n" + wxGetTranslation("Quits Stillmark").utf8_string());
    const std::string shot = SaveScreenshot(window.GetScreenRect().Inflate(0, 80), "main-window-tip");
    if (!shot.empty())
        std::cout << "screenshot: " << shot << "\n";

    Click("show_tip"); // off: the tip goes at once and no other comes
    EXPECT_TRUE(PumpUntil([&] { return ShownTipText().empty(); }, 2s));
    wxWindow* about = window.FindWindow(XRCID("about"));
    pointer.MouseMove(about->GetScreenRect().GetLeftTop() + about->GetSize() / 2);
    PumpEvents(1500ms);
    EXPECT_EQ(ShownTipText(), "");
    Click("show_tip");
    pointer.MouseMove(about->GetScreenRect().GetLeftTop() + about->GetSize() / 2 + wxPoint(2, 1));
    EXPECT_TRUE(PumpUntil(
        [&] {
            return ShownTipText() ==
                   "<b>Stillmark</b>\n" + wxGetTranslation("See more info about Stillmark.").utf8_string();
        },
        5s))
        << "on again";
}

} // namespace
} // namespace stillmark::test
