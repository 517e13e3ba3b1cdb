#include "TempFolder.h"

#include "settings/ProfileStore.h"
#include "settings/Settings.h"
#include <algorithm>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stillmark {
namespace {

class ProfileWriteTest : public testing::Test {
protected:
    std::filesystem::path File() const { return m_folder.Path() / "stillmark.INI"; }
    ProfileStore Store() const { return ProfileStore(File()); }
    std::vector<std::string> Names() const { return test::FileNames(m_folder.Path()); }

    test::TempFolder m_folder;
};

struct EditCase {
    const char* name;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

class ProfileEditTest : public ProfileWriteTest, public testing::WithParamInterface<EditCase> {};

TEST_P(ProfileEditTest, ChangesOnlyTheTouchedLine) {
    test::WriteBytes(File(), GetParam().before);
    ProfileStore store = Store();
    ASSERT_TRUE(store.WriteProfileString("Settings", GetParam().key, GetParam().value));
    EXPECT_EQ(test::ReadBytes(File()), GetParam().after);
    EXPECT_EQ(store.GetProfileString("Settings", GetParam().key, "<default>"), GetParam().value);
}

const std::string kRichFile = "; written by hand\n"
                              "Stray=before any section\n"
                              "[Other]\n"
                              "StartHour=not ours\n"
                              "\n"
                              "[settings]\n"
                              "  starthour = 08:00  ; not a comment\n"
                              "Unknown=kept\n"
                              "junk line without equals\n"
                              "StartHour=second\n"
                              "\n"
                              "[Tail]\n"
                              "x=1";

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileEditTest,
    testing::Values(
        EditCase{"NewFile", "", "StartHour", "09:00", "[Settings]\nStartHour=09:00\n"},
        EditCase{
            "ReplaceKeepsKeySpelling", kRichFile, "StartHour", "09:00",
            "; written by hand\nStray=before any section\n[Other]\nStartHour=not ours\n\n[settings]\n"
            "  starthour =09:00\nUnknown=kept\njunk line without equals\nStartHour=second\n\n[Tail]\nx=1"},
        EditCase{
            "AddAfterLastEntryOfSection", kRichFile, "EndHour", "23:00",
            "; written by hand\nStray=before any section\n[Other]\nStartHour=not ours\n\n[settings]\n"
            "  starthour = 08:00  ; not a comment\nUnknown=kept\njunk line without equals\nStartHour=second\n"
            "EndHour=23:00\n\n[Tail]\nx=1"},
        EditCase{"AddSectionAfterOthers", "[Other]\r\nA=1", "StartHour", "09:00",
                 "[Other]\r\nA=1\r\n\r\n[Settings]\r\nStartHour=09:00\r\n"},
        EditCase{"CrLfKept", "[Settings]\r\nStartHour=07:00\r\nEndHour=22:00\r\n", "EndHour", "21:00",
                 "[Settings]\r\nStartHour=07:00\r\nEndHour=21:00\r\n"},
        EditCase{"LastLineWithoutEnd", "[Settings]\nStartHour=07:00", "EndHour", "21:00",
                 "[Settings]\nStartHour=07:00\nEndHour=21:00\n"},
        EditCase{"EmptyValue", "[Settings]\nSoundToPlay=Default\n", "SoundToPlay", "",
                 "[Settings]\nSoundToPlay=\n"}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST_F(ProfileWriteTest, FreshFileHoldsExitKeysInWriteOrder) {
    ProfileStore store = Store();
    ASSERT_TRUE(WriteExitSettings(store, Settings{}));
    EXPECT_EQ(test::ReadBytes(File()), "[Settings]\n"
                                       "StartHour=07:00\n"
                                       "EndHour=22:00\n"
                                       "Increment=30 min\n"
                                       "Stillpoints=5\n"
                                       "SoundToPlay=Default\n"
                                       "UseSound=1\n"
                                       "StartMinimized=0\n"
                                       "UseAmPm=0\n"
                                       "ShowTip=1\n"
                                       "SoundFilter=1\n");
    ASSERT_TRUE(WriteWindowPosition(store, 100, 80, -300, 2147483647));
    EXPECT_NE(test::ReadBytes(File()).find("SoundFilter=1\nWinPosLTX=100\nWinPosLTY=80\nWinPosRBX=-300\n"
                                           "WinPosRBY=2147483647\n"),
              std::string::npos);
}

TEST_F(ProfileWriteTest, SettingsSurviveARoundTrip) {
    Settings written;
    written.startHour = "08:15 am";
    written.endHour = "";
    written.increment = "1 hour";
    written.stillpoints = 41;
    written.useSound = 0;
    written.startMinimized = 1;
    written.useAmPm = 1;
    written.showTip = 0;
    written.soundToPlay = "/home/u/Music/Glocke \xc3\xa4 = 1.mp3";
    written.soundFilter = 3;
    ProfileStore store = Store();
    ASSERT_TRUE(WriteExitSettings(store, written));
    ASSERT_TRUE(WriteWindowPosition(store, -1, 80, 500, 400));
    written.winPosLTX = -1;
    written.winPosLTY = 80;
    written.winPosRBX = 500;
    written.winPosRBY = 400;

    const Settings read = ReadSettings(store);
    EXPECT_EQ(read.winPosLTX, written.winPosLTX);
    EXPECT_EQ(read.winPosLTY, written.winPosLTY);
    EXPECT_EQ(read.winPosRBX, written.winPosRBX);
    EXPECT_EQ(read.winPosRBY, written.winPosRBY);
    EXPECT_EQ(read.startHour, written.startHour);
    EXPECT_EQ(read.endHour, written.endHour);
    EXPECT_EQ(read.increment, written.increment);
    EXPECT_EQ(read.stillpoints, written.stillpoints);
    EXPECT_EQ(read.useSound, written.useSound);
    EXPECT_EQ(read.startMinimized, written.startMinimized);
    EXPECT_EQ(read.useAmPm, written.useAmPm);
    EXPECT_EQ(read.showTip, written.showTip);
    EXPECT_EQ(read.soundToPlay, written.soundToPlay);
    EXPECT_EQ(read.soundFilter, written.soundFilter);
}

TEST_F(ProfileWriteTest, NoFileGivesDefaults) {
    const Settings read = ReadSettings(Store());
    const Settings defaults;
    EXPECT_EQ(read.winPosLTX, -1);
    EXPECT_EQ(read.winPosRBY, -1);
    EXPECT_EQ(read.startHour, "07:00");
    EXPECT_EQ(read.endHour, "22:00");
    EXPECT_EQ(read.increment, "30 min");
    EXPECT_EQ(read.stillpoints, 5);
    EXPECT_EQ(read.useSound, 1);
    EXPECT_EQ(read.startMinimized, 0);
    EXPECT_EQ(read.useAmPm, 0);
    EXPECT_EQ(read.showTip, 1);
    EXPECT_EQ(read.soundToPlay, "Default");
    EXPECT_EQ(read.soundFilter, 1);
    EXPECT_TRUE(Names().empty());
}

TEST_F(ProfileWriteTest, MalformedFileReadsUnchangedAndKeepsItsBytesOnWrite) {
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

    ProfileStore store = Store();
    const Settings read = ReadSettings(store);
    EXPECT_EQ(read.winPosLTX, 12);
    EXPECT_EQ(read.startHour, "07:00");
    EXPECT_EQ(read.stillpoints, 0);
    EXPECT_EQ(read.soundToPlay, "\xff\xfe\xfd");
    EXPECT_EQ(read.soundFilter, 1);

    struct stat after {};
    ASSERT_EQ(::stat(File().c_str(), &after), 0);
    EXPECT_TRUE(test::ReadBytes(File()) == junk); // no diff print of 200 000 bytes
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    ASSERT_TRUE(WriteWindowPosition(store, 1, 2, 3, 4));
    std::string expected = junk;
    expected.replace(expected.find("WinPosLTX=12abc"), 15, "WinPosLTX=1");
    expected.replace(expected.find("winposltx=99\r\n"), 14,
                     "winposltx=99\r\nWinPosLTY=2\r\nWinPosRBX=3\r\nWinPosRBY=4\r\n");
    EXPECT_TRUE(test::ReadBytes(File()) == expected);
    EXPECT_EQ(Names(), std::vector<std::string>{"stillmark.INI"});
}

TEST_F(ProfileWriteTest, ValueWithLineBreakIsRefusedNotForged) {
    ProfileStore store = Store();
    ASSERT_TRUE(store.WriteProfileString("Settings", "SoundToPlay", "/a.wav"));
    const std::string before = test::ReadBytes(File());
    EXPECT_FALSE(store.WriteProfileString("Settings", "SoundToPlay", "/b.wav\n[Settings]\nStartHour=03:00"));
    EXPECT_FALSE(store.WriteProfileString("Settings", "Bad=Key", "x"));
    EXPECT_FALSE(store.WriteProfileString("Bad]Section", "Key", "x"));
    EXPECT_FALSE(
        store.WriteProfileString("Settings", "SoundToPlay", "/b.wav\r")); // a bare CR ends a line too
    EXPECT_FALSE(store.WriteProfileString("Settings", "SoundToPlay", "/b\r.wav"));
    EXPECT_EQ(test::ReadBytes(File()), before);

    // On exit the other settings are still kept; the unstorable one keeps its stored value.
    for (const char* sound : {"/c.wav\r\n", "/c.wav\r", "/c.wav\n"}) {
        Settings settings;
        settings.startHour = std::string("06:0") + std::to_string(std::strlen(sound));
        settings.soundToPlay = sound;
        EXPECT_FALSE(WriteExitSettings(store, settings));
        EXPECT_EQ(store.GetProfileString("Settings", "StartHour", ""), settings.startHour);
        EXPECT_EQ(store.GetProfileString("Settings", "SoundToPlay", ""), "/a.wav");
        EXPECT_EQ(test::ReadBytes(File()).find('\r'), std::string::npos);
    }
}

TEST_F(ProfileWriteTest, EmptyBatchCreatesNoFile) {
    ProfileStore store = Store();
    EXPECT_TRUE(store.WriteProfileValues("Settings", {}));
    EXPECT_TRUE(Names().empty());
}

TEST_F(ProfileWriteTest, MissingFoldersAreCreated) {
    ProfileStore store(m_folder.Path() / "a" / "b" / "stillmark.INI");
    ASSERT_TRUE(store.WriteProfileInt("Settings", "UseSound", 0));
    EXPECT_EQ(store.GetProfileInt("Settings", "UseSound", 1), 0);
}

TEST_F(ProfileWriteTest, PermissionsAndSymbolicLinkAreKept) {
    const auto real = m_folder.Path() / "real.INI";
    test::WriteBytes(real, "[Settings]\n");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, File());
    ProfileStore store = Store();
    ASSERT_TRUE(store.WriteProfileInt("Settings", "ShowTip", 0));
    EXPECT_TRUE(std::filesystem::is_symlink(File()));
    EXPECT_EQ(test::ReadBytes(real), "[Settings]\nShowTip=0\n");
    struct stat status {};
    ASSERT_EQ(::stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"real.INI", "stillmark.INI"}));
}

