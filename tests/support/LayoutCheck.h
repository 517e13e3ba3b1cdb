#pragma once
// Finds controls a window draws clipped: outside their parent's client area, overlapping a
// sibling, or smaller than what their content needs.
#include <string>
#include <vector>

class wxWindow;

namespace stillmark::test {

// One sentence per fault, naming the control by its window name (or class) and its label.
// Checks every shown child of `window`, recursively:
// - its rectangle lies inside its parent's client area;
// - it overlaps no shown sibling, except a frame (static box) that holds it whole;
// - it is at least as large as its best size where that matters: the height of text fields,
//   combo boxes and buttons, both sides of labels, pictures and buttons, the width of check boxes.
std::vector<std::string> FindClippedControls(const wxWindow& window);

// One sentence per shown control (recursively) whose font differs from the window's own in face or
// size: such a control does not follow the desktop's font as the window does.
std::vector<std::string> FindOtherFonts(const wxWindow& window);

// A readable name of a control for messages: "name (Class \"label\")".
std::string Describe(const wxWindow& control);

} // namespace stillmark::test
