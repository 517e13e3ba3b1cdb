#pragma once
// Runs a test in another time zone (a TZ value: a zone name, a rule, or ":" and a zone file), and
// restores the process's own zone after.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace stillmark::test {

class InZone {
public:
    explicit InZone(const std::string& zone) {
        if (const char* tz = std::getenv("TZ"))
            m_saved = tz;
        setenv("TZ", zone.c_str(), 1);
        tzset();
    }
    InZone(const InZone&) = delete;
    InZone& operator=(const InZone&) = delete;
    ~InZone() {
        if (m_saved)
            setenv("TZ", m_saved->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_saved;
};

} // namespace stillmark::test
