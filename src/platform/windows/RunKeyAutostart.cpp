#include "platform/windows/RunKeyAutostart.h"

#include <wx/log.h>
#include <wx/msw/registry.h>

namespace stillmark {
namespace {

constexpr const char* kValueName = "Stillmark";

wxRegKey RunKey(const std::string& keyPath) {
    return wxRegKey(wxRegKey::HKCU, wxString::FromUTF8(keyPath));
}

} // namespace

RunKeyAutostart::RunKeyAutostart(std::string program, Translator translate, std::string keyPath)
    : m_program(std::move(program)), m_translate(translate), m_keyPath(std::move(keyPath)) {}

std::string RunKeyAutostart::Command(const std::string& program) {
    return '"' + program + '"';
}

std::string RunKeyAutostart::BoxLabel() const {
    return m_translate(Translatable("Start with Windows"));
}

bool RunKeyAutostart::IsOn() const {
    // wxRegKey reports a missing key or value through wxLog: a plain "no" here.
    wxLogNull quiet;
    wxRegKey key = RunKey(m_keyPath);
    wxString value;
    return key.Exists() && key.HasValue(kValueName) && key.QueryValue(kValueName, value) && !value.empty();
}

std::string RunKeyAutostart::TurnOn() {
    if (m_program.empty())
        return m_translate(Translatable("the program's own path is not known"));
    wxLogNull quiet;
    wxRegKey key = RunKey(m_keyPath);
    // The Run key is there on every Windows: made only where it is not.
    if (!key.Create(true) || !key.SetValue(kValueName, wxString::FromUTF8(Command(m_program))))
        return FillIn(m_translate(Translatable("Stillmark cannot change its start with Windows in %s")),
                      {m_keyPath});
    return {};
}

std::string RunKeyAutostart::TurnOff() {
    wxLogNull quiet;
    wxRegKey key = RunKey(m_keyPath);
    if (!key.Exists() || !key.HasValue(kValueName))
        return {};
    if (!key.DeleteValue(kValueName))
        return FillIn(m_translate(Translatable("Stillmark cannot change its start with Windows in %s")),
                      {m_keyPath});
    return {};
}

} // namespace stillmark
