// The HTML view: the page's links sorted by the view's navigation hook, the module, and the
// donation page's own links.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/xrc/xmlres.h>

#include "EventPump.h"
#include "InfoTestSupport.h"
#include "TempFolder.h"
#include "ui/info/DonationWindow.h"
#include "ui/info/HtmlViewLoader.h"
#include "ui/info/WebHtmlView.h"

using namespace stillmark;
using namespace stillmark::test;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// A view that records the links it hands on and the pages it loaded.
struct RecordingView {
    explicit RecordingView(wxWindow* parent) {
        created = view.Create(parent, wxID_ANY,
                              {[this](const std::string& rest) { appLinks.push_back(rest); },
                               [this](const std::string& url) { externalLinks.push_back(url); }});
        if (created)
            view.GetWebView()->Bind(wxEVT_WEBVIEW_LOADED, [this](wxWebViewEvent& event) {
                loaded.push_back(event.GetURL().utf8_string());
            });
    }
    // The page has finished loading when its load event came and it is still the current page.
    bool PageLoaded(const std::string& ending) const {
        return view.GetWebView() && !loaded.empty() && EndsWith(loaded.back(), ending) &&
               EndsWith(view.GetWebView()->GetCurrentURL().utf8_string(), ending);
    }
    // The click comes after RunScript has returned: RunScript waits for its result in an event loop of
    // its own, and a click whose link closes the page would destroy the view while that loop runs in it.
    void ClickOn(const std::string& id) {
        view.GetWebView()->RunScript("setTimeout(function() { document.getElementById('" + id +
                                     "').click(); }, 0);");
    }
    WebHtmlView view;
    bool created = false;
    std::vector<std::string> appLinks, externalLinks, loaded;
};

class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(dir / "page.html")
            << "<html><body><p id='top'>First</p>"
               "<a id='app' href='app:close'>close</a>"
               "<a id='appCase' href='APP:Close'>Close</a>"
               "<a id='appNew' href='app:new' target='_blank'>new</a>"
               "<a id='web' href='https://example.invalid/donate'>web</a>"
               "<a id='webNew' href='https://example.invalid/n' target='_blank'>n</a>"
               "<a id='mail' href='mailto:someone@example.invalid'>mail</a>"
               "<a id='anchor' href='#top'>top</a>"
               "<a id='local' href='second.html'>second</a></body></html>";
        std::ofstream(dir / "second.html") << "<html><body>Second</body></html>";
        dialog = new wxDialog(nullptr, wxID_ANY, "Html", wxPoint(0, 0), wxSize(500, 400));
        dialog->Show();
    }
    void TearDown() override {
        if (dialog)
            dialog->Destroy();
        PumpEvents(20ms);
    }
    const TempFolder folder{"stillmark html"}; // a path with a blank in it
    const fs::path& dir = folder.Path();
    wxDialog* dialog = nullptr;
};

TEST_F(HtmlViewTest, LinksAreSortedIntoInternalExternalAndApp) {
    RecordingView page(dialog);
    ASSERT_TRUE(page.created);
    page.view.Navigate((dir / "page.html").string()); // a path with a blank in it
    ASSERT_TRUE(PumpUntil([&] { return page.PageLoaded("/page.html"); }, 30s))
        << page.view.GetWebView()->GetCurrentURL();
    const wxString url = page.view.GetWebView()->GetCurrentURL();

    for (const std::string id : {"app", "appCase", "appNew"})
        page.ClickOn(id);
    ASSERT_TRUE(PumpUntil([&] { return page.appLinks.size() == 3; }, 10s));
    EXPECT_EQ(page.appLinks, (std::vector<std::string>{"close", "Close", "new"}));

    for (const std::string id : {"web", "webNew", "mail"})
        page.ClickOn(id);
    ASSERT_TRUE(PumpUntil([&] { return page.externalLinks.size() == 3; }, 10s));
    EXPECT_EQ(page.externalLinks,
              (std::vector<std::string>{"https://example.invalid/donate", "https://example.invalid/n",
                                        "mailto:someone@example.invalid"}));
    PumpEvents(200ms);
    EXPECT_EQ(page.view.GetWebView()->GetCurrentURL(), url) << "app: and outside links never navigate";

    page.ClickOn("anchor");
    EXPECT_TRUE(PumpUntil(
        [&] { return EndsWith(page.view.GetWebView()->GetCurrentURL().utf8_string(), "#top"); }, 10s));
    page.ClickOn("local");
    EXPECT_TRUE(PumpUntil([&] { return page.PageLoaded("/second.html"); }, 10s));
    EXPECT_EQ(page.appLinks.size(), 3u);
    EXPECT_EQ(page.externalLinks.size(), 3u);
}

