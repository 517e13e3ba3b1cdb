#include "TempFolder.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace stillmark {
namespace {

// Loads a file whose [Settings] section holds the given lines.
Settings LoadSection(const std::string& lines) {
    test::TempFolder folder;
    const auto file = folder.Path() / "stillmark.INI";
    test::WriteBytes(file, "[Settings]\n" + lines + "\n");
    const LoadResult result = SettingsStore(file).Load();
    EXPECT_EQ(result.problem, "");
    return result.settings;
}

struct IntCase {
    std::string stored;
    std::optional<int> expected; // none: read as missing, each key keeps its default
};

class SettingsIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(SettingsIntTest, ReadsLeadingDecimalNumber) {
    const Settings read =
        LoadSection("Stillpoints=" + GetParam().stored + "\nWinPosRBY=" + GetParam().stored);
    const Settings defaults;
    EXPECT_EQ(read.momentCount, GetParam().expected.value_or(defaults.momentCount))
        << '"' << GetParam().stored << '"';
    EXPECT_EQ(read.windowBounds.bottom, GetParam().expected.value_or(defaults.windowBounds.bottom))
        << '"' << GetParam().stored << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsIntTest,
                         testing::Values(IntCase{"12", 12}, IntCase{"12abc", 12}, IntCase{"abc", 0},
                                         IntCase{" -7", -7}, IntCase{"+3", 3}, IntCase{"-0", 0},
                                         IntCase{"0x10", 0}, IntCase{"- 5", 0}, IntCase{"7 8", 7},
                                         IntCase{"99999999999", INT_MAX}, IntCase{"-99999999999", INT_MIN},
                                         IntCase{"2147483647", INT_MAX}, IntCase{"-2147483648", INT_MIN},
                                         // An empty value counts as missing: the default stays.
                                         IntCase{"", std::nullopt}, IntCase{"   ", std::nullopt},
                                         IntCase{"5", 5}));

TEST(SettingsReadTest, SwitchesAreOnForAnyNumberButZero) {
    for (const auto& [stored, expected] : std::vector<std::pair<std::string, bool>>{
             {"0", false}, {"1", true}, {"2", true}, {"-1", true}, {"abc", false}, {"", true}}) {
        const Settings read =
            LoadSection("UseSound=" + stored + "\nShowTip=" + stored + "\nUseAmPm=" + stored);
        EXPECT_EQ(read.useSound, expected) << stored;
        EXPECT_EQ(read.showTips, expected) << stored;
        EXPECT_EQ(read.useAmPm, stored.empty() ? false : expected) << stored;
    }
}

struct StringCase {
    std::string stored;
    std::string expected;
};

class SettingsStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(SettingsStringTest, ReadsTrimmedText) {
    EXPECT_EQ(LoadSection("SoundToPlay=" + GetParam().stored).reminderSound, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsStringTest,
    testing::Values(StringCase{"", ""}, StringCase{"   ", ""}, StringCase{"  x y \t", "x y"},
                    StringCase{"a=b", "a=b"}, StringCase{"C:\\sounds\\a.wav", "C:\\sounds\\a.wav"},
                    StringCase{"/home/u/Bell; ring #2.wav", "/home/u/Bell; ring #2.wav"},
                    StringCase{"\"quoted\"", "\"quoted\""},
                    StringCase{std::string(5000, 'x'), std::string(4095, 'x')},
                    // The cut never splits a UTF-8 character.
                    StringCase{std::string(4094, 'a') + "\xc3\xa9" + "zz", std::string(4094, 'a')},
                    StringCase{std::string(4093, 'a') + "\xe2\x82\xac" + "z", std::string(4093, 'a')},
                    StringCase{std::string(4092, 'a') + "\xe2\x82\xac" + "z",
                               std::string(4092, 'a') + "\xe2\x82\xac"},
                    StringCase{std::string(4095, 'a') + "\x80\x80\x80\x80", std::string(4095, 'a')}));

TEST(SettingsReadTest, MissingFileGivesDefaultsQuietly) {
    test::TempFolder folder;
    const LoadResult result = SettingsStore(folder.Path() / "none" / "stillmark.INI").Load();
    EXPECT_EQ(result.settings, Settings{});
    EXPECT_EQ(result.problem, "");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "none")); // reading creates nothing
}

TEST(SettingsReadTest, EachLoadSeesTheCurrentFile) {
    test::TempFolder folder;
    const auto path = folder.Path() / "stillmark.INI";
    SettingsStore store(path);
    test::WriteBytes(path, "[Settings]\nStillpoints=1\n");
    EXPECT_EQ(store.Load().settings.momentCount, 1);
    test::WriteBytes(path, "[Settings]\nStillpoints=2\n");
    EXPECT_EQ(store.Load().settings.momentCount, 2);
}

TEST(SettingsReadTest, EveryKeyIsReadFromOneSection) {
    Settings expected;
    expected.windowBounds = {1, 2, 3, 4};
    expected.startTime = "08:00";
    expected.endTime = "09:00";
    expected.increment = "1 hour";
    expected.momentCount = 7;
    expected.useSound = false;
    expected.startInBackground = 2;
    expected.useAmPm = true;
    expected.showTips = false;
    expected.reminderSound = "/a.wav";
    expected.soundFilter = 3;
    EXPECT_EQ(
        LoadSection("winposltx=1\nWINPOSLTY=2\nWinPosRBX=3\nWinPosRBY=4\nStartHour=08:00\nEndHour=09:00\n"
                    "Increment=1 hour\nStillpoints=7\nUseSound=0\nStartMinimized=2\nUseAmPm=1\n"
                    "ShowTip=0\nSoundToPlay=/a.wav\nSoundFilter=3"),
        expected);
}

} // namespace
} // namespace stillmark
