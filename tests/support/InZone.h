#pragma once
// Runs a test in another time zone (a TZ value: a zone name, a rule, or ":" and a zone file), and
// restores the process's own zone after.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace stillmark::test {

// Sets or (nullopt) removes an environment variable and makes the C library read TZ again.
inline void SetZoneVariable(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
    _putenv_s(name, value ? value->c_str() : ""); // an empty value removes it there
    _tzset();
#else
    value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    tzset();
#endif
}

class InZone {
public:
    explicit InZone(const std::string& zone) {
        if (const char* tz = std::getenv("TZ"))
            m_saved = tz;
        SetZoneVariable("TZ", zone);
    }
    InZone(const InZone&) = delete;
    InZone& operator=(const InZone&) = delete;
    ~InZone() { SetZoneVariable("TZ", m_saved); }

private:
    std::optional<std::string> m_saved;
};

} // namespace stillmark::test
