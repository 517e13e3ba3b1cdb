#include "ui/info/AppLink.h"

#include <strings.h>

namespace stillmark {

std::optional<std::string> AppLinkRest(const std::string& url) {
    constexpr std::size_t kPrefixLength = 4; // "app:"
    if (url.size() < kPrefixLength || strncasecmp(url.c_str(), "app:", kPrefixLength) != 0)
        return std::nullopt;
    return url.substr(kPrefixLength);
}

} // namespace stillmark
