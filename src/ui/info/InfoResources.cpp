#include "ui/info/InfoResources.h"

#include <wx/xrc/xmlres.h>

#include "XmlResources.h"

namespace stillmark {

void EnsureXmlResources() {
    wxXmlResource* resources = wxXmlResource::Get();
    if (resources->GetResourceNode("1050"))
        return; // already loaded by the program's start-up
    resources->InitAllHandlers();
    InitXmlResource();
}

} // namespace stillmark
