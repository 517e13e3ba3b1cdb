#pragma once
// The icon's menu as plain data, top to bottom; every kind of icon builds its menu from it.
#include <string>
#include <vector>

namespace stillmark {

struct TrayMenuItem {
    int id = 0;       // 0 for a separator
    std::string text; // empty for a separator
};

// The pause entry reads "Resume reminders" while paused.
std::vector<TrayMenuItem> TrayMenuItems(bool paused);

// The text of the pause entry.
std::string PauseLabel(bool paused);

} // namespace stillmark
