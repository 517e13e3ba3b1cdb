#pragma once
// Opens the About box modally. The owner may be hidden (the program runs in the notification
// area): the box then appears centred on the screen and the owner stays hidden.
class wxWindow;
namespace stillmark {
class IProgramHost;
}

void ShowAboutBox(wxWindow* owner, stillmark::IProgramHost& host);
