#include "ui/common/CatalogLanguage.h"

#include <algorithm>

namespace stillmark {
namespace {

void AddLocaleName(std::string name, std::vector<std::string>& wanted) {
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty())
        return;
    if (name == "C" || name == "POSIX")
        name = "en";
    for (const std::string& language : {name, name.substr(0, name.find('_'))})
        if (std::find(wanted.begin(), wanted.end(), language) == wanted.end())
            wanted.push_back(language);
}

} // namespace

std::vector<std::string> WantedLanguages(const EnvironmentReader& environment) {
    std::vector<std::string> wanted;
    const std::string list = environment("LANGUAGE");
    for (std::size_t from = 0; from <= list.size();) {
        const std::size_t colon = std::min(list.find(':', from), list.size());
        AddLocaleName(list.substr(from, colon - from), wanted);
        from = colon + 1;
    }
    if (!wanted.empty())
        return wanted;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string locale = environment(name);
        if (!locale.empty()) {
            AddLocaleName(locale, wanted);
            break;
        }
    }
    return wanted;
}

std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::function<bool(const std::string&)>& hasCatalog) {
    for (const std::string& language : wanted) {
        if (language == "en" || language.rfind("en_", 0) == 0)
            return "en";
        if (hasCatalog(language))
            return language;
    }
    return "en";
}

} // namespace stillmark
