// The file dialog's filter entries, initial folder and remembered entry.
#include "sound/SoundSelection.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/filefn.h>
#include <wx/tokenzr.h>

namespace stillmark {
namespace {

TEST(SoundSelectionTest, WildcardHasTheFourEntriesWithTheirLabels) {
    wxArrayString labels, patterns;
    ASSERT_EQ(wxParseCommonDialogsFilter(wxString::FromUTF8(SoundFileWildcard()), labels, patterns), 4);
    EXPECT_EQ(labels[0], "Windows Audio Files (*.wav)");
    EXPECT_EQ(labels[1], "MPEG-1 Audio Layer-3 (*.mp3)");
    EXPECT_EQ(labels[2], "Windows Media Audio (*.wma)");
    EXPECT_EQ(labels[3], "All playable sounds (*.wav, *.mp3, *.wma)");
}

// Matches a file name the way the GTK file chooser does with the patterns wx hands it.
bool GtkEntryShows(const wxString& patternList, const char* fileName) {
    GtkFileFilter* filter = gtk_file_filter_new();
    g_object_ref_sink(filter);
    wxStringTokenizer tokens(patternList, ";");
    while (tokens.HasMoreTokens())
        gtk_file_filter_add_pattern(filter, tokens.GetNextToken().utf8_str());
    GtkFileFilterInfo info{};
    info.contains = GTK_FILE_FILTER_DISPLAY_NAME;
    info.display_name = fileName;
    const bool shown = gtk_file_filter_filter(filter, &info);
    g_object_unref(filter);
    return shown;
}

TEST(SoundSelectionTest, EntriesShowTheirFilesInAnyLetterCase) {
    wxArrayString labels, patterns;
    wxParseCommonDialogsFilter(wxString::FromUTF8(SoundFileWildcard()), labels, patterns);
    ASSERT_EQ(patterns.size(), 4u);
    struct Case {
        const char* name;
        bool wav, mp3, wma, all;
    };
    const Case cases[]{
        {"bell.wav", true, false, false, true}, {"BELL.WAV", true, false, false, true},
        {"Bell.Wav", true, false, false, true}, {"song.mp3", false, true, false, true},
        {"SONG.MP3", false, true, false, true}, {"talk.wma", false, false, true, true},
        {"Talk.wMa", false, false, true, true}, {"tune.ogg", false, false, false, false},
        {"wav", false, false, false, false},    {"bell.wav.txt", false, false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GtkEntryShows(patterns[0], c.name), c.wav) << c.name;
        EXPECT_EQ(GtkEntryShows(patterns[1], c.name), c.mp3) << c.name;
        EXPECT_EQ(GtkEntryShows(patterns[2], c.name), c.wma) << c.name;
        EXPECT_EQ(GtkEntryShows(patterns[3], c.name), c.all) << c.name;
    }
}

TEST(SoundSelectionTest, InitialFolderIsTheTextBeforeTheLastSlash) {
    const std::pair<std::string, std::string> cases[]{
        {"/home/ann/Sounds/bell.wav", "/home/ann/Sounds"},
        {"/home/ann/my.sounds/bell", "/home/ann/my.sounds"},
        {"Sounds/bell.wav", "Sounds"},
        {"/bell.wav", "/"},
        {"Default", ""},
        {"", ""},
        {"bell.wav", ""},
    };
    for (const auto& [soundText, folder] : cases)
        EXPECT_EQ(InitialFolderOf(soundText), folder) << soundText;
}

TEST(SoundSelectionTest, StoredFilterNumberMapsToTheDialogIndex) {
    const std::pair<int, int> cases[]{{1, 0}, {2, 1}, {3, 2}, {4, 3}, {0, 0}, {5, 0}, {-3, 0}, {1000, 0}};
    for (const auto& [stored, index] : cases)
        EXPECT_EQ(DialogFilterIndexOf(stored), index) << stored;
    for (int index = 0; index < kSoundFilterCount; ++index)
        EXPECT_EQ(DialogFilterIndexOf(StoredFilterOf(index)), index);
}

} // namespace
} // namespace stillmark
