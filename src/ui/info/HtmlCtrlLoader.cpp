#include "ui/info/HtmlCtrlLoader.h"

#include <wx/dynlib.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace stillmark {
namespace {

using Factory = IHtmlCtrl* (*)();

Factory LoadFactory() {
    wxLogNull quiet; // a missing module is reported by the placeholder, not by a log box
    wxDynamicLibrary library;
    if (!library.Load(wxString::FromUTF8(HtmlCtrlModulePath()), wxDL_NOW | wxDL_QUIET))
        return nullptr;
    bool found = false;
    void* symbol = library.GetSymbol(kHtmlCtrlFactoryName, &found);
    if (!found || !symbol)
        return nullptr; // the library unloads here
    // Views made by the module may live until the end of the run: the module is never unloaded.
    library.Detach();
    return reinterpret_cast<Factory>(symbol);
}

} // namespace

std::string HtmlCtrlModulePath() {
    const wxFileName exe(wxStandardPaths::Get().GetExecutablePath());
    return wxFileName(exe.GetPath(), STILLMARK_WEBVIEW_MODULE).GetFullPath().utf8_string();
}

std::unique_ptr<IHtmlCtrl> LoadHtmlCtrl() {
    static const Factory factory = LoadFactory();
    if (!factory)
        return nullptr;
    return std::unique_ptr<IHtmlCtrl>(factory());
}

} // namespace stillmark
