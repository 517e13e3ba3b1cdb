#include "ui/common/CatalogLanguage.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace stillmark {
namespace {

TEST(CatalogLanguageTest, LanguageFirstInItsOrderThenTheFirstLocaleVariableSet) {
    const auto hasCatalog = [](const std::string& language) {
        return language == "de" || language == "fr" || language == "nl" || language == "pt_BR";
    };
    const struct {
        std::map<std::string, std::string> environment;
        const char* language;
    } cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv"}}, "en"}, // no catalog: the English texts, not LANG's
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv:fr_CA:de"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, "en"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", ""}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "::nl_BE@euro:"}}, "nl"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "nl_NL.UTF-8"}}, "nl"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "nl_NL.UTF-8"}, {"LC_ALL", "fr_FR.UTF-8"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, "en"},
        {{{"LANGUAGE", "pt_BR"}}, "pt_BR"},
        {{{"LANGUAGE", "pt_PT"}}, "en"}, // Brazil's catalog is not Portugal's
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{}, "en"},
    };
    for (const auto& c : cases) {
        const auto environment = [&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::string() : found->second;
        };
        std::string described;
        for (const auto& [name, value] : c.environment)
            described += name + "=" + value + " ";
        EXPECT_EQ(ChooseLanguage(WantedLanguages(environment), hasCatalog), c.language) << described;
    }
}

} // namespace
} // namespace stillmark
