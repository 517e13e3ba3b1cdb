#include "TempFolder.h"

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace stillmark {
namespace {

class SettingsWriteTest : public testing::Test {
protected:
    std::filesystem::path File() const { return m_folder.Path() / "stillmark.INI"; }
    SettingsStore Store() const { return SettingsStore(File()); }
    std::vector<std::string> Names() const { return test::FileNames(m_folder.Path()); }

    test::TempFolder m_folder;
};

const std::string kTenKeys =
    "StartHour=07:00\nEndHour=22:00\nIncrement=30 min\nStillpoints=5\nSoundToPlay=Default\n"
    "UseSound=1\nStartMinimized=0\nUseAmPm=0\nShowTip=1\nSoundFilter=1\n";

TEST_F(SettingsWriteTest, WritesTheTenKeysAndThePositionOnceItIsKnown) {
    struct Case {
        const char* name;
        std::string before;
        WindowRect position;
        std::string after;
        std::string days = "1111111", pausedOn = "";
        bool quiet = true;
    };
    const Case cases[] = {
        {"fresh file", "", {}, "[Settings]\n" + kTenKeys},
        {"position known",
         "",
         {100, 80, -300, 2147483647},
         "[Settings]\n" + kTenKeys + "WinPosLTX=100\nWinPosLTY=80\nWinPosRBX=-300\nWinPosRBY=2147483647\n"},
        {"one corner known",
         "",
         {-1, 80, -1, -1},
         "[Settings]\n" + kTenKeys + "WinPosLTX=-1\nWinPosLTY=80\nWinPosRBX=-1\nWinPosRBY=-1\n"},
        {"position stored before",
         "[Settings]\nWinPosRBY=7\n",
         {},
         "[Settings]\nWinPosRBY=-1\n" + kTenKeys + "WinPosLTX=-1\nWinPosLTY=-1\nWinPosRBX=-1\n"},
        {"days and pause set",
         "",
         {},
         "[Settings]\n" + kTenKeys + "Days=1111100\nPausedOn=2026-12-08\n",
         "1111100",
         "2026-12-08"},
        {"malformed days kept, pause ended",
         "[Settings]\nDays=weekdays\nPausedOn=2026-12-07\n",
         {},
         "[Settings]\nDays=weekdays\nPausedOn=\n" + kTenKeys,
         "weekdays"},
        {"quiet switched off", "", {}, "[Settings]\n" + kTenKeys + "QuietWhenBusy=0\n", "1111111", "", false},
        {"quiet stored before, back on",
         "[Settings]\nQuietWhenBusy=0\n",
         {},
         "[Settings]\nQuietWhenBusy=1\n" + kTenKeys},
    };
    for (const Case& c : cases) {
        test::WriteBytes(File(), c.before);
        if (c.before.empty())
            std::filesystem::remove(File());
        Settings settings;
        settings.windowBounds = c.position;
        settings.alertDays = c.days;
        settings.pausedOn = c.pausedOn;
        settings.quietWhenBusy = c.quiet;
        const Outcome result = Store().Save(settings);
        EXPECT_TRUE(result.ok()) << c.name << ": " << result.problem;
        EXPECT_EQ(test::ReadBytes(File()), c.after) << c.name;
    }
}

TEST_F(SettingsWriteTest, SettingsSurviveARoundTrip) {
    Settings written;
    written.windowBounds = {-1, 80, 500, 400};
    written.startTime = "08:15 am";
    written.endTime = "";
    written.increment = "1 hour";
    written.momentCount = 41;
    written.useSound = false;
    written.startInBackground = 2;
    written.useAmPm = true;
    written.showTips = false;
    written.reminderSound = "/home/u/Music/Glocke \xc3\xa4 = 1.mp3";
    written.soundFilter = 3;
    written.alertDays = "0000011";
    written.pausedOn = "2026-12-08";
    written.quietWhenBusy = false;
    SettingsStore store = Store();
    ASSERT_TRUE(store.Save(written).ok());
    EXPECT_EQ(store.Load().settings, written);
}

TEST_F(SettingsWriteTest, MalformedFileReadsUnchangedAndKeepsItsBytesOnWrite) {
    using namespace std::string_literals; // literals with NUL bytes in them
    std::string junk = "\x00\xff\xfe garbage \x80\x81=\xc3\x28\n"s;
    junk += "\0\0\0\n"s;
    junk += "StartHour=10:00\n"; // before any section: belongs to none
    junk += std::string(100000, 'q') + "\n";
    junk += "[Settings]\r\n";
    junk += "WinPosLTX=12abc\r\n";
    junk += std::string(100000, '=') + "\r\n";
    junk += "Stillpoints=\x01\x02\r\n";
    junk += "SoundToPlay=\xff\xfe\xfd\r\n";
    junk += "winposltx=99\r\n";
    junk += "[\0\xff]\n"s; // a header of junk: ends the section
    junk += "SoundFilter=7\n";
    junk.push_back('\0');
    test::WriteBytes(File(), junk);
    struct stat before {};
    ASSERT_EQ(::stat(File().c_str(), &before), 0);

    SettingsStore store = Store();
    Settings read = store.Load().settings;
    EXPECT_EQ(read.windowBounds.left, 12);
    EXPECT_EQ(read.startTime, "07:00");
    EXPECT_EQ(read.momentCount, 0);
    EXPECT_EQ(read.reminderSound, "\xff\xfe\xfd");
    EXPECT_EQ(read.soundFilter, 1);

    struct stat after {};
    ASSERT_EQ(::stat(File().c_str(), &after), 0);
    EXPECT_TRUE(test::ReadBytes(File()) == junk); // no diff print of 200 000 bytes
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    read.windowBounds = {1, 2, 3, 4};
    ASSERT_TRUE(store.Save(read).ok());
    std::string expected = junk;
    expected.replace(expected.find("WinPosLTX=12abc"), 15, "WinPosLTX=1");
    expected.replace(expected.find("Stillpoints=\x01\x02"), 14, "Stillpoints=0");
    expected.replace(
        expected.find("winposltx=99\r\n"), 14,
        "winposltx=99\r\nStartHour=07:00\r\nEndHour=22:00\r\nIncrement=30 min\r\nUseSound=1\r\n"
        "StartMinimized=0\r\nUseAmPm=0\r\nShowTip=1\r\nSoundFilter=1\r\nWinPosLTY=2\r\nWinPosRBX=3\r\n"
        "WinPosRBY=4\r\n");
    EXPECT_TRUE(test::ReadBytes(File()) == expected);
    EXPECT_EQ(Names(), std::vector<std::string>{"stillmark.INI"});
}

TEST_F(SettingsWriteTest, ValueWithLineBreakKeepsItsStoredValue) {
    Settings settings;
    settings.reminderSound = "/a.wav";
    SettingsStore store = Store();
    ASSERT_TRUE(store.Save(settings).ok());
    for (const char* sound : {"/c.wav\r\n", "/c.wav\r", "/c.wav\n[Settings]\nStartHour=03:00"}) {
        settings.startTime = std::string("06:0") + std::to_string(std::string(sound).size() % 10);
        settings.reminderSound = sound;
        const Outcome result = store.Save(settings);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.problem, "Stillmark cannot save its settings to " + File().string() +
                                      ": the value of SoundToPlay holds a line break");
        // The other settings are still written.
        const Settings read = store.Load().settings;
        EXPECT_EQ(read.startTime, settings.startTime);
        EXPECT_EQ(read.reminderSound, "/a.wav");
        EXPECT_EQ(test::ReadBytes(File()).find('\r'), std::string::npos);
    }
    const Translator french = [](const char* english) -> std::string {
        return std::string(english) == "the value of %s holds a line break" ? "%s contient un saut de ligne"
                                                                            : "%2$s (%1$s)";
    };
    EXPECT_EQ(SettingsStore(File(), french).Save(settings).problem,
              "SoundToPlay contient un saut de ligne (" + File().string() + ")");
}

TEST_F(SettingsWriteTest, MissingFoldersAreCreated) {
    SettingsStore store(m_folder.Path() / "a" / "b" / "stillmark.INI");
    Settings settings;
    settings.useSound = false;
    ASSERT_TRUE(store.Save(settings).ok());
    EXPECT_FALSE(store.Load().settings.useSound);
}

TEST_F(SettingsWriteTest, UnchangedContentIsNotRewritten) {
    SettingsStore store = Store();
    ASSERT_TRUE(store.Save(Settings{}).ok());
    ::chmod(File().c_str(), 0640);
    struct stat before {};
    ::stat(File().c_str(), &before);
    ASSERT_TRUE(store.Save(Settings{}).ok());
    struct stat after {};
    ::stat(File().c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);

    Settings changed;
    changed.showTips = false;
    ASSERT_TRUE(store.Save(changed).ok());
    ::stat(File().c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino) << "a change is a new file renamed into place";
    EXPECT_EQ(after.st_mode & 07777, 0640u) << "it keeps the permissions of the old one";
}

TEST_F(SettingsWriteTest, AByteOrderMarkIsReadAndKept) {
    const std::string bom = "\xEF\xBB\xBF";
    test::WriteBytes(File(), bom + "[Settings]\r\nStillpoints=9\r\n");
    SettingsStore store = Store();
    Settings read = store.Load().settings;
    EXPECT_EQ(read.momentCount, 9);
    read.momentCount = 8;
    ASSERT_TRUE(store.Save(read).ok());
    const std::string bytes = test::ReadBytes(File());
    EXPECT_EQ(bytes.rfind(bom + "[Settings]\r\nStillpoints=8\r\n", 0), 0u) << bytes;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '['), 1) << "one section, not a second one";
    EXPECT_EQ(store.Load().settings.momentCount, 8);
}

TEST_F(SettingsWriteTest, LeftoversOfKilledWritersAreRemovedOnTheNextWrite) {
    // A process id that cannot run: beyond the kernel's largest.
    const std::string dead = ".stillmark.INI.tmp-99999999-0";
    const std::string alive = ".stillmark.INI.tmp-" + std::to_string(::getppid()) + "-0";
    const std::string foreign = ".other.INI.tmp-99999999-0";
    for (const std::string& name : {dead, alive, foreign})
        test::WriteBytes(m_folder.Path() / name, "half a file");
    ASSERT_TRUE(Store().Save(Settings{}).ok());
    const auto names = Names();
    EXPECT_EQ(std::count(names.begin(), names.end(), dead), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), alive), 1) << "a running writer's file stays";
    EXPECT_EQ(std::count(names.begin(), names.end(), foreign), 1) << "other files are not touched";
}

} // namespace
} // namespace stillmark
