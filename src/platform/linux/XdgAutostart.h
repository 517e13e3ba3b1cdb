#pragma once
// Starting with the desktop through the user's autostart folder: the entry starts the launcher.
#include "platform/linux/AutostartEntry.h"
#include "ui/main/Autostart.h"

namespace stillmark {

class XdgAutostart final : public Autostart {
public:
    XdgAutostart(std::filesystem::path entryFile, std::vector<std::filesystem::path> systemEntries,
                 std::filesystem::path launcher, Translator translate = AsWritten)
        : m_entry(std::move(entryFile), std::move(systemEntries), translate),
          m_launcher(std::move(launcher)) {}

    bool IsOn() const override { return m_entry.IsOn(); }
    std::string TurnOn() override { return m_entry.TurnOn(m_launcher); }
    std::string TurnOff() override { return m_entry.TurnOff(); }

private:
    AutostartEntry m_entry;
    std::filesystem::path m_launcher;
};

} // namespace stillmark
