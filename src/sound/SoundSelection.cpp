#include "sound/SoundSelection.h"

#include <wx/filedlg.h>
#include <wx/translation.h>

namespace stillmark {

std::string SoundFileWildcard() {
    const std::string wav = "*.[wW][aA][vV]";
    const std::string mp3 = "*.[mM][pP]3";
    const std::string wma = "*.[wW][mM][aA]";
    return _("Windows Audio Files (*.wav)").utf8_string() + "|" + wav +        //
           "|" + _("MPEG-1 Audio Layer-3 (*.mp3)").utf8_string() + "|" + mp3 + //
           "|" + _("Windows Media Audio (*.wma)").utf8_string() + "|" + wma +  //
           "|" + _("All playable sounds (*.wav, *.mp3, *.wma)").utf8_string() + "|" + wav + ";" + mp3 + ";" +
           wma;
}

std::string InitialFolderOf(const std::string& soundText) {
    const auto slash = soundText.rfind('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0)
        return "/"; // a file in the root folder
    return soundText.substr(0, slash);
}

int DialogFilterIndexOf(int storedFilter) {
    if (storedFilter < 1 || storedFilter > kSoundFilterCount)
        return 0;
    return storedFilter - 1;
}

int StoredFilterOf(int dialogFilterIndex) {
    return dialogFilterIndex + 1;
}

std::optional<SoundChoice> BrowseForSound(wxWindow* parent, const std::string& soundText, int soundFilter) {
    wxFileDialog dialog(parent, wxFileSelectorPromptStr, wxString::FromUTF8(InitialFolderOf(soundText)),
                        wxString(), wxString::FromUTF8(SoundFileWildcard()),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    dialog.SetFilterIndex(DialogFilterIndexOf(soundFilter));
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return SoundChoice{dialog.GetPath().utf8_string(), StoredFilterOf(dialog.GetFilterIndex())};
}

} // namespace stillmark
