#include "platform/windows/WideText.h"
#include "ui/common/CatalogLanguage.h"
#include "ui/common/DesktopLanguage.h"

#include <windows.h>

namespace stillmark {

std::vector<std::string> DesktopLanguages() {
    // The display languages of the user's settings in their order, as "de-DE\0en-US\0\0".
    ULONG count = 0;
    ULONG size = 0;
    std::wstring names;
    if (::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        names.resize(size);
        if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
            names.clear();
    }
    // Read as gettext reads a LANGUAGE list, so that both platforms choose alike.
    std::string list;
    for (std::size_t from = 0; from < names.size() && names[from] != L'\0';) {
        const std::size_t end = names.find(L'\0', from);
        std::string name = Utf8FromWide(std::wstring_view(names).substr(from, end - from));
        for (char& c : name)
            if (c == '-')
                c = '_';
        list += (list.empty() ? "" : ":") + name;
        from = end + 1;
    }
    return WantedLanguages(
        [&](const char* variable) { return std::string(variable) == "LANGUAGE" ? list : ""; });
}

} // namespace stillmark
