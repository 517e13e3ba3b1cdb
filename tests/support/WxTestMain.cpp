// Starts wxWidgets with a running event loop, then runs the tests.
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("GDK_GL", "disable", 0);
    setenv("NO_AT_BRIDGE", "1", 0);
    // Without this wxEntryStart makes a console application, which cannot make windows.
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "cannot start wxWidgets (no display?)\n");
        return 1;
    }
    wxTheApp->SetAppName("Stillmark");
    wxLog::SetActiveTarget(new wxLogStderr);
    auto loop = std::make_unique<wxGUIEventLoop>();
    wxEventLoopBase::SetActive(loop.get());
    const int rc = RUN_ALL_TESTS();
    wxEventLoopBase::SetActive(nullptr);
    loop.reset();
    wxEntryCleanup();
    return rc;
}
