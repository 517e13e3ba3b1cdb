#pragma once
// What a screen reader reads for a control that shows no text of its own (a field named by the
// label beside it, a button with only a picture, a control of the program's own).
class wxString;
class wxWindow;

namespace stillmark {

// Names the control and, where its focus goes to an inner widget (the entry of a combo box, the
// rows of a list), that widget too.
void SetAccessibleName(wxWindow& control, const wxString& name);
// Tells a screen reader that the control is a link.
void MarkAsLink(wxWindow& control);

} // namespace stillmark
