#pragma once
// Fitting a sound path into the sound field: a path wider than the field shows as "..." and the
// longest end of the path that fits.
#include <functional>
#include <string>

class wxTextCtrl;

namespace stillmark {

struct FittedPath {
    std::string shown; // what the field shows
    bool shortened;    // whether that is "..." and an end of the text
};

// The whole text when measure(text) <= availableWidth; otherwise "..." followed by the longest end
// of the text (cut between UTF-8 characters) whose shortened form still measures within the width;
// "..." alone when no end fits.
FittedPath FitPathToWidth(const std::string& text, int availableWidth,
                          const std::function<int(const std::string&)>& measure);

// The width in pixels of the area in which the field lays out its text.
int TextAreaWidth(wxTextCtrl& field);

// Shows the text fitted into the field (without a change event), with the caret at its end.
// Returns whether the field shows a shortened form.
bool ShowFittedSoundPath(wxTextCtrl& field, const std::string& text);

} // namespace stillmark
