#include "ui/info/PageLink.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

namespace stillmark {

std::optional<std::string> AppLinkRest(const std::string& url) {
    constexpr std::size_t kPrefixLength = 4; // "app:"
    if (url.size() < kPrefixLength || strncasecmp(url.c_str(), "app:", kPrefixLength) != 0)
        return std::nullopt;
    return url.substr(kPrefixLength);
}

namespace {

// The scheme in lower case, or empty when the text has none (a relative link).
std::string SchemeOf(const std::string& url) {
    const auto colon = url.find(':');
    if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(url[0])))
        return {};
    const bool valid = std::all_of(url.begin(), url.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
    if (!valid)
        return {};
    std::string scheme = url.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return scheme;
}

} // namespace

PageLinkKind ClassifyPageLink(const std::string& url) {
    if (AppLinkRest(url))
        return PageLinkKind::App;
    const std::string scheme = SchemeOf(url);
    // What the view itself shows: local files (the page and its neighbours, anchors in them), its
    // blank start page and inline content. Everything else belongs to another program.
    if (scheme.empty() || scheme == "file" || scheme == "about" || scheme == "data" || scheme == "blob")
        return PageLinkKind::Internal;
    return PageLinkKind::External;
}

} // namespace stillmark
