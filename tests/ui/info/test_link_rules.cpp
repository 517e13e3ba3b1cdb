// Opening links: the results and their messages, the opener's refusals and fallback, the page's
// links and where "Contact me" leads.
#include <filesystem>
#include <fstream>
#include <functional>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <optional>

#include "EventPump.h"
#include "TempFolder.h"
#include "platform/linux/DesktopLinkOpener.h"
#include "platform/linux/GioOpenResult.h"
#include "ui/info/ContactTarget.h"
#include "ui/info/PageLink.h"

using namespace stillmark;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

TEST(OpenErrorMessage, EveryFailureHasItsText) {
    const std::vector<std::pair<OpenResult, std::string>> cases = {
        {OpenResult::OutOfResources, "The operating system is out\nof memory or resources."},
        {OpenResult::FileNotFound, "The specified file was not found."},
        {OpenResult::PathNotFound, "The specified path was not found."},
        {OpenResult::AccessDenied, "The operating system denied\naccess to the specified file."},
        {OpenResult::OutOfMemory, "There was not enough memory to complete the operation."},
        {OpenResult::BadFormat, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {OpenResult::SharingViolation, "A sharing violation occurred. "},
        {OpenResult::AssociationIncomplete, "The filename association is\nincomplete or invalid."},
        {OpenResult::NoAssociation, "There is no application associated\nwith the given filename extension."},
    };
    for (const auto& [result, text] : cases)
        EXPECT_EQ(OpenErrorMessage(result), "Unable to open hyperlink:\n\n" + text) << text;
}

// Every failure cause the opener can meet, mapped to the result (and so the message) the user
// gets. The texts themselves are checked once above; here only which text each cause leads to.
TEST(OpenResults, EveryFailureCauseMapsToItsMessage) {
    struct Cause {
        const char* name;
        OpenResult result;
        OpenResult expected;
    };
    const GQuark io = G_IO_ERROR;
    const GQuark spawn = G_SPAWN_ERROR;
    const std::vector<Cause> causes = {
        {"no application for the scheme", OpenResultOfError(io, G_IO_ERROR_NOT_SUPPORTED),
         OpenResult::NoAssociation},
        {"io failed", OpenResultOfError(io, G_IO_ERROR_FAILED), OpenResult::NoAssociation},
        {"io not found", OpenResultOfError(io, G_IO_ERROR_NOT_FOUND), OpenResult::FileNotFound},
        {"io invalid argument", OpenResultOfError(io, G_IO_ERROR_INVALID_ARGUMENT), OpenResult::FileNotFound},
        {"io invalid filename", OpenResultOfError(io, G_IO_ERROR_INVALID_FILENAME), OpenResult::FileNotFound},
        {"io not a folder", OpenResultOfError(io, G_IO_ERROR_NOT_DIRECTORY), OpenResult::PathNotFound},
        {"io name too long", OpenResultOfError(io, G_IO_ERROR_FILENAME_TOO_LONG), OpenResult::PathNotFound},
        {"io link loop", OpenResultOfError(io, G_IO_ERROR_TOO_MANY_LINKS), OpenResult::PathNotFound},
        {"io permission", OpenResultOfError(io, G_IO_ERROR_PERMISSION_DENIED), OpenResult::AccessDenied},
        {"io no space", OpenResultOfError(io, G_IO_ERROR_NO_SPACE), OpenResult::OutOfResources},
        {"io too many files", OpenResultOfError(io, G_IO_ERROR_TOO_MANY_OPEN_FILES),
         OpenResult::OutOfResources},
        {"io busy", OpenResultOfError(io, G_IO_ERROR_BUSY), OpenResult::SharingViolation},
        {"spawn missing", OpenResultOfError(spawn, G_SPAWN_ERROR_NOENT), OpenResult::FileNotFound},
        {"spawn not a folder", OpenResultOfError(spawn, G_SPAWN_ERROR_NOTDIR), OpenResult::PathNotFound},
        {"spawn link loop", OpenResultOfError(spawn, G_SPAWN_ERROR_LOOP), OpenResult::PathNotFound},
        {"spawn name too long", OpenResultOfError(spawn, G_SPAWN_ERROR_NAMETOOLONG),
         OpenResult::PathNotFound},
        {"spawn access", OpenResultOfError(spawn, G_SPAWN_ERROR_ACCES), OpenResult::AccessDenied},
        {"spawn permission", OpenResultOfError(spawn, G_SPAWN_ERROR_PERM), OpenResult::AccessDenied},
        {"spawn memory", OpenResultOfError(spawn, G_SPAWN_ERROR_NOMEM), OpenResult::OutOfMemory},
        {"spawn too big", OpenResultOfError(spawn, G_SPAWN_ERROR_TOO_BIG), OpenResult::OutOfMemory},
        {"spawn not executable", OpenResultOfError(spawn, G_SPAWN_ERROR_NOEXEC), OpenResult::BadFormat},
        {"spawn bad library", OpenResultOfError(spawn, G_SPAWN_ERROR_LIBBAD), OpenResult::BadFormat},
        {"spawn text busy", OpenResultOfError(spawn, G_SPAWN_ERROR_TXTBUSY), OpenResult::SharingViolation},
        {"spawn fork", OpenResultOfError(spawn, G_SPAWN_ERROR_FORK), OpenResult::OutOfResources},
        {"spawn too many files", OpenResultOfError(spawn, G_SPAWN_ERROR_MFILE), OpenResult::OutOfResources},
        {"spawn file table full", OpenResultOfError(spawn, G_SPAWN_ERROR_NFILE), OpenResult::OutOfResources},
        {"spawn other", OpenResultOfError(spawn, G_SPAWN_ERROR_FAILED), OpenResult::NoAssociation},
        {"another domain", OpenResultOfError(G_FILE_ERROR, G_FILE_ERROR_ACCES), OpenResult::NoAssociation},
        {"opener exit 0", OpenResultOfExitStatus(0), OpenResult::Opened},
        {"opener exit 1: target not understood", OpenResultOfExitStatus(1), OpenResult::FileNotFound},
        {"opener exit 2: file missing", OpenResultOfExitStatus(2), OpenResult::FileNotFound},
        {"opener exit 3: a tool missing", OpenResultOfExitStatus(3), OpenResult::NoAssociation},
        {"opener exit 4: no way to open", OpenResultOfExitStatus(4), OpenResult::NoAssociation},
        {"opener exit other", OpenResultOfExitStatus(99), OpenResult::NoAssociation},
    };
    for (const auto& c : causes)
        EXPECT_EQ(OpenErrorMessage(c.result), OpenErrorMessage(c.expected)) << c.name;
}

// A stand-in for xdg-open: records its arguments, one a line, and ends with a given status.
class FallbackOpenerTest : public ::testing::Test {
protected:
    std::string Script(int status) {
        const fs::path script = dir / "opener";
        std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '"
                              << (dir / "args").string() << "'; done\nexit " << status << "\n";
        fs::permissions(script, fs::perms::owner_all);
        return script.string();
    }
    std::string Arguments() const {
        std::ifstream in(dir / "args");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    const test::TempFolder folder{"stillmark-opener"};
    const fs::path& dir = folder.Path();
};

// A scheme no desktop application takes: GIO fails and the fallback decides.
const std::string kNoHandler = "x-stillmark-test:";

// The outcome, once the main loop has collected it (nothing after 10 s).
std::optional<OpenResult> OpenAndWait(LinkOpener& opener, const std::string& target) {
    std::optional<OpenResult> result;
    opener.Open(target, [&result](OpenResult r) { result = r; });
    test::PumpUntil([&result] { return result.has_value(); }, 10s);
    return result;
}

TEST_F(FallbackOpenerTest, GioFailingHandsTheTargetToTheFallbackAsOneArgument) {
    const std::string hostile = kNoHandler + "a\"; touch /tmp/owned; $(id) b";
    DesktopLinkOpener opener(Script(0));
    EXPECT_EQ(OpenAndWait(opener, hostile), OpenResult::Opened);
    EXPECT_EQ(Arguments(), hostile + "\n");
}

TEST_F(FallbackOpenerTest, TheFallbacksVerdictDecides) {
    std::ofstream(dir / "plain") << "not a program";
    fs::permissions(dir / "plain", fs::perms::owner_read | fs::perms::owner_write);
    // Each fallback is made just before its use: the scripts share one file.
    const std::vector<std::pair<std::function<std::string()>, OpenResult>> cases = {
        {[&] { return Script(4); }, OpenResult::NoAssociation},
        {[&] { return Script(2); }, OpenResult::FileNotFound},
        {[&] { return (dir / "missing").string(); }, OpenResult::FileNotFound},
        {[&] { return (dir / "plain").string(); }, OpenResult::AccessDenied},
    };
    for (const auto& [fallback, expected] : cases) {
        DesktopLinkOpener opener(fallback());
        EXPECT_EQ(OpenAndWait(opener, kNoHandler + "x"), expected) << static_cast<int>(expected);
    }
}

TEST_F(FallbackOpenerTest, TheVerdictComesFromTheMainLoopWithoutWaiting) {
    DesktopLinkOpener opener("sleep");
    std::optional<OpenResult> result;
    const gint64 before = g_get_monotonic_time();
    opener.Open("1", [&result](OpenResult r) { result = r; });
    EXPECT_LT(g_get_monotonic_time() - before, G_USEC_PER_SEC / 2) << "the click waited for the opener";
    EXPECT_FALSE(result);
    test::PumpUntil([&result] { return result.has_value(); }, 10s);
    EXPECT_EQ(result, OpenResult::Opened);
}

TEST_F(FallbackOpenerTest, RefusedTargetsReachNoProgram) {
    DesktopLinkOpener opener(Script(0));
    EXPECT_EQ(OpenAndWait(opener, ""), OpenResult::FileNotFound);
    EXPECT_EQ(OpenAndWait(opener, "--help"), OpenResult::FileNotFound);
    EXPECT_EQ(OpenAndWait(opener, "-x"), OpenResult::FileNotFound);
    EXPECT_EQ(OpenAndWait(opener, kNoHandler + std::string(kMaxLinkTarget - kNoHandler.size() + 1, 'x')),
              OpenResult::OutOfMemory);
    EXPECT_EQ(Arguments(), "");
    EXPECT_EQ(OpenAndWait(opener, kNoHandler + std::string(kMaxLinkTarget - kNoHandler.size(), 'x')),
              OpenResult::Opened);
}

TEST(ClassifyPageLink, InternalExternalAndApp) {
    const std::vector<std::pair<std::string, PageLinkKind>> cases = {
        {"file:///opt/stillmark/ThankYou.html", PageLinkKind::Internal},
        {"file:///opt/stillmark/ThankYou.html#ways", PageLinkKind::Internal},
        {"FILE:///opt/stillmark/other.html", PageLinkKind::Internal},
        {"about:blank", PageLinkKind::Internal},
        {"data:text/html,x", PageLinkKind::Internal},
        {"#ways", PageLinkKind::Internal},
        {"second.html", PageLinkKind::Internal},
        {"https://example.org/donate", PageLinkKind::External},
        {"HTTP://example.org/", PageLinkKind::External},
        {"mailto:someone@example.org", PageLinkKind::External},
        {"ftp://example.org/x", PageLinkKind::External},
        {"app:close", PageLinkKind::App},
        {"APP:Close", PageLinkKind::App},
        {"app:", PageLinkKind::App},
        {"apple.html", PageLinkKind::Internal},
        {"application:x", PageLinkKind::External},
    };
    for (const auto& [url, kind] : cases)
        EXPECT_EQ(ClassifyPageLink(url), kind) << url;
}

TEST(ContactTarget, MailThenHomePageThenTheReadme) {
    EXPECT_EQ(ContactTarget({"me@example.org", "https://example.org"}, "/opt/s"), "mailto:me@example.org");
    EXPECT_EQ(ContactTarget({"", "https://example.org"}, "/opt/s"), "https://example.org");
    EXPECT_EQ(ContactTarget({"", ""}, "/opt/my stillmark"), "file:///opt/my%20stillmark/README.md");
}

} // namespace
