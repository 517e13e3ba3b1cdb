#pragma once
// Loads the web view module beside the executable on first use and makes views from it.
#include <memory>
#include <string>

#include "ui/info/HtmlView.h"

namespace stillmark {

// The module's file, beside the executable.
std::string HtmlViewModulePath();
// A new view, or null when the module cannot be loaded. The module stays loaded for the run.
std::unique_ptr<HtmlView> LoadHtmlView();

} // namespace stillmark
