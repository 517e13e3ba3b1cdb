#pragma once
// Dialog units: a template's geometry in quarters of the font's average letter width and eighths
// of its height, turned into pixels. No window needed.
#include <optional>
#include <string_view>
#include <vector>
#include <wx/gdicmn.h>

namespace stillmark {

// Pixels per dialog unit, kept fractional: rounding the letter width to whole pixels first
// (as the library does) makes a template up to 7% narrower than its font.
struct DialogUnitScale {
    double x = 0, y = 0;
    bool operator==(const DialogUnitScale&) const = default;
};

// lettersWidth: the width of "A".."Z" "a".."z" in the font; charHeight: its line height.
DialogUnitScale ScaleFromFont(int lettersWidth, int charHeight);

// A control's template size (dialog units) and what its content needs (pixels; 0: nothing).
struct TemplateFit {
    wxSize units;
    wxSize needs;
};

// The font's scale, grown in either direction just enough that each control's content fits
// the size its template gives it; the template keeps its proportions along each axis.
DialogUnitScale ScaleToFit(DialogUnitScale fontScale, const std::vector<TemplateFit>& controls);

// A template rectangle in pixels. The edges are rounded, not the size, so controls that meet in
// the template meet on the screen too.
wxRect UnitsToPixels(const wxRect& units, DialogUnitScale scale);
wxSize UnitsToPixels(const wxSize& units, DialogUnitScale scale);
wxPoint UnitsToPixels(const wxPoint& units, DialogUnitScale scale);

// A resource's "x,y" value in dialog units ("53,15d"); nothing for plain pixels or bad text.
std::optional<wxSize> ParseDialogUnits(std::string_view text);

} // namespace stillmark
