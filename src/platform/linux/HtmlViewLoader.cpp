#include "ui/info/HtmlViewLoader.h"

#include "base/Diagnostics.h"

#include <gmodule.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace stillmark {
namespace {

using Factory = HtmlView* (*)();

Factory LoadFactory() {
    // Through GModule, not dlopen alone: a library the module pulls in (libsoup) opens a GModule
    // from its constructor, while the sound's threads may be loading plugins through GModule. Holding
    // GModule's lock first keeps the two from waiting on each other for ever. A missing module shows
    // as the placeholder.
    const std::string path = HtmlViewModulePath();
    GModule* module = g_module_open(path.c_str(), G_MODULE_BIND_LOCAL);
    if (!module) {
        wxLogTrace(kTraceMask, "no web view module (%s): the donation page shows its placeholder",
                   wxString::FromUTF8(g_module_error()));
        return nullptr;
    }
    gpointer symbol = nullptr;
    if (!g_module_symbol(module, kHtmlViewFactoryName, &symbol) || !symbol) {
        wxLogTrace(kTraceMask,
                   "the web view module %s makes no view: the donation page shows its placeholder",
                   wxString::FromUTF8(path));
        g_module_close(module);
        return nullptr;
    }
    // Views made by the module may live until the end of the run: the module is never unloaded.
    g_module_make_resident(module);
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
