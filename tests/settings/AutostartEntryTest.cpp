#include "TempFolder.h"

#include "platform/linux/AutostartEntry.h"
#include "platform/linux/Locations.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace stillmark {
namespace {

TEST(AutostartEntryTest, ExecArgumentsAreQuotedAndEscapedAsTheDesktopReadsThem) {
    const struct {
        const char* argument;
        const char* exec;
    } cases[] = {
        {"/usr/bin/stillmark", "/usr/bin/stillmark"},
        {"/opt/My Apps/stillmark", R"("/opt/My Apps/stillmark")"},
        {"/home/u/a'b/stillmark", R"("/home/u/a'b/stillmark")"},
        {"/home/u/say \"hi\"/x", R"("/home/u/say \\"hi\\"/x")"},
        {"/home/u/$HOME/x", R"("/home/u/\\$HOME/x")"},
        {"/home/u/back\\slash", R"("/home/u/back\\\\slash")"},
        {"/home/u/100%/x", "/home/u/100%%/x"},
        {"/home/u/100% sure/x", R"("/home/u/100%% sure/x")"},
        {"/home/u/line\nbreak", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExecArgument(c.argument), c.exec) << c.argument;
}

TEST(AutostartEntryTest, TheFileIsTheTruth) {
    test::TempFolder folder;
    const std::filesystem::path file = folder.Path() / "autostart" / kAutostartFileName;
    AutostartEntry entry(file);
    const struct {
        const char* content; // nullptr: no file
        bool on;
    } cases[] = {
        {nullptr, false},
        {"[Desktop Entry]\nType=Application\nExec=stillmark\n", true},
        {"[Desktop Entry]\nExec=stillmark\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=stillmark\nHidden=false\n", true},
        {"", true},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(file);
        if (c.content) {
            std::filesystem::create_directories(file.parent_path());
            test::WriteBytes(file, c.content);
        }
        EXPECT_EQ(entry.IsOn(), c.on) << (c.content ? c.content : "(none)");
    }

    EXPECT_EQ(entry.TurnOff(), "");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(entry.TurnOff(), "") << "off twice";
    EXPECT_EQ(entry.TurnOn("/usr/bin/stillmark"), "");
    EXPECT_TRUE(entry.IsOn());
    EXPECT_NE(test::ReadBytes(file).find("\nExec=/usr/bin/stillmark\n"), std::string::npos);
    EXPECT_EQ(test::FileNames(file.parent_path()), std::vector<std::string>{kAutostartFileName})
        << "written through a temporary file that is gone";
    EXPECT_NE(entry.TurnOn("/tmp/line\nbreak"), "");
    EXPECT_NE(test::ReadBytes(file).find("\nExec=/usr/bin/stillmark\n"), std::string::npos) << "kept";
}

TEST(AutostartEntryTest, TheDesktopStartsTheProgramFromAPathOfAnyShape) {
    if (std::system("command -v gio >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no gio to start a desktop entry with";
    test::TempFolder folder;
    // Every character the Exec rules reserve, but no '%': GLib looks for the program before it undoes
    // the doubled "%%" and finds none.
    const std::filesystem::path odd = folder.Path() / "a 'b' \"c\" $HOME back\\slash `t` <>~|&;*?#()";
    std::filesystem::create_directories(odd);
    const std::filesystem::path launcher = odd / "stillmark";
    const std::filesystem::path marker = folder.Path() / "started";
    test::WriteBytes(launcher, "#!/bin/sh\ntouch '" + marker.string() + "'\n");
    ::chmod(launcher.c_str(), 0755);
    AutostartEntry entry(folder.Path() / kAutostartFileName);
    ASSERT_EQ(entry.TurnOn(launcher), "");
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") == 0) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + entry.Path().string() + "'").c_str()), 0);
    }
    EXPECT_EQ(std::system(("gio launch '" + entry.Path().string() + "' 2>&1").c_str()), 0);
    for (int i = 0; i < 50 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(std::filesystem::exists(marker)) << test::ReadBytes(entry.Path());
}

TEST(AutostartEntryTest, TheLauncherIsTheCommandThatStartedTheProgram) {
    test::TempFolder folder;
    const std::filesystem::path bin = folder.Path() / "bin";
    std::filesystem::create_directories(bin);
    test::WriteBytes(bin / "stillmark", "#!/bin/sh\n");
    ::chmod((bin / "stillmark").c_str(), 0755);
    test::WriteBytes(bin / "plain", "not a program\n");
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string path = "relative:/nowhere:" + bin.string();
    const struct {
        std::string argv0;
        std::filesystem::path launcher;
    } cases[] = {
        {(bin / "stillmark").string(), bin / "stillmark"},
        {(bin / "." / "stillmark").string(), bin / "stillmark"},
        {"stillmark", bin / "stillmark"}, // found through PATH
        {"plain", self},                  // not a program: the running one
        {"nothing-here", self},
        {"", self},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LauncherPath(c.argv0, path), c.launcher) << c.argv0;
}

} // namespace
} // namespace stillmark
