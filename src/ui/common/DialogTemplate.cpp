#include "ui/common/DialogTemplate.h"

#include <gtk/gtk.h>
#include <optional>
#include <vector>
#include <wx/anybutton.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/hyperlink.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

namespace stillmark {
namespace {

// One control the template places: its rectangle in dialog units where it gives one.
struct Placed {
    wxWindow* control = nullptr;
    std::optional<wxSize> pos, size;
};

std::optional<wxSize> Param(const wxXmlNode& object, const char* name) {
    for (const wxXmlNode* child = object.GetChildren(); child; child = child->GetNext())
        if (child->GetType() == wxXML_ELEMENT_NODE && child->GetName() == name)
            return ParseDialogUnits(child->GetNodeContent().utf8_string());
    return std::nullopt;
}

bool IsSizer(const wxString& className) {
    return className.EndsWith("Sizer") || className == "sizeritem" || className == "spacer";
}

// The template's controls beside the dialog's children, in creation order; empty when the two
// do not match one for one (then the loader's own layout stays).
std::vector<Placed> MatchControls(const wxXmlNode& dialogNode, wxDialog& dialog) {
    std::vector<Placed> placed;
    const wxWindowList& children = dialog.GetChildren();
    auto next = children.begin();
    for (const wxXmlNode* node = dialogNode.GetChildren(); node; node = node->GetNext()) {
        if (node->GetType() != wxXML_ELEMENT_NODE || node->GetName() != "object")
            continue;
        const wxString className = node->GetAttribute("class");
        if (IsSizer(className) || next == children.end())
            return {};
        wxWindow* control = *next++;
        const wxClassInfo* info = wxClassInfo::FindClass(className);
        if (info && !control->IsKindOf(info))
            return {};
        placed.push_back({control, Param(*node, "pos"), Param(*node, "size")});
    }
    return next == children.end() ? placed : std::vector<Placed>{};
}

wxSize GtkMinimumSize(wxWindow& control) {
    GtkWidget* widget = control.GetHandle();
    if (!widget)
        return control.GetBestSize();
    int width = 0, height = 0;
    gtk_widget_get_preferred_width(widget, &width, nullptr);
    gtk_widget_get_preferred_height(widget, &height, nullptr);
    return {width, height};
}

} // namespace

wxSize ContentNeeds(wxWindow& control) {
    control.InvalidateBestSize();
    if (auto* text = dynamic_cast<wxTextCtrl*>(&control))
        return text->IsMultiLine() ? wxSize() : wxSize(0, text->GetBestSize().y);
    if (dynamic_cast<wxComboBox*>(&control))
        return {0, control.GetBestSize().y};
    // The library pads a button's best size to GTK's stock buttons; the button itself needs less.
    if (dynamic_cast<wxAnyButton*>(&control) && !dynamic_cast<wxCheckBox*>(&control))
        return GtkMinimumSize(control);
    if (dynamic_cast<wxCheckBox*>(&control) || dynamic_cast<wxStaticText*>(&control) ||
        dynamic_cast<wxStaticBitmap*>(&control) || dynamic_cast<wxHyperlinkCtrlBase*>(&control))
        return control.GetBestSize();
    return {};
}

DialogUnitScale FontScale(const wxWindow& dialog) {
    wxClientDC dc(const_cast<wxWindow*>(&dialog));
    dc.SetFont(dialog.GetFont());
    const wxSize letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return ScaleFromFont(letters.x, dc.GetCharHeight());
}

DialogUnitScale ApplyDialogTemplate(wxDialog& dialog, const wxString& resourceName) {
    const wxXmlNode* node = wxXmlResource::Get()->GetResourceNode(resourceName);
    if (!node)
        return {};
    const std::vector<Placed> placed = MatchControls(*node, dialog);

    std::vector<TemplateFit> fits;
    for (const Placed& control : placed)
        if (control.size)
            fits.push_back({*control.size, ContentNeeds(*control.control)});
    const DialogUnitScale scale = ScaleToFit(FontScale(dialog), fits);

    if (const auto size = Param(*node, "size"))
        dialog.SetClientSize(UnitsToPixels(*size, scale));
    for (const Placed& control : placed) {
        if (control.pos && control.size)
            control.control->SetSize(
                UnitsToPixels(wxRect(wxPoint(control.pos->x, control.pos->y), *control.size), scale));
        else if (control.pos)
            control.control->Move(UnitsToPixels(wxPoint(control.pos->x, control.pos->y), scale));
    }
    return scale;
}

} // namespace stillmark
