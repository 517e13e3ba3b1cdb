// The record every icon call fills: fixed fields, time-out and the bounded text copies.
#include "ui/tray/NotifyIcon.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace stillmark {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += piece;
    return result;
}

TEST(FillNotifyIconData, SetsTheFixedFields) {
    const NotifyIconData data = FillNotifyIconData(WM_NOTIFYICON, "Stillmark", "text", "tip", 3);
    EXPECT_EQ(data.cbSize, 488u);
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, 0x17u);
    EXPECT_EQ(data.uCallbackMessage, 33768u);
    EXPECT_EQ(data.dwInfoFlags, 1u);
    EXPECT_EQ(FieldText(data.szInfoTitle), "Stillmark");
    EXPECT_EQ(FieldText(data.szInfo), "text");
    EXPECT_EQ(FieldText(data.szTip), "tip");
}

TEST(FillNotifyIconData, TimeoutIsInMillisecondsAndNeverWraps) {
    const struct {
        int seconds;
        std::uint32_t milliseconds;
    } cases[] = {
        {0, 0},
        {1, 1000},
        {2, 2000},
        {3, 3000},
        {-1, 0},
        {INT_MIN, 0},
        {4294967, 4294967000u},
        {4294968, UINT32_MAX},
        {INT_MAX, UINT32_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillNotifyIconData(WM_NOTIFYICON, "", "", "", c.seconds).uTimeout, c.milliseconds)
            << c.seconds << " s";
}

enum class Field { Title, Text, Tip };

struct CopyCase {
    const char* name;
    Field field;
    std::string input;
    std::string expected;
};

// Checks the copied text and that everything after it, to the field's end, is zero.
template <std::size_t N>
void ExpectField(const std::array<char, N>& field, const std::string& expected, const char* name) {
    ASSERT_LT(expected.size(), N) << name;
    EXPECT_EQ(std::string(field.data(), expected.size()), expected) << name;
    for (std::size_t i = expected.size(); i < N; ++i)
        ASSERT_EQ(field[i], '\0') << name << ": byte " << i;
}

TEST(FillNotifyIconData, CopiesTextsBoundedAndTerminated) {
    const std::string e = "\xC3\xA9";            // é, two bytes
    const std::string euro = "\xE2\x82\xAC";     // €, three bytes
    const std::string grin = "\xF0\x9F\x98\x80"; // four bytes
    const std::string a = "a";
    const std::vector<CopyCase> cases = {
        {"empty title", Field::Title, "", ""},
        {"title of 63 fits", Field::Title, Repeat(a, 63), Repeat(a, 63)},
        {"title of 64 is cut to 63", Field::Title, Repeat(a, 64), Repeat(a, 63)},
        {"long title is cut to 63", Field::Title, Repeat(a, 500), Repeat(a, 63)},
        {"text of 255 fits", Field::Text, Repeat(a, 255), Repeat(a, 255)},
        {"text of 256 is cut to 255", Field::Text, Repeat(a, 256), Repeat(a, 255)},
        {"long text is cut to 255", Field::Text, Repeat(a, 4000), Repeat(a, 255)},
        {"tip of 127 fits", Field::Tip, Repeat(a, 127), Repeat(a, 127)},
        {"tip of 128 is cut to 127", Field::Tip, Repeat(a, 128), Repeat(a, 127)},
        {"long tip is cut to 127", Field::Tip, Repeat(a, 1000), Repeat(a, 127)},
        // A cut never leaves half a character.
        {"two-byte character ending at 63 fits", Field::Title, Repeat(a, 61) + e, Repeat(a, 61) + e},
        {"two-byte character across the cut", Field::Title, Repeat(a, 62) + e, Repeat(a, 62)},
        {"three-byte character across the cut", Field::Title, Repeat(a, 61) + euro, Repeat(a, 61)},
        {"three-byte character one byte over", Field::Title, Repeat(a, 62) + euro, Repeat(a, 62)},
        {"four-byte character across the cut", Field::Title, Repeat(a, 60) + grin + a, Repeat(a, 60)},
        {"four-byte character ending at 63 fits", Field::Title, Repeat(a, 59) + grin, Repeat(a, 59) + grin},
        {"only two-byte characters", Field::Title, Repeat(e, 100), Repeat(e, 31)},
        {"only three-byte characters in the text", Field::Text, Repeat(euro, 100), Repeat(euro, 85)},
        {"only four-byte characters in the tip", Field::Tip, Repeat(grin, 100), Repeat(grin, 31)},
        {"text with line break", Field::Text,
         "Stillmark now runs in the notification area\nClick on the icon to show the dialog again",
         "Stillmark now runs in the notification area\nClick on the icon to show the dialog again"},
        // Not UTF-8 at all: cut at the byte limit rather than emptying the field.
        {"continuation bytes only", Field::Title, std::string(100, '\x80'), std::string(63, '\x80')},
    };
    for (const CopyCase& c : cases) {
        const std::string title = c.field == Field::Title ? c.input : "";
        const std::string text = c.field == Field::Text ? c.input : "";
        const std::string tip = c.field == Field::Tip ? c.input : "";
        const NotifyIconData data = FillNotifyIconData(WM_NOTIFYICON, title, text, tip, 1);
        ExpectField(data.szInfoTitle, title.empty() ? "" : c.expected, c.name);
        ExpectField(data.szInfo, text.empty() ? "" : c.expected, c.name);
        ExpectField(data.szTip, tip.empty() ? "" : c.expected, c.name);
    }
}

TEST(FieldText, StopsAtTheFieldEndWithoutTerminator) {
    std::array<char, 4> field{'a', 'b', 'c', 'd'};
    EXPECT_EQ(FieldText(field), "abcd");
    field[2] = '\0';
    EXPECT_EQ(FieldText(field), "ab");
}

} // namespace
} // namespace stillmark
