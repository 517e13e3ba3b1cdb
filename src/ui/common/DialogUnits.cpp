#include "ui/common/DialogUnits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace stillmark {
namespace {

constexpr int kLetters = 52;
// Keeps a grown scale clear of the rounding of its own division.
constexpr double kEpsilon = 1e-9;

int Edge(int units, double scale) {
    return static_cast<int>(std::lround(units * scale));
}

// A control spans units * scale pixels before its two edges are rounded, so its width in pixels
// is more than units * scale - 1: it holds `needs` pixels wherever it sits once that span does.
bool Holds(int units, double scale, int needs) {
    return units * scale >= needs;
}

std::optional<int> ParseInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

DialogUnitScale ScaleFromFont(int lettersWidth, int charHeight) {
    return {std::max(lettersWidth, 1) / (kLetters * 4.0), std::max(charHeight, 1) / 8.0};
}

DialogUnitScale ScaleToFit(DialogUnitScale fontScale, const std::vector<TemplateFit>& controls) {
    DialogUnitScale scale = fontScale;
    for (const TemplateFit& control : controls) {
        if (control.units.x > 0 && !Holds(control.units.x, scale.x, control.needs.x))
            scale.x = static_cast<double>(control.needs.x) / control.units.x + kEpsilon;
        if (control.units.y > 0 && !Holds(control.units.y, scale.y, control.needs.y))
            scale.y = static_cast<double>(control.needs.y) / control.units.y + kEpsilon;
    }
    return scale;
}

wxRect UnitsToPixels(const wxRect& units, DialogUnitScale scale) {
    const int left = Edge(units.x, scale.x), top = Edge(units.y, scale.y);
    return {left, top, Edge(units.x + units.width, scale.x) - left,
            Edge(units.y + units.height, scale.y) - top};
}

wxSize UnitsToPixels(const wxSize& units, DialogUnitScale scale) {
    return {Edge(units.x, scale.x), Edge(units.y, scale.y)};
}

wxPoint UnitsToPixels(const wxPoint& units, DialogUnitScale scale) {
    return {Edge(units.x, scale.x), Edge(units.y, scale.y)};
}

std::optional<wxSize> ParseDialogUnits(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n'))
        text.remove_suffix(1);
    if (text.empty() || (text.back() != 'd' && text.back() != 'D'))
        return std::nullopt;
    text.remove_suffix(1);
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto x = ParseInt(text.substr(0, comma));
    const auto y = ParseInt(text.substr(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return wxSize(*x, *y);
}

} // namespace stillmark