TEST_F(HtmlViewTest, TheParentTakesTheWindowButNotTheObject) {
    RecordingView page(dialog);
    ASSERT_TRUE(page.created);
    dialog->Destroy();
    dialog = nullptr;
    PumpEvents(50ms);
    EXPECT_EQ(page.view.GetWindow(), nullptr);
}

TEST_F(HtmlViewTest, TheModuleMakesViews) {
    std::unique_ptr<HtmlView> view = LoadHtmlView();
    ASSERT_NE(view, nullptr) << HtmlViewModulePath();
    ASSERT_TRUE(view->Create(dialog, 2010, {}));
    EXPECT_EQ(dialog->FindWindow(2010), view->GetWindow());
    view.reset();
    EXPECT_EQ(dialog->FindWindow(2010), nullptr) << "deleting the view destroys its window";
}

// The program's own page: outside links go to the opener and the page stays; "app:close" closes.
TEST_F(HtmlViewTest, TheDonationPagesLinksOpenOutsideAndItsCloseLinkCloses) {
    RecordingInfoServices info(fs::canonical("/proc/self/exe").parent_path());
    info.opener.answer = OpenResult::NoAssociation;
    WebHtmlView* view = nullptr;
    std::vector<std::string> loaded;
    DonationWindow donate(dialog, info.services, [&] {
        auto made = std::make_unique<WebHtmlView>();
        view = made.get();
        return std::unique_ptr<HtmlView>(std::move(made));
    });
    ASSERT_NE(view, nullptr);
    view->GetWebView()->Bind(wxEVT_WEBVIEW_LOADED,
                             [&](wxWebViewEvent& e) { loaded.push_back(e.GetURL().utf8_string()); });
    const auto pageShown = [&] {
        return !loaded.empty() && EndsWith(loaded.back(), "/ThankYou.html") &&
               EndsWith(view->GetWebView()->GetCurrentURL().utf8_string(), "/ThankYou.html");
    };
    wxString page;
    ModalDriver driver({
        {"page loaded", pageShown,
         [&] {
             page = view->GetWebView()->GetCurrentURL();
             // Whatever outside links this build's page has (none without a contact), one more.
             view->GetWebView()->RunScript(
                 "var a = document.createElement('a'); a.id = 'out';"
                 "a.href = 'https://example.invalid/x'; document.body.appendChild(a);"
                 "a.click();");
         }},
        {"outside link handed to the opener", [&] { return !info.opener.opened.empty(); },
         [&] {
             EXPECT_EQ(info.opener.opened, std::vector<std::string>{"https://example.invalid/x"});
             EXPECT_EQ(info.messages.shown,
                       std::vector<std::string>{OpenErrorMessage(OpenResult::NoAssociation)});
             EXPECT_EQ(view->GetWebView()->GetCurrentURL(), page);
             // After RunScript has returned (see ClickOn): the close link destroys the view.
             view->GetWebView()->RunScript(
                 "setTimeout(function() { document.getElementById('close').click(); }, 0);");
         }},
    });
    EXPECT_EQ(donate.ShowModal(), wxID_OK) << "app:close closes the page";
    EXPECT_FALSE(driver.TimedOut()) << "stuck at: " << driver.Pending();
    EXPECT_EQ(donate.View(), nullptr);
}

} // namespace
