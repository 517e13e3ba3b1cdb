#include "ui/info/DonateLayout.h"

#include <algorithm>
#include <cctype>

namespace stillmark {

DonateLayout ComputeDonateLayout(int workAreaHeight) {
    if (workAreaHeight > 600)
        return {801, 650, 0, false};
    return {800, workAreaHeight, 800 - 2 * 280, true};
}

std::string DonationPagePath(const std::string& programDir) {
    if (programDir.empty())
        return "ThankYou.html"; // no folder known: the current one, never the file system's root
    std::string dir = programDir;
    if (!dir.empty() && dir.back() == '/')
        dir.pop_back();
    return dir + "/ThankYou.html";
}

namespace {

bool HasScheme(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    return std::all_of(text.begin(), text.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

} // namespace

std::string ToNavigableUrl(const std::string& pathOrUrl, const std::string& currentDir) {
    if (HasScheme(pathOrUrl))
        return pathOrUrl;
    std::string path = pathOrUrl;
    if (path.empty() || path.front() != '/')
        path = (currentDir.empty() || currentDir.back() != '/' ? currentDir + "/" : currentDir) + path;
    static const char* const kHex = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

} // namespace stillmark
