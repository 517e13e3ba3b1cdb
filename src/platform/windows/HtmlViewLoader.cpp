#include "ui/info/HtmlViewLoader.h"

#include "ui/info/WebHtmlView.h"

#include <wx/stdpaths.h>

namespace stillmark {

// Every Windows has Internet Explorer's engine, so the view is linked into the program itself.
std::string HtmlViewModulePath() {
    return wxStandardPaths::Get().GetExecutablePath().utf8_string();
}

std::unique_ptr<HtmlView> LoadHtmlView() {
    return std::make_unique<WebHtmlView>();
}

} // namespace stillmark
