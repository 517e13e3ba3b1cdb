#include "ui/common/DesktopLanguage.h"

#include "ui/common/CatalogLanguage.h"

#include <memory>
#include <system_error>
#include <wx/translation.h>
#include <wx/uilocale.h>

namespace stillmark {

namespace {
constexpr const char* kDomain = "stillmark";
}

std::vector<std::filesystem::path> CatalogFolders(const std::filesystem::path& programDir,
                                                  const std::filesystem::path& installedFromProgram) {
    return {programDir / "locale", (programDir / installedFromProgram).lexically_normal()};
}

bool UseDesktopLanguage(const std::vector<std::filesystem::path>& catalogFolders) {
    // Dates, day names and GTK's own dialogs follow the desktop too. The program reads and
    // writes numbers only as integers, which no locale changes.
    wxUILocale::UseDefault();
    for (const std::filesystem::path& folder : catalogFolders)
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxString::FromUTF8(folder.string()));
    // One language for Stillmark's catalog and wx's own, chosen as gettext chooses: wx alone would
    // let LANG win over LANGUAGE.
    const std::string language = ChooseLanguage(DesktopLanguages(), [&](const std::string& wanted) {
        std::error_code error;
        for (const std::filesystem::path& folder : catalogFolders)
            if (std::filesystem::exists(folder / wanted / "LC_MESSAGES" / (std::string(kDomain) + ".mo"),
                                        error))
                return true;
        return false;
    });
    auto translations = std::make_unique<wxTranslations>();
    translations->SetLanguage(wxString::FromUTF8(language));
    translations->AddStdCatalog(); // wx's own texts, where the system has them
    const bool loaded = translations->AddCatalog(kDomain, wxLANGUAGE_ENGLISH_US);
    wxTranslations::Set(translations.release()); // wx owns it from here
    return loaded;
}

std::string InDesktopLanguage(const char* english) {
    return wxGetTranslation(wxString::FromUTF8(english)).utf8_string();
}

} // namespace stillmark
