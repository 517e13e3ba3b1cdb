#pragma once
// The program in the desktop's language: the first language the user asked for (on Linux as gettext
// reads it from LANGUAGE, LC_ALL, LC_MESSAGES or LANG; on Windows the display languages of the user's
// settings) that Stillmark has a catalog for, for its own texts and wx's. The English texts are the
// catalogs' message ids, so a language without a catalog, or English, shows them as written.
#include <filesystem>
#include <string>
#include <vector>

namespace stillmark {

// The folders that hold <language>/LC_MESSAGES/stillmark.mo for a program in programDir: "locale"
// beside it (the build tree) and the installed share/locale, given relative to the program's folder.
std::vector<std::filesystem::path> CatalogFolders(const std::filesystem::path& programDir,
                                                  const std::filesystem::path& installedFromProgram);

// The languages the user asked for, most wanted first, each as "de_DE" then "de" (the platform's).
std::vector<std::string> DesktopLanguages();

// Loads the catalog of the desktop's language, searching catalogFolders before the system's
// folders. Returns whether a catalog of Stillmark's own was loaded.
bool UseDesktopLanguage(const std::vector<std::filesystem::path>& catalogFolders);

// A text that a layer below the windows marked for translation, in the user's language: the
// Translator that the windows hand to those layers.
std::string InDesktopLanguage(const char* english);

} // namespace stillmark
