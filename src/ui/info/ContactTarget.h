#pragma once
// Where the About box's "Contact me" leads: the contact address and the home page are set once,
// when the program is built (STILLMARK_CONTACT_EMAIL, STILLMARK_HOMEPAGE).
#include <filesystem>
#include <string>

namespace stillmark {

struct Contact {
    std::string email;    // empty: none set
    std::string homePage; // empty: none set
};

// The values this build was configured with.
Contact BuildContact();

// A mail to the contact address; without one the home page; without that the README beside the
// program, so the link never leads to an address that cannot work.
std::string ContactTarget(const Contact& contact, const std::filesystem::path& programDir);

} // namespace stillmark
