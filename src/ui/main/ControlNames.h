#pragma once
// The names a screen reader reads for the main window's controls that show no text of their own:
// the fields by the labels beside them, the arrows, the picture buttons, the list.
class wxWindow;

namespace stillmark {

void NameControls(wxWindow& mainWindow);

} // namespace stillmark
