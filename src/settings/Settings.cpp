#include "settings/Settings.h"

#include "base/LeadingInteger.h"
#include "base/TextCut.h"
#include "settings/IniDocument.h"

#include <array>
#include <string_view>
#include <variant>

namespace stillmark {
namespace {

// Longest text a read returns: the old profile reader's buffer of 4096 including the terminator.
constexpr std::size_t kMaxValueBytes = 4095;

using Member = std::variant<std::string Settings::*, int Settings::*, bool Settings::*, int WindowRect::*>;

struct Key {
    std::string_view name;
    Member member;
    bool onlyWhenSet = false; // written only when not the default, or when the file already holds it
};

// Every key of the file, in the order new keys are written; the window position comes last.
const std::array<Key, 17> kKeys = {{
    {"StartHour", &Settings::startTime},
    {"EndHour", &Settings::endTime},
    {"Increment", &Settings::increment},
    {"Stillpoints", &Settings::momentCount},
    {"SoundToPlay", &Settings::reminderSound},
    {"UseSound", &Settings::useSound},
    {"StartMinimized", &Settings::startInBackground},
    {"UseAmPm", &Settings::useAmPm},
    {"ShowTip", &Settings::showTips},
    {"SoundFilter", &Settings::soundFilter},
    {"Days", &Settings::alertDays, true},
    {"PausedOn", &Settings::pausedOn, true},
    {"QuietWhenBusy", &Settings::quietWhenBusy, true},
    {"WinPosLTX", &WindowRect::left},
    {"WinPosLTY", &WindowRect::top},
    {"WinPosRBX", &WindowRect::right},
    {"WinPosRBY", &WindowRect::bottom},
}};

struct Reader {
    Settings& settings;
    const std::string& text;
    void operator()(std::string Settings::*m) const { settings.*m = CutUtf8(text, kMaxValueBytes); }
    void operator()(int Settings::*m) const {
        if (!text.empty())
            settings.*m = LeadingInteger(text);
    }
    void operator()(bool Settings::*m) const {
        if (!text.empty())
            settings.*m = LeadingInteger(text) != 0;
    }
    void operator()(int WindowRect::*m) const {
        if (!text.empty())
            settings.windowBounds.*m = LeadingInteger(text);
    }
};

struct Writer {
    const Settings& settings;
    std::string operator()(std::string Settings::*m) const { return settings.*m; }
    std::string operator()(int Settings::*m) const { return std::to_string(settings.*m); }
    std::string operator()(bool Settings::*m) const { return settings.*m ? "1" : "0"; }
    std::string operator()(int WindowRect::*m) const { return std::to_string(settings.windowBounds.*m); }
};

bool IsWindowKey(const Key& key) {
    return std::holds_alternative<int WindowRect::*>(key.member);
}

bool IsDefault(const Key& key, const Settings& settings) {
    static const Settings defaults;
    return std::visit(Writer{settings}, key.member) == std::visit(Writer{defaults}, key.member);
}

} // namespace

Settings ReadSettings(const IniDocument& document) {
    Settings settings;
    for (const Key& key : kKeys) {
        if (const auto text = document.Find(kSettingsSection, key.name))
            std::visit(Reader{settings, *text}, key.member);
    }
    return settings;
}

std::vector<std::string> WriteSettings(IniDocument& document, const Settings& settings,
                                       const Settings* since) {
    bool windowStored = settings.windowBounds != WindowRect{};
    for (const Key& key : kKeys)
        windowStored = windowStored || (IsWindowKey(key) && document.Find(kSettingsSection, key.name));

    std::vector<std::string> refused;
    for (const Key& key : kKeys) {
        if (IsWindowKey(key) && !windowStored)
            continue;
        if (key.onlyWhenSet && IsDefault(key, settings) && !document.Find(kSettingsSection, key.name))
            continue;
        const std::string value = std::visit(Writer{settings}, key.member);
        if (since && value == std::visit(Writer{*since}, key.member) &&
            document.Find(kSettingsSection, key.name))
            continue;
        if (IsStorableValue(value))
            document.Set(kSettingsSection, key.name, value);
        else
            refused.emplace_back(key.name);
    }
    return refused;
}

} // namespace stillmark
