#pragma once
// Hands a menu choice to the owner window as its wxEVT_MENU, queued: Show and Exit take the
// icon away, and with it what the menu is still running on.
class wxWindow;

namespace stillmark {

void PostMenuChoice(wxWindow& owner, int id);

} // namespace stillmark
