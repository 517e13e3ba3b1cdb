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
        {"[Desktop Entry]\nType=Application\nExec=/bin/true\n", true},
        {"[Desktop Entry]\nType=Application\nExec=/bin/true\nHidden=true\n", false},
        {"[Desktop Entry]\nType=Application\nExec=/bin/true\nHidden=false\n", true},
        {"[Desktop Entry]\nType=Application\nExec=/bin/true\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Desktop Entry]\nType=Application\nExec=/nowhere/stillmark\n", false}, // the program is gone
        {"", false},                                                             // nothing to start
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
    EXPECT_EQ(entry.TurnOn("/bin/true"), "");
    EXPECT_TRUE(entry.IsOn());
    EXPECT_NE(test::ReadBytes(file).find("\nExec=/bin/true\n"), std::string::npos);
    EXPECT_EQ(test::FileNames(file.parent_path()), std::vector<std::string>{kAutostartFileName})
        << "written through a temporary file that is gone";
    EXPECT_NE(entry.TurnOn("/tmp/line\nbreak"), "");
    EXPECT_NE(test::ReadBytes(file).find("\nExec=/bin/true\n"), std::string::npos) << "kept";
}

// The system's entry counts where the user has none, and the user's entry hides it; a link to a file
// that is not the user's counts as off and is replaced, not written through.
TEST(AutostartEntryTest, TheEntriesReadAsTheDesktopReadsThem) {
    constexpr const char* kStarts = "[Desktop Entry]\nType=Application\nExec=/bin/true\n";
    const struct {
        const char* name;
        const char* system;  // the system's entry; nullptr: none
        bool foreignLink;    // the user's entry is a link to a file the user does not own
        bool on;             // as read at first
        bool offAfterUntick; // and after TurnOff
    } cases[] = {
        {"a system entry alone", kStarts, false, true, true},
        {"a system entry that is hidden", "[Desktop Entry]\nExec=/bin/true\nHidden=true\n", false, false,
         true},
        {"a link to a foreign file", nullptr, true, false, true},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        const std::filesystem::path own = folder.Path() / "user" / kAutostartFileName;
        const std::filesystem::path system = folder.Path() / "system" / kAutostartFileName;
        std::filesystem::create_directories(own.parent_path());
        std::filesystem::create_directories(system.parent_path());
        if (c.system)
            test::WriteBytes(system, c.system);
        if (c.foreignLink) {
            const std::filesystem::path foreign = folder.Path() / "foreign.desktop";
            test::WriteBytes(foreign, kStarts);
            if (::geteuid() == 0 && ::chown(foreign.c_str(), 65534, 65534) != 0)
                continue;
            if (::geteuid() != 0)
                std::filesystem::remove(foreign); // a dangling link is foreign too
            std::filesystem::create_symlink(foreign, own);
        }
        AutostartEntry entry(own, {folder.Path() / "none" / kAutostartFileName, system});
        EXPECT_EQ(entry.IsOn(), c.on) << c.name;
        EXPECT_EQ(entry.TurnOn("/bin/true"), "") << c.name;
        EXPECT_TRUE(entry.IsOn()) << c.name;
        EXPECT_FALSE(std::filesystem::is_symlink(own)) << c.name << ": replaced, not written through";
        EXPECT_EQ(entry.TurnOff(), "") << c.name;
        EXPECT_EQ(!entry.IsOn(), c.offAfterUntick) << c.name;
        if (c.system && c.on) {
            EXPECT_NE(test::ReadBytes(own).find("\nHidden=true\n"), std::string::npos) << c.name;
        }
    }
}

TEST(AutostartEntryTest, TheDesktopStartsTheProgramFromAPathOfAnyShape) {
    if (std::system("command -v gio >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no gio to start a desktop entry with";
    test::TempFolder folder;
    // Every character the Exec rules reserve, and a '%' the field codes would take.
    const std::filesystem::path odd = folder.Path() / "a 'b' \"c\" $HOME back\\slash `t` <>~|&;*?#() 100%";
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
