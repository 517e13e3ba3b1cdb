#pragma once
// Where the main window goes at start: its stored top-left corner, or centred.
#include <optional>
#include <vector>

namespace stillmark {

struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct StoredWindowPosition {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool IsStored() const { return !(left == -1 && top == -1 && right == -1 && bottom == -1); }
};

// The top-left corner to move the window to, or nothing to centre it. A stored corner is
// used unchanged unless the window placed there would lie wholly outside every screen
// (a monitor was unplugged): then it is centred so it can be reached.
struct ScreenPoint {
    int x = 0, y = 0;
};
std::optional<ScreenPoint> ChooseWindowCorner(const StoredWindowPosition& stored, int windowWidth,
                                              int windowHeight, const std::vector<ScreenRect>& screens);

} // namespace stillmark
