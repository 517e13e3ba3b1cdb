#pragma once
// What an alert says.
#include "base/ProductIdentity.h"
#include "base/Translatable.h"

#include <string>

namespace stillmark {

inline constexpr const char* kAlertTitle = kProductName;

// "It is 12:00", a line break, "Stillmark time !": the moment's text stays as the Am-Pm setting
// wrote it, the words around it come through translate.
std::string AlertBalloonText(const std::string& momentText, Translator translate = AsWritten);

} // namespace stillmark