TEST_F(ProfileWriteTest, UnreadableFileIsNotOverwritten) {
    // Each makes a file that exists but cannot be read; writing would replace content nobody has seen.
    const std::vector<std::pair<const char*, std::function<void(const std::filesystem::path&)>>> kinds = {
        {"folder", [](const auto& file) { std::filesystem::create_directory(file); }},
        {"link to itself", [](const auto& file) { std::filesystem::create_symlink(file.filename(), file); }},
        {"no read permission",
         [](const auto& file) {
             test::WriteBytes(file, "[Settings]\nShowTip=1\n");
             ::chmod(file.c_str(), 0200);
         }},
    };
    for (const auto& [name, make] : kinds) {
        if (std::string(name) == "no read permission" && ::geteuid() == 0)
            continue; // root reads anything
        test::TempFolder folder;
        const auto file = folder.Path() / "stillmark.INI";
        make(file);
        const auto before = std::filesystem::symlink_status(file);
        ProfileStore store(file);
        EXPECT_FALSE(store.WriteProfileInt("Settings", "ShowTip", 0)) << name;
        const auto after = std::filesystem::symlink_status(file);
        EXPECT_EQ(after.type(), before.type()) << name;
        EXPECT_EQ(after.permissions(), before.permissions()) << name;
        EXPECT_EQ(test::FileNames(folder.Path()), std::vector<std::string>{"stillmark.INI"}) << name;
    }
}

