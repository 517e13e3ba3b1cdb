#pragma once
// The "Start with the desktop" check box. The autostart entry's file is the truth: the box shows
// whether it is on, checking writes it, unchecking removes it, and a failure is told and leaves the
// box as the file is.
#include "settings/AutostartEntry.h"

#include <filesystem>

class wxCheckBox;

namespace stillmark {

class MessageBox;

class AutostartBox {
public:
    // launcher: the program the desktop starts at log-in.
    AutostartBox(wxCheckBox& box, std::filesystem::path entryFile, std::filesystem::path launcher,
                 MessageBox& messages);
    AutostartBox(const AutostartBox&) = delete;
    AutostartBox& operator=(const AutostartBox&) = delete;

private:
    void Switched();

    wxCheckBox& m_box;
    AutostartEntry m_entry;
    std::filesystem::path m_launcher;
    MessageBox& m_messages;
};

} // namespace stillmark
