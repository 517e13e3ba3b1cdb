// The HTML view: placement over the placeholder, the "app:" rule on a live page, the module.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/stattext.h>

#include "EventPump.h"
#include "InfoTestSupport.h"
#include "ui/info/Donate.h"
#include "ui/info/HtmlCtrl.h"
#include "ui/info/HtmlCtrlLoader.h"

using namespace stillmark;
using namespace stillmark::test;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

class RecordingHtmlCtrl final : public CHtmlCtrl {
public:
    bool CreateOverStatic(int id, wxWindow* parent) override {
        if (!CHtmlCtrl::CreateOverStatic(id, parent))
            return false;
        GetWebView()->Bind(wxEVT_WEBVIEW_LOADED,
                           [this](wxWebViewEvent& event) { loaded.push_back(event.GetURL().utf8_string()); });
        return true;
    }
    void OnAppLink(const std::string& rest) override { appLinks.push_back(rest); }
    // The page has finished loading when its load event came and it is still the current page.
    bool PageLoaded(const std::string& ending) const {
        const auto endsWith = [&](const std::string& url) {
            return url.size() >= ending.size() &&
                   url.compare(url.size() - ending.size(), ending.size(), ending) == 0;
        };
        return GetWebView() && !loaded.empty() && endsWith(loaded.back()) &&
               endsWith(GetWebView()->GetCurrentURL().utf8_string());
    }
    std::vector<std::string> appLinks;
    std::vector<std::string> loaded;
};

class HtmlCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("stillmark html " + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "page.html") << "<html><body><p>First</p>"
                                            "<a id='a' href='app:close'>close</a>"
                                            "<a id='b' href='APP:Close'>Close</a>"
                                            "<a id='n' href='app:new' target='_blank'>new</a>"
                                            "<a id='d' href='second.html'>second</a></body></html>";
        std::ofstream(dir / "second.html") << "<html><body>Second</body></html>";
        dialog = new wxDialog(nullptr, wxID_ANY, "Html", wxPoint(0, 0), wxSize(500, 400));
        new wxStaticText(dialog, 2010, "Html Static", wxPoint(10, 20), wxSize(400, 300));
        new wxStaticText(dialog, wxID_ANY, "", wxPoint(10, 340)); // a lone child would fill the dialog
        dialog->Show();
    }
    void TearDown() override {
        if (dialog)
            dialog->Destroy();
        PumpEvents(20ms);
        fs::remove_all(dir);
    }
    fs::path dir;
    wxDialog* dialog = nullptr;
};

TEST_F(HtmlCtrlTest, ReplacesThePlaceholderAndSwallowsAppLinks) {
    RecordingHtmlCtrl view;
    EXPECT_FALSE(view.CreateOverStatic(9999, dialog));
    ASSERT_TRUE(view.CreateOverStatic(2010, dialog));
    EXPECT_EQ(dialog->FindWindow(2010), view.GetWindow());
    EXPECT_EQ(view.GetWindow()->GetRect(), wxRect(10, 20, 400, 300));

    view.Navigate2((dir / "page.html").string()); // a path with a blank in it
    ASSERT_TRUE(PumpUntil([&] { return view.PageLoaded("/page.html"); }, 30s))
        << view.GetWebView()->GetCurrentURL();
    const wxString page = view.GetWebView()->GetCurrentURL();

    view.GetWebView()->RunScript("document.getElementById('a').click();");
    ASSERT_TRUE(PumpUntil([&] { return view.appLinks.size() == 1; }, 10s));
    EXPECT_EQ(view.appLinks[0], "close");
    view.GetWebView()->RunScript("document.getElementById('b').click();");
    view.GetWebView()->RunScript("document.getElementById('n').click();");
    ASSERT_TRUE(PumpUntil([&] { return view.appLinks.size() == 3; }, 10s));
    EXPECT_EQ(view.appLinks[1], "Close");
    EXPECT_EQ(view.appLinks[2], "new");
    view.GetWebView()->LoadURL("app:");
    ASSERT_TRUE(PumpUntil([&] { return view.appLinks.size() == 4; }, 10s));
    EXPECT_EQ(view.appLinks[3], "");
    PumpEvents(200ms);
    EXPECT_EQ(view.GetWebView()->GetCurrentURL(), page) << "app: links never navigate";

    view.GetWebView()->RunScript("document.getElementById('d').click();");
    EXPECT_TRUE(PumpUntil([&] { return view.PageLoaded("/second.html"); }, 10s));
}

TEST_F(HtmlCtrlTest, TheParentTakesTheWindowButNotTheObject) {
    RecordingHtmlCtrl view;
    ASSERT_TRUE(view.CreateOverStatic(2010, dialog));
    dialog->Destroy();
    dialog = nullptr;
    PumpEvents(50ms);
    EXPECT_EQ(view.GetWindow(), nullptr);
}

TEST_F(HtmlCtrlTest, TheModuleMakesViews) {
    std::unique_ptr<IHtmlCtrl> view = LoadHtmlCtrl();
    ASSERT_NE(view, nullptr) << HtmlCtrlModulePath();
    ASSERT_TRUE(view->CreateOverStatic(2010, dialog));
    EXPECT_EQ(dialog->FindWindow(2010), view->GetWindow());
    view.reset();
    EXPECT_EQ(dialog->FindWindow(2010), nullptr) << "deleting the view destroys its window";
}

TEST_F(HtmlCtrlTest, TheDonationPageLoadsAndItsCloseLinkIsSwallowed) {
    RecordingHost host(fs::canonical("/proc/self/exe").parent_path().string());
    RecordingHtmlCtrl* view = nullptr;
    CDonate donate([&] {
        auto made = std::make_unique<RecordingHtmlCtrl>();
        view = made.get();
        return std::unique_ptr<IHtmlCtrl>(std::move(made));
    });
    wxString page;
    ModalDriver driver({
        {"page loaded", [&] { return view && view->PageLoaded("/ThankYou.html"); },
         [&] {
             page = view->GetWebView()->GetCurrentURL();
             view->GetWebView()->RunScript("document.getElementById('close').click();");
         }},
        {"close link swallowed", [&] { return !view->appLinks.empty(); },
         [&] {
             EXPECT_EQ(view->appLinks, std::vector<std::string>{"close"});
             EXPECT_EQ(view->GetWebView()->GetCurrentURL(), page);
             wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
             FindShownDialog(1052)->FindWindow(wxID_OK)->GetEventHandler()->ProcessEvent(ok);
         }},
    });
    EXPECT_EQ(donate.DoModal(dialog, host), wxID_OK);
    EXPECT_FALSE(driver.TimedOut()) << "stuck at: " << driver.Pending();
}

} // namespace
