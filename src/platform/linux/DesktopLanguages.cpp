#include "ui/common/CatalogLanguage.h"
#include "ui/common/DesktopLanguage.h"

#include <cstdlib>

namespace stillmark {

std::vector<std::string> DesktopLanguages() {
    return WantedLanguages([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

} // namespace stillmark