TEST_F(ProfileWriteTest, ReadOnlyFolderFailsAndKeepsOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders; the full-disk test covers the failure path";
    }
    test::WriteBytes(File(), "[Settings]\nShowTip=1\n");
    ::chmod(m_folder.Path().c_str(), 0555);
    ProfileStore store = Store();
    EXPECT_FALSE(store.WriteProfileInt("Settings", "ShowTip", 0));
    ::chmod(m_folder.Path().c_str(), 0755);
    EXPECT_EQ(test::ReadBytes(File()), "[Settings]\nShowTip=1\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"stillmark.INI"});
}

TEST_F(ProfileWriteTest, FullDiskFailsAndKeepsOldFile) {
    const std::string old = "[Settings]\nSoundToPlay=/old.wav\n";
    test::WriteBytes(File(), old);

    // A file size limit below the new content makes the write fail as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ProfileStore store = Store();
    const bool written = store.WriteProfileString("Settings", "SoundToPlay", std::string(200, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_FALSE(written);
    EXPECT_EQ(test::ReadBytes(File()), old);
    EXPECT_EQ(Names(), std::vector<std::string>{"stillmark.INI"});
}

TEST_F(ProfileWriteTest, UnchangedContentIsNotRewritten) {
    ProfileStore store = Store();
    ASSERT_TRUE(store.WriteProfileInt("Settings", "ShowTip", 1));
    struct stat before {};
    ::stat(File().c_str(), &before);
    ASSERT_TRUE(store.WriteProfileInt("Settings", "ShowTip", 1));
    struct stat after {};
    ::stat(File().c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(ProfileWriteTest, LeftoversOfKilledWritersAreRemovedOnTheNextWrite) {
    // A process id that cannot run: beyond the kernel's largest.
    const std::string dead = ".stillmark.INI.tmp-99999999-0";
    const std::string alive = ".stillmark.INI.tmp-" + std::to_string(::getppid()) + "-0";
    const std::string foreign = ".other.INI.tmp-99999999-0";
    for (const std::string& name : {dead, alive, foreign})
        test::WriteBytes(m_folder.Path() / name, "half a file");
    ASSERT_TRUE(Store().WriteProfileInt("Settings", "ShowTip", 0));
    const auto names = Names();
    EXPECT_EQ(std::count(names.begin(), names.end(), dead), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), alive), 1) << "a running writer's file stays";
    EXPECT_EQ(std::count(names.begin(), names.end(), foreign), 1) << "other files are not touched";
}

} // namespace
} // namespace stillmark
