#pragma once
class wxWindow;

namespace stillmark {
// Trims GTK's generous control padding so controls fit rectangles laid out in dialog units.
void ApplyCompactTheme();
// Lets a check box's label wrap onto further lines within the box's width.
void EnableMultilineLabel(wxWindow& checkBox);
} // namespace stillmark
