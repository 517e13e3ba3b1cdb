#include "TempFolder.h"
#include "settings/ProfileStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

namespace stillmark {
namespace {

struct IntCase {
    std::string stored;
    int expected;
};

class ProfileIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntTest, ReadsLeadingDecimalNumber) {
    test::TempFolder folder;
    const auto file = folder.Path() / "stillmark.INI";
    test::WriteBytes(file, "[Settings]\nValue=" + GetParam().stored + "\n");
    EXPECT_EQ(ProfileStore(file).GetProfileInt("Settings", "Value", 42), GetParam().expected)
        << '"' << GetParam().stored << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileIntTest,
                         testing::Values(IntCase{"12", 12}, IntCase{"12abc", 12}, IntCase{"abc", 0},
                                         IntCase{" -7", -7}, IntCase{"+3", 3}, IntCase{"-0", 0},
                                         IntCase{"0x10", 0}, IntCase{"- 5", 0}, IntCase{"7 8", 7},
                                         IntCase{"99999999999", INT_MAX}, IntCase{"-99999999999", INT_MIN},
                                         IntCase{"2147483647", INT_MAX}, IntCase{"-2147483648", INT_MIN},
                                         // An empty value counts as missing.
                                         IntCase{"", 42}, IntCase{"   ", 42}));

struct StringCase {
    std::string stored;
    std::string expected;
};

class ProfileStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(ProfileStringTest, ReadsTrimmedText) {
    test::TempFolder folder;
    const auto file = folder.Path() / "stillmark.INI";
    test::WriteBytes(file, "[Settings]\nValue=" + GetParam().stored + "\n");
    EXPECT_EQ(ProfileStore(file).GetProfileString("Settings", "Value", "Default"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileStringTest,
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

struct LookupCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected; // "<default>" when the key does not count as stored
};

class ProfileLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookupTest, FindsEntry) {
    test::TempFolder folder;
    const auto path = folder.Path() / "stillmark.INI";
    test::WriteBytes(path, GetParam().file);
    EXPECT_EQ(ProfileStore(path).GetProfileString(GetParam().section, GetParam().key, "<default>"),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileLookupTest,
    testing::Values(
        LookupCase{"Plain", "[Settings]\nStartHour=08:00\n", "Settings", "StartHour", "08:00"},
        LookupCase{"KeyCase", "[Settings]\nstarthour=08:00\n", "Settings", "StartHour", "08:00"},
        LookupCase{"SectionCase", "[SETTINGS]\nStartHour=08:00\n", "Settings", "StartHour", "08:00"},
        LookupCase{"Blanks", "  [ Settings ]  \n\t StartHour \t=  08:00 \n", "Settings", "StartHour",
                   "08:00"},
        LookupCase{"CrLf", "[Settings]\r\nStartHour=08:00\r\nEndHour=09:00\r\n", "Settings", "StartHour",
                   "08:00"},
        LookupCase{"NoFinalLineEnd", "[Settings]\nStartHour=08:00", "Settings", "StartHour", "08:00"},
        LookupCase{"FirstDuplicateWins", "[Settings]\nStartHour=08:00\nSTARTHOUR=09:00\n", "Settings",
                   "StartHour", "08:00"},
        LookupCase{"FirstSectionWins", "[Settings]\nA=1\n[Other]\n[Settings]\nStartHour=09:00\n", "Settings",
                   "StartHour", "<default>"},
        LookupCase{"BeforeAnySection", "StartHour=08:00\n[Settings]\nEndHour=09:00\n", "Settings",
                   "StartHour", "<default>"},
        LookupCase{"OtherSection", "[Other]\nStartHour=08:00\n", "Settings", "StartHour", "<default>"},
        LookupCase{"LaterSectionEndsIt", "[Settings]\n[Other]\nStartHour=08:00\n", "Settings", "StartHour",
                   "<default>"},
        LookupCase{"Comment", "[Settings]\n;StartHour=08:00\n#StartHour=09:00\n", "Settings", "StartHour",
                   "<default>"},
        LookupCase{"NoEquals", "[Settings]\nStartHour\n", "Settings", "StartHour", "<default>"},
        LookupCase{"PrefixIsNotKey", "[Settings]\nStartHourX=1\n", "Settings", "StartHour", "<default>"},
        LookupCase{"UnclosedHeader", "[Settings\nStartHour=08:00\n", "Settings", "StartHour", "<default>"},
        LookupCase{"Empty", "", "Settings", "StartHour", "<default>"},
        LookupCase{"NulInValue", std::string("[Settings]\nStartHour=08") + '\0' + ":00\n", "Settings",
                   "StartHour", std::string("08\0:00", 6)}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST(ProfileReadTest, MissingOrUnreadableFileGivesDefaults) {
    test::TempFolder folder;
    EXPECT_EQ(ProfileStore(folder.Path() / "none" / "stillmark.INI").GetProfileInt("Settings", "A", -1), -1);
    EXPECT_EQ(ProfileStore(folder.Path()).GetProfileString("Settings", "A", "d"), "d"); // a folder
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "none")); // reading creates nothing
}

TEST(ProfileReadTest, EachReadSeesTheCurrentFile) {
    test::TempFolder folder;
    const auto path = folder.Path() / "stillmark.INI";
    const ProfileStore store(path);
    test::WriteBytes(path, "[Settings]\nA=1\n");
    EXPECT_EQ(store.GetProfileInt("Settings", "A", 0), 1);
    test::WriteBytes(path, "[Settings]\nA=2\n");
    EXPECT_EQ(store.GetProfileInt("Settings", "A", 0), 2);
}

class DefaultProfilePathTest : public testing::Test {
protected:
    void SetUp() override {
        Save("XDG_CONFIG_HOME", m_xdg);
        Save("HOME", m_home);
    }
    void TearDown() override {
        Restore("XDG_CONFIG_HOME", m_xdg);
        Restore("HOME", m_home);
    }

private:
    static void Save(const char* name, std::optional<std::string>& into) {
        if (const char* value = std::getenv(name)) {
            into = value;
        }
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    std::optional<std::string> m_xdg, m_home;
};

TEST_F(DefaultProfilePathTest, FollowsTheDesktopConfigFolder) {
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(DefaultProfilePath(), "/cfg/stillmark.INI");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(DefaultProfilePath(), "/home/someone/.config/stillmark.INI");
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(DefaultProfilePath(), "/home/someone/.config/stillmark.INI");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultProfilePath(), "/home/someone/.config/stillmark.INI");
}

} // namespace
} // namespace stillmark
