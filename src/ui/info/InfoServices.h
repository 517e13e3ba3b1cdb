#pragma once
// What the About box and the donation window need of the program, handed in by whoever opens them.
#include <filesystem>

class wxWindow;

namespace stillmark {

class SoundPlayback;
class LinkOpener;
class MessageBox;

struct InfoServices {
    SoundPlayback& sound;
    LinkOpener& opener;
    MessageBox& messages;
    std::filesystem::path programDir; // the folder of the executable: the welcome sound and the page
};

// Opens the About box modally. The owner may be hidden (the program runs in the notification
// area): the box then appears centred on the screen and the owner stays hidden.
void ShowAboutBox(wxWindow* owner, InfoServices& services);

// One About box at a time: while one is open, asking again brings it forward instead of a second.
class AboutBoxOpener {
public:
    explicit AboutBoxOpener(InfoServices& services) : m_services(services) {}
    void Show(wxWindow* owner);

private:
    InfoServices& m_services;
    bool m_open = false;
};

} // namespace stillmark
