#pragma once
// The icon's menu as plain data, top to bottom; every kind of icon builds its menu from it.
#include <string>
#include <vector>

namespace stillmark {

struct TrayMenuItem {
    int id = 0;       // 0 for a separator
    std::string text; // empty for a separator
};

const std::vector<TrayMenuItem>& TrayMenuItems();

} // namespace stillmark
