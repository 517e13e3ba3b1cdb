#include "ui/info/ContactTarget.h"

#include "ui/info/DonateLayout.h"

namespace stillmark {

std::string ContactTarget(const Contact& contact, const std::filesystem::path& programDir) {
    if (!contact.email.empty())
        return "mailto:" + contact.email;
    if (!contact.homePage.empty())
        return contact.homePage;
    return ToNavigableUrl((programDir / "README.md").string(), "/");
}

} // namespace stillmark
