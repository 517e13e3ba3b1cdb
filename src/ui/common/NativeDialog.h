#pragma once
// The desktop's own dialogs (a message box, the file chooser) run the toolkit's own dialog loop,
// which wx's EndModal does not end; how to end one is the platform's.
class wxDialog;

namespace stillmark {

// Ends a dialog that runs the toolkit's own loop as if the user cancelled it. False when the dialog
// is not one of those (EndModal ends it then).
bool EndNativeDialog(wxDialog& dialog);

} // namespace stillmark
