#include "ui/info/HtmlViewLoader.h"

#include <wx/dynlib.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace stillmark {
namespace {

using Factory = HtmlView* (*)();

Factory LoadFactory() {
    wxLogNull quiet; // a missing module shows as the placeholder, not as a log box
    wxDynamicLibrary library;
    if (!library.Load(wxString::FromUTF8(HtmlViewModulePath()), wxDL_NOW | wxDL_QUIET))
        return nullptr;
    bool found = false;
    void* symbol = library.GetSymbol(kHtmlViewFactoryName, &found);
    if (!found || !symbol)
        return nullptr; // the library unloads here
    // Views made by the module may live until the end of the run: the module is never unloaded.
    library.Detach();
    return reinterpret_cast<Factory>(symbol);
}

} // namespace

std::string HtmlViewModulePath() {
    const wxFileName exe(wxStandardPaths::Get().GetExecutablePath());
    return wxFileName(exe.GetPath(), STILLMARK_WEBVIEW_MODULE).GetFullPath().utf8_string();
}

std::unique_ptr<HtmlView> LoadHtmlView() {
    static const Factory factory = LoadFactory();
    if (!factory)
        return nullptr;
    return std::unique_ptr<HtmlView>(factory());
}

} // namespace stillmark
