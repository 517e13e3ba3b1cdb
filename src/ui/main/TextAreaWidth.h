#pragma once
// The width in which a text field lays out its text: the toolkit's own entry knows it.
class wxTextCtrl;

namespace stillmark {

// The width in pixels of the area in which the field lays out its text.
int TextAreaWidth(wxTextCtrl& field);

} // namespace stillmark
