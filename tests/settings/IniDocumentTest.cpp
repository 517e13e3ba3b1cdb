#include "settings/IniDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace stillmark {
namespace {

struct LookupCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected; // "<default>" when the key does not count as stored
};

class IniLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookupTest, FindsEntry) {
    const auto found = IniDocument::Parse(GetParam().file).Find(GetParam().section, GetParam().key);
    EXPECT_EQ(found.value_or("<default>"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniLookupTest,
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

struct EditCase {
    const char* name;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

class IniEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(IniEditTest, ChangesOnlyTheTouchedLine) {
    IniDocument document = IniDocument::Parse(GetParam().before);
    document.Set("Settings", GetParam().key, GetParam().value);
    EXPECT_EQ(document.Serialize(), GetParam().after);
    EXPECT_EQ(IniDocument::Parse(document.Serialize()).Find("Settings", GetParam().key), GetParam().value);
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
    Table, IniEditTest,
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

TEST(IniDocumentTest, StorableTextsHoldNoLineBreak) {
    for (const char* value : {"/a.wav\n", "/a.wav\r", "/a\r.wav", "\r\n"})
        EXPECT_FALSE(IsStorableValue(value)) << value;
    EXPECT_TRUE(IsStorableValue("/a b=c;#.wav"));
    EXPECT_FALSE(IsStorableKey("Bad=Key"));
    EXPECT_FALSE(IsStorableSection("Bad]Section"));
}

} // namespace
} // namespace stillmark
