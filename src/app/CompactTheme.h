#pragma once
namespace stillmark {
// Trims GTK's generous control padding so controls fit rectangles laid out in dialog units.
void ApplyCompactTheme();
} // namespace stillmark
