#pragma once
// Choosing a sound file: the file dialog's filter entries, the folder it opens in, the remembered
// filter entry, and the thin wx part that runs the dialog.
#include <optional>
#include <string>

class wxWindow;

namespace stillmark {

constexpr int kSoundFilterCount = 4;

// The file dialog's wildcard: four entries (".wav", ".mp3", ".wma", all three). GTK matches
// patterns case-sensitively, so each extension is spelled as "[wW][aA][vV]" to find "BELL.WAV" too.
std::string SoundFileWildcard();

// The folder of the sound text: the text before its last "/", or empty ("Default", a bare name)
// so that the desktop chooses the folder.
std::string InitialFolderOf(const std::string& soundText);

// The stored filter number counts from 1; the dialog's index counts from 0. A stored number outside
// 1 to 4 opens the dialog on the first entry.
int DialogFilterIndexOf(int storedFilter);
int StoredFilterOf(int dialogFilterIndex);

struct SoundChoice {
    std::string path;
    int soundFilter; // 1-based, the entry in force when the file was chosen
};

// Runs the file-open dialog; nullopt when the user cancels.
std::optional<SoundChoice> BrowseForSound(wxWindow* parent, const std::string& soundText, int soundFilter);

} // namespace stillmark
