#pragma once
// Which language the program speaks, decided as gettext decides it, so that the program's catalog, wx's
// own and the desktop's programs agree: LANGUAGE's list in its order when it is set, otherwise the first
// of LC_ALL, LC_MESSAGES and LANG. Nothing here knows wx or the display.
#include <functional>
#include <string>
#include <vector>

namespace stillmark {

// A variable of the environment; empty when unset.
using EnvironmentReader = std::function<std::string(const char* name)>;

// The languages asked for, most wanted first, each as written without its codeset and modifier and then
// as its language alone ("de_DE.UTF-8" gives "de_DE", "de"). "C" and "POSIX" read as "en".
std::vector<std::string> WantedLanguages(const EnvironmentReader& environment);

// The first wanted language that is English (the texts as written) or that has a catalog; "en" when
// none has. A list that names a language without a catalog does not fall back to LANG: gettext would not.
std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::function<bool(const std::string& language)>& hasCatalog);

} // namespace stillmark
