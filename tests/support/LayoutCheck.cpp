#include "LayoutCheck.h"

#include <gtk/gtk.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/font.h>
#include <wx/hyperlink.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/window.h>

namespace stillmark::test {
namespace {

struct Needs {
    bool width = false, height = false;
};

// Which sides of a control must hold its best size. Multi-line fields wrap and scroll, lists
// scroll, frames hold other controls: their content is checked elsewhere.
Needs WhatMustFit(const wxWindow& control) {
    if (const auto* text = dynamic_cast<const wxTextCtrl*>(&control))
        return {false, !text->IsMultiLine()};
    if (dynamic_cast<const wxComboBox*>(&control))
        return {false, true};
    if (dynamic_cast<const wxCheckBox*>(&control))
        return {true, true};
    if (dynamic_cast<const wxAnyButton*>(&control) || dynamic_cast<const wxStaticText*>(&control) ||
        dynamic_cast<const wxStaticBitmap*>(&control) || dynamic_cast<const wxHyperlinkCtrlBase*>(&control))
        return {true, true};
    return {};
}

// The best size, but for push buttons GTK's own minimum: the library pads a button's best size to
// that of GTK's stock buttons, which is no content of its own.
wxSize ContentSize(const wxWindow& control) {
    const auto* button = dynamic_cast<const wxButton*>(&control);
    GtkWidget* widget = control.GetHandle();
    if (!button || button->HasFlag(wxBU_EXACTFIT) || !widget)
        return control.GetBestSize();
    int width = 0, height = 0;
    gtk_widget_get_preferred_width(widget, &width, nullptr);
    gtk_widget_get_preferred_height(widget, &height, nullptr);
    return {width, height};
}

std::string SizeText(const wxSize& size) {
    return std::to_string(size.x) + "x" + std::to_string(size.y);
}

std::string PointText(const wxPoint& point) {
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

bool Holds(const wxWindow& frame, const wxRect& inner) {
    return dynamic_cast<const wxStaticBox*>(&frame) && frame.GetRect().Contains(inner);
}

void CheckChildren(const wxWindow& parent, std::vector<std::string>& faults) {
    std::vector<const wxWindow*> shown;
    for (const wxWindow* child : parent.GetChildren())
        if (child->IsShown() && !child->IsTopLevel())
            shown.push_back(child);

    const wxRect client(wxPoint(0, 0), parent.GetClientSize());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const wxWindow& control = *shown[i];
        const wxRect rect = control.GetRect();
        if (!client.Contains(rect))
            faults.push_back(Describe(control) + " at " + PointText(rect.GetPosition()) + " size " +
                             SizeText(rect.GetSize()) + " lies outside the client area of " +
                             Describe(parent) + ", " + SizeText(client.GetSize()));
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const wxWindow& other = *shown[j];
            if (rect.Intersects(other.GetRect()) && !Holds(control, other.GetRect()) && !Holds(other, rect))
                faults.push_back(Describe(control) + " overlaps " + Describe(other));
        }
        const Needs needs = WhatMustFit(control);
        const wxSize best = ContentSize(control);
        if ((needs.width && rect.width < best.x) || (needs.height && rect.height < best.y))
            faults.push_back(Describe(control) + " is " + SizeText(rect.GetSize()) + ", its content needs " +
                             SizeText(best));
        CheckChildren(control, faults);
    }
}

std::string FontText(const wxFont& font) {
    return font.GetFaceName().utf8_string() + " " + std::to_string(font.GetPointSize()) + "pt";
}

void CheckFonts(const wxWindow& parent, const wxFont& expected, std::vector<std::string>& faults) {
    for (const wxWindow* child : parent.GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel())
            continue;
        const wxFont font = child->GetFont();
        if (font.GetPointSize() != expected.GetPointSize() || font.GetFaceName() != expected.GetFaceName())
            faults.push_back(Describe(*child) + " draws in " + FontText(font) + ", the window in " +
                             FontText(expected));
        CheckFonts(*child, expected, faults);
    }
}

} // namespace

std::vector<std::string> FindOtherFonts(const wxWindow& window) {
    std::vector<std::string> faults;
    CheckFonts(window, window.GetFont(), faults);
    return faults;
}

std::string Describe(const wxWindow& control) {
    std::string text = control.GetName().utf8_string() + " (" +
                       wxString(control.GetClassInfo()->GetClassName()).utf8_string();
    const wxString label = control.GetLabel();
    if (!label.empty())
        text += " \"" + label.utf8_string() + "\"";
    return text + ")";
}

std::vector<std::string> FindClippedControls(const wxWindow& window) {
    std::vector<std::string> faults;
    CheckChildren(window, faults);
    return faults;
}

} // namespace stillmark::test
