// Starts wxWidgets with a running event loop, then runs the tests.
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include "ui/common/DesktopLanguage.h"

namespace {

// STILLMARK_TEST_LANGUAGE=<lang> (with LANGUAGE=<lang>) runs the tests in that language, with the
// catalogs the build compiled beside the test programs. A catalog that does not load is a failure,
// not a quiet run in English.
bool UseTestLanguage() {
    const char* language = std::getenv("STILLMARK_TEST_LANGUAGE");
    if (!language || !*language)
        return true;
    const std::filesystem::path programDir =
        std::filesystem::path(wxStandardPaths::Get().GetExecutablePath().utf8_string()).parent_path();
    stillmark::UseDesktopLanguage({programDir / "locale"});
    if (wxGetTranslation("Close") != "Close")
        return true;
    fprintf(stderr, "no catalog for the test language %s under %s/locale\n", language,
            programDir.string().c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // GTK without GL and without the accessibility bus, unless a test run asks otherwise.
    const std::pair<const char*, const char*> quiet[] = {{"GDK_GL", "disable"}, {"NO_AT_BRIDGE", "1"}};
    for (const auto& [name, value] : quiet)
        if (!wxGetEnv(name, nullptr))
            wxSetEnv(name, value);
    // Without this wxEntryStart makes a console application, which cannot make windows.
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "cannot start wxWidgets (no display?)\n");
        return 1;
    }
    wxTheApp->SetAppName("Stillmark");
    wxLog::SetActiveTarget(new wxLogStderr);
    if (!UseTestLanguage())
        return 1;
    auto loop = std::make_unique<wxGUIEventLoop>();
    wxEventLoopBase::SetActive(loop.get());
    const int rc = RUN_ALL_TESTS();
    wxEventLoopBase::SetActive(nullptr);
    loop.reset();
    wxEntryCleanup();
    return rc;
}
