#include <cerrno>
#include <gtest/gtest.h>

#include "ui/info/LinkOpener.h"
#include "ui/info/LinkRules.h"

using namespace stillmark;

namespace {

struct CommandCase {
    const char* name;
    std::string command;
    std::string target;
    std::string commandLine;
    std::vector<std::string> argv;
};

class BrowserLaunchTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(BrowserLaunchTest, BuildsCommandLineAndArguments) {
    const CommandCase& c = GetParam();
    const BrowserLaunch launch = BuildBrowserLaunch(c.command, c.target);
    EXPECT_EQ(launch.error, 0);
    EXPECT_EQ(launch.commandLine, c.commandLine);
    EXPECT_EQ(launch.argv, c.argv);
}

const std::string kUrl = "https://stillmark.invalid/";

INSTANTIATE_TEST_SUITE_P(
    Commands, BrowserLaunchTest,
    ::testing::Values(
        CommandCase{"QuotedPercentOne",
                    "\"/opt/web browser/bin\" -osint -url \"%1\"",
                    kUrl,
                    "\"/opt/web browser/bin\" -osint -url  " + kUrl,
                    {"/opt/web browser/bin", "-osint", "-url", kUrl}},
        CommandCase{"BarePercentOne",
                    "browser --new-tab %1",
                    kUrl,
                    "browser --new-tab  " + kUrl,
                    {"browser", "--new-tab", kUrl}},
        CommandCase{"LowerU", "firefox-esr %u", kUrl, "firefox-esr  " + kUrl, {"firefox-esr", kUrl}},
        CommandCase{"UpperU", "chromium %U", kUrl, "chromium  " + kUrl, {"chromium", kUrl}},
        CommandCase{
            "LowerF", "viewer --file %f --x", kUrl, "viewer --file  " + kUrl, {"viewer", "--file", kUrl}},
        CommandCase{"UpperF", "viewer %F", kUrl, "viewer  " + kUrl, {"viewer", kUrl}},
        CommandCase{"NoPlaceholder", "lynx", kUrl, "lynx " + kUrl, {"lynx", kUrl}},
        CommandCase{"EscapedPercentIsNoPlaceholder",
                    "tool --fmt=%%u",
                    kUrl,
                    "tool --fmt=%%u " + kUrl,
                    {"tool", "--fmt=%u", kUrl}},
        CommandCase{
            "LeftoverFieldCodesDropped", "browser %i %k", kUrl, "browser %i %k " + kUrl, {"browser", kUrl}},
        CommandCase{
            "QuotedEscapes", "\"a\\\"b\\\\c\" x", kUrl, "\"a\\\"b\\\\c\" x " + kUrl, {"a\"b\\c", "x", kUrl}},
        // Hostile targets stay one argument: no shell ever sees them.
        CommandCase{
            "TargetWithQuotes", "browser %u", "a\" \"b'c", "browser  a\" \"b'c", {"browser", "a\" \"b'c"}},
        CommandCase{"TargetWithSemicolon",
                    "browser %u",
                    "x; rm -rf ~",
                    "browser  x; rm -rf ~",
                    {"browser", "x; rm -rf ~"}},
        CommandCase{"TargetWithSubstitution",
                    "browser %u",
                    "$(touch /tmp/p)`id`",
                    "browser  $(touch /tmp/p)`id`",
                    {"browser", "$(touch /tmp/p)`id`"}},
        CommandCase{"TargetWithNewline", "browser %u", "a\nb", "browser  a\nb", {"browser", "a\nb"}},
        CommandCase{"TargetWithSpaces",
                    "browser %u",
                    "mailto:a b@c",
                    "browser  mailto:a b@c",
                    {"browser", "mailto:a b@c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BrowserLaunch, CommandLineOf519CharactersIsAcceptedAnd520Refused) {
    const std::string command = "browser";
    const std::string fits(kMaxBrowserCommandLine - command.size() - 1, 'x');
    EXPECT_EQ(BuildBrowserLaunch(command, fits).error, 0);
    EXPECT_EQ(BuildBrowserLaunch(command, fits).commandLine.size(), 519u);
    const BrowserLaunch tooLong = BuildBrowserLaunch(command, fits + "x");
    EXPECT_EQ(tooLong.error, kErrorOutOfMemory);
    EXPECT_TRUE(tooLong.argv.empty());
}

TEST(BrowserLaunch, CommandWithoutProgramIsRefused) {
    for (const std::string command : {"", "   ", "%u", "\"unclosed %u", "\"\" %u"})
        EXPECT_EQ(BuildBrowserLaunch(command, kUrl).error, kErrorAssociationIncomplete) << command;
}

TEST(CutAtPlaceholder, CutsAtTheEarliestPlaceholder) {
    EXPECT_EQ(CutAtPlaceholder("b \"%1\" %u"), "b ");
    EXPECT_EQ(CutAtPlaceholder("b %u \"%1\""), "b ");
    EXPECT_EQ(CutAtPlaceholder("b \"%1"), "b \"");
    EXPECT_EQ(CutAtPlaceholder("b %2 %"), "b %2 %");
}

struct ErrorCase {
    int code;
    std::string text;
};

TEST(OpenErrorText, EveryCodeOfTheTable) {
    const std::vector<ErrorCase> cases = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {40, "Unknown Error (40) occurred."},
        {-7, "Unknown Error (-7) occurred."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenErrorText(c.code), c.text) << c.code;
    EXPECT_EQ(OpenErrorMessage(26), "Unable to open hyperlink:\n\nA sharing violation occurred. ");
}

// Every failure cause the opener can meet, mapped to the message the user reads. The texts
// themselves are checked once above; here only which text each cause leads to.
TEST(OpenResults, EveryFailureCauseMapsToItsMessage) {
    struct Cause {
        const char* name;
        int result;
        int expected;
    };
    const std::vector<Cause> causes = {
        {"opener exit 1: target not understood", OpenerExitToResult(1), kErrorFileNotFound},
        {"opener exit 2: file missing", OpenerExitToResult(2), kErrorFileNotFound},
        {"opener exit 3: a tool missing", OpenerExitToResult(3), kErrorNoAssociation},
        {"opener exit 4: no way to open", OpenerExitToResult(4), kErrorNoAssociation},
        {"opener exit other", OpenerExitToResult(99), kErrorNoAssociation},
        {"ENOENT", StartErrorToResult(ENOENT), kErrorFileNotFound},
        {"ENOTDIR", StartErrorToResult(ENOTDIR), kErrorPathNotFound},
        {"ELOOP", StartErrorToResult(ELOOP), kErrorPathNotFound},
        {"ENAMETOOLONG", StartErrorToResult(ENAMETOOLONG), kErrorPathNotFound},
        {"EACCES", StartErrorToResult(EACCES), kErrorAccessDenied},
        {"EPERM", StartErrorToResult(EPERM), kErrorAccessDenied},
        {"ENOMEM", StartErrorToResult(ENOMEM), kErrorOutOfMemory},
        {"ENOEXEC", StartErrorToResult(ENOEXEC), kErrorBadFormat},
        {"ETXTBSY", StartErrorToResult(ETXTBSY), kErrorSharingViolation},
        {"EAGAIN", StartErrorToResult(EAGAIN), kErrorOutOfResources},
        {"EMFILE", StartErrorToResult(EMFILE), kErrorOutOfResources},
        {"ENFILE", StartErrorToResult(ENFILE), kErrorOutOfResources},
        {"EIO (any other)", StartErrorToResult(EIO), kErrorNoAssociation},
    };
    for (const auto& c : causes)
        EXPECT_EQ(OpenErrorMessage(c.result), OpenErrorMessage(c.expected)) << c.name;
    EXPECT_TRUE(IsOpenSuccess(OpenerExitToResult(0)));
    EXPECT_FALSE(IsOpenSuccess(32));
    EXPECT_TRUE(IsOpenSuccess(33));
}

struct FitCase {
    const char* name;
    LinkRect window;
    LinkAlign align;
    bool centreVertically;
    LinkRect expected;
};

TEST(FitLinkRect, ShrinksOrGrowsToTheText) {
    // Text 40 x 10, frame 2 x 2: the fitted size is 42 x 12.
    const std::vector<FitCase> cases = {
        {"left keeps left", {10, 20, 110, 40}, LinkAlign::Left, false, {10, 20, 52, 32}},
        {"right keeps right", {10, 20, 110, 40}, LinkAlign::Right, false, {68, 20, 110, 32}},
        {"centre shrinks both sides", {10, 20, 110, 40}, LinkAlign::Centre, false, {39, 20, 81, 32}},
        {"centre truncates towards zero", {10, 20, 111, 40}, LinkAlign::Centre, false, {39, 20, 82, 32}},
        {"centre grows when narrower", {10, 20, 30, 40}, LinkAlign::Centre, false, {-1, 20, 41, 32}},
        {"vertical centring", {10, 20, 110, 40}, LinkAlign::Left, true, {10, 24, 52, 36}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitLinkRect(c.window, 40, 10, 2, 2, c.align, c.centreVertically), c.expected) << c.name;
}

// Records every start and answers from a script.
class ScriptedStarter final : public IProcessStarter {
public:
    std::vector<ProcessOutcome> answers;
    std::vector<std::vector<std::string>> started;
    ProcessOutcome Start(const std::vector<std::string>& argv, std::chrono::milliseconds) override {
        started.push_back(argv);
        const ProcessOutcome answer = answers.at(started.size() - 1);
        return answer;
    }
};

using Kind = ProcessOutcome::Kind;

TEST(OpenLink, OpenerSuccessEndsThere) {
    ScriptedStarter starter;
    starter.answers = {{Kind::Exited, 0}};
    bool looked = false;
    const int result = OpenLink("mailto:a@b", starter, [&] {
        looked = true;
        return std::optional<std::string>("browser %u");
    });
    EXPECT_TRUE(IsOpenSuccess(result));
    EXPECT_FALSE(looked);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0], (std::vector<std::string>{"xdg-open", "mailto:a@b"}));
}

TEST(OpenLink, OpenerFailureFallsBackToTheBrowserWithTheTargetAsOneArgument) {
    ScriptedStarter starter;
    starter.answers = {{Kind::Exited, 4}, {Kind::StillRunning, 0}};
    const std::string hostile = "http://x/\"; touch /tmp/owned; $(id)\n";
    const int result =
        OpenLink(hostile, starter, [] { return std::optional<std::string>("\"/usr/bin/web\" \"%1\""); });
    EXPECT_TRUE(IsOpenSuccess(result));
    ASSERT_EQ(starter.started.size(), 2u);
    EXPECT_EQ(starter.started[0], (std::vector<std::string>{"xdg-open", hostile}));
    EXPECT_EQ(starter.started[1], (std::vector<std::string>{"/usr/bin/web", hostile}));
}

TEST(OpenLink, FailuresReportTheRightCode) {
    struct Case {
        const char* name;
        std::vector<ProcessOutcome> answers;
        std::optional<std::string> browser;
        int expected;
    };
    const std::vector<Case> cases = {
        {"no browser: the opener's code", {{Kind::Exited, 4}}, std::nullopt, kErrorNoAssociation},
        {"opener missing, no browser", {{Kind::NotStarted, ENOENT}}, std::nullopt, kErrorFileNotFound},
        {"browser missing",
         {{Kind::Exited, 3}, {Kind::NotStarted, ENOENT}},
         "nothere %u",
         kErrorFileNotFound},
        {"browser not executable",
         {{Kind::Exited, 3}, {Kind::NotStarted, EACCES}},
         "b %u",
         kErrorAccessDenied},
        {"command line too long", {{Kind::Exited, 4}}, std::string(600, 'b'), kErrorOutOfMemory},
        {"opener killed", {{Kind::Signalled, 9}}, std::nullopt, kErrorNoAssociation},
    };
    for (const auto& c : cases) {
        ScriptedStarter starter;
        starter.answers = c.answers;
        EXPECT_EQ(OpenLink("https://x/", starter, [&] { return c.browser; }), c.expected) << c.name;
        EXPECT_EQ(starter.started.size(), c.answers.size()) << c.name;
    }
}

TEST(OpenLink, TargetsThatReadAsOptionsAreNeverHandedOn) {
    for (const std::string target : {"", "--help", "-x"}) {
        ScriptedStarter starter;
        EXPECT_EQ(OpenLink(target, starter, [] { return std::optional<std::string>("b %u"); }),
                  kErrorFileNotFound);
        EXPECT_TRUE(starter.started.empty());
    }
}

TEST(ProcessStarter, RealStarterPassesHostileArgumentsVerbatimAndReportsExitStatus) {
    // sh is the program here only to observe its argv; the hostile text is data, never code.
    const std::string hostile = "a\"; exit 7; $(exit 9)\nb";
    const ProcessOutcome same = AppProcessStarter().Start(
        {"sh", "-c", "test \"$1\" = \"$2\" && exit 0 || exit 1", "sh", hostile, hostile},
        std::chrono::seconds(5));
    EXPECT_EQ(same.kind, Kind::Exited);
    EXPECT_EQ(same.value, 0);
    const ProcessOutcome missing =
        AppProcessStarter().Start({"/nonexistent/opener"}, std::chrono::seconds(1));
    EXPECT_EQ(missing.kind, Kind::NotStarted);
    EXPECT_EQ(missing.value, ENOENT);
    const ProcessOutcome slow = AppProcessStarter().Start({"sleep", "1"}, std::chrono::milliseconds(50));
    EXPECT_EQ(slow.kind, Kind::StillRunning);
}

} // namespace
