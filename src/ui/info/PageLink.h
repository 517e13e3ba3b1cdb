#pragma once
// The links of the program's own page, as its view sorts them before any navigation.
#include <optional>
#include <string>

namespace stillmark {

enum class PageLinkKind {
    Internal, // loads in the view: the page's own files, anchors, the view's blank page
    External, // http(s), mailto and other schemes: the desktop's default application opens it
    App,      // "app:" (any letter case): the program's own, never navigates
};

PageLinkKind ClassifyPageLink(const std::string& url);
// The text after "app:" when the URL begins with it (letter case ignored), else nothing.
std::optional<std::string> AppLinkRest(const std::string& url);

} // namespace stillmark
