#include "ui/info/InfoResources.h"

#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include "XmlResources.h"

namespace stillmark {

void EnsureXmlResources() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler); // the logo; owned by wxImage's handler list
    wxXmlResource* resources = wxXmlResource::Get();
    if (resources->GetResourceNode("about_box"))
        return; // already loaded by the program's start-up
    resources->InitAllHandlers();
    InitXmlResource();
}

} // namespace stillmark
