#include "ui/main/SoundPathField.h"

#include <algorithm>
#include <gtk/gtk.h>
#include <string_view>
#include <vector>
#include <wx/textctrl.h>

namespace stillmark {

namespace {

constexpr std::string_view kEllipsis = "...";

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offsets at which a tail of the text may start, from the longest tail to the shortest.
std::vector<std::size_t> TailStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (!IsUtf8Continuation(text[i])) {
            starts.push_back(i);
        }
    }
    return starts;
}

} // namespace

FittedPath FitPathToWidth(const std::string& text, int availableWidth,
                          const std::function<int(const std::string&)>& measure) {
    if (text.empty() || measure(text) <= availableWidth) {
        return {text, false};
    }
    const std::vector<std::size_t> starts = TailStarts(text);
    const auto shortenedFrom = [&](std::size_t start) { return std::string(kEllipsis) + text.substr(start); };
    // Longer tails are wider: find the first (longest) one that fits by halving.
    std::size_t low = 0;
    std::size_t high = starts.size(); // starts[high] would be the empty tail
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (measure(shortenedFrom(starts[mid])) <= availableWidth) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    if (low == starts.size()) {
        return {std::string(kEllipsis), true};
    }
    return {shortenedFrom(starts[low]), true};
}

int TextAreaWidth(wxTextCtrl& field) {
    auto* widget = static_cast<GtkWidget*>(field.GetHandle());
    if (widget != nullptr && GTK_IS_ENTRY(widget) && gtk_widget_get_realized(widget) &&
        gtk_widget_get_allocated_width(widget) > 1) {
        GdkRectangle area{};
        gtk_entry_get_text_area(GTK_ENTRY(widget), &area);
        if (area.width > 0) {
            return area.width;
        }
    }
    // Not laid out yet (a dialog before it is first shown): the field's width less the entry's
    // border and padding, as its theme gives them.
    int inner = field.GetSize().x;
    if (widget != nullptr) {
        GtkStyleContext* style = gtk_widget_get_style_context(widget);
        const GtkStateFlags state = gtk_style_context_get_state(style);
        GtkBorder padding{};
        GtkBorder border{};
        gtk_style_context_get_padding(style, state, &padding);
        gtk_style_context_get_border(style, state, &border);
        inner -= padding.left + padding.right + border.left + border.right;
    }
    return std::max(inner, 0);
}

bool ShowFittedSoundPath(wxTextCtrl& field, const std::string& text) {
    const FittedPath fitted = FitPathToWidth(text, TextAreaWidth(field), [&field](const std::string& s) {
        return field.GetTextExtent(wxString::FromUTF8(s)).x;
    });
    field.ChangeValue(wxString::FromUTF8(fitted.shown));
    field.SetInsertionPointEnd();
    field.ShowPosition(field.GetLastPosition());
    return fitted.shortened;
}

} // namespace stillmark
