// The window's tips as a user meets them: every control the keyboard reaches has one, under the
// title, with a text the catalogs translate.
#include "MainWindowFixture.h"
#include "ui/main/ControlTips.h"

#include <pango/pango.h>
#include <wx/translation.h>

using namespace stillmark;
using namespace stillmark::test;

namespace {

void CollectFocusable(wxWindow& parent, std::vector<wxWindow*>& found) {
    for (wxWindow* child : parent.GetChildren()) {
        // A stop of its own; a frame that passes the focus to its children is none.
        if (child->IsShown() && child->AcceptsFocusFromKeyboard() && child->GetChildren().IsEmpty())
            found.push_back(child);
        CollectFocusable(*child, found);
    }
}

// What the tip reads, its markup taken away; empty for markup GTK would refuse.
std::string PlainText(const std::string& markup) {
    char* text = nullptr;
    if (!pango_parse_markup(markup.c_str(), -1, 0, nullptr, &text, nullptr, nullptr))
        return {};
    std::string plain(text);
    g_free(text);
    return plain;
}

TEST_F(MainWindowTest, EveryControlTheKeyboardReachesHasATitledTipThatIsTranslated) {
    OpenWindow();
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(STILLMARK_CATALOG_FOLDER);
    wxTranslations german;
    german.SetLanguage("de");
    ASSERT_TRUE(german.AddCatalog("stillmark")) << "no German catalog under " << STILLMARK_CATALOG_FOLDER;

    std::vector<wxWindow*> controls;
    CollectFocusable(*m_window, controls);
    ASSERT_FALSE(controls.empty());
    const std::string title = "Stillmark\n";
    for (wxWindow* control : controls) {
        const std::string name = control->GetName().utf8_string();
        const std::string markup = ControlTips::MarkupOf(*control);
        ASSERT_FALSE(markup.empty()) << name << " (" << control->GetClassInfo()->GetClassName()
                                     << ") has no tip";
        EXPECT_EQ(markup.rfind("<b>Stillmark</b>\n", 0), 0u) << name << ": " << markup;
        const std::string plain = PlainText(markup);
        ASSERT_GT(plain.size(), title.size()) << name << ": " << markup;
        const std::string text = plain.substr(title.size());
        EXPECT_NE(german.GetTranslatedString(wxString::FromUTF8(text)), nullptr)
            << name << ": no translation of \"" << text << '"';
    }
}

} // namespace
