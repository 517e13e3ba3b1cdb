#pragma once
// Starting with Windows: the value "Stillmark" under the user's Run key holds the program's quoted path.
#include "base/Translatable.h"
#include "ui/main/Autostart.h"

#include <string>

namespace stillmark {

class RunKeyAutostart final : public Autostart {
public:
    // program: the running program's full path. keyPath: the key under HKEY_CURRENT_USER (another
    // one in tests).
    explicit RunKeyAutostart(std::string program, Translator translate = AsWritten,
                             std::string keyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run");

    std::string BoxLabel() const override;
    bool IsOn() const override;
    std::string TurnOn() override;
    std::string TurnOff() override;

    // What the value holds for a program: its path in quotes (it may contain spaces).
    static std::string Command(const std::string& program);

private:
    std::string m_program;
    Translator m_translate;
    std::string m_keyPath;
};

} // namespace stillmark
