#include "ui/main/WindowPlacement.h"

namespace stillmark {

namespace {
bool Intersects(const ScreenRect& a, const ScreenRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}
} // namespace

std::optional<ScreenPoint> ChooseWindowCorner(const StoredWindowPosition& stored, int windowWidth,
                                              int windowHeight, const std::vector<ScreenRect>& screens) {
    if (!stored.IsStored())
        return std::nullopt;
    if (screens.empty()) // nothing known about the screens: trust the stored corner
        return ScreenPoint{stored.left, stored.top};
    const ScreenRect window{stored.left, stored.top, windowWidth, windowHeight};
    for (const ScreenRect& screen : screens) {
        if (Intersects(window, screen))
            return ScreenPoint{stored.left, stored.top};
    }
    return std::nullopt;
}

} // namespace stillmark
