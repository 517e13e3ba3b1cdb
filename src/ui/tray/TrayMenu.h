#pragma once
// The icon's pop-up menu as plain data, top to bottom.
#include <string>
#include <vector>

namespace stillmark {

struct TrayMenuItem {
    int id = 0;       // 0 for a separator
    std::string text; // empty for a separator
};

const std::vector<TrayMenuItem>& TrayMenuItems();

} // namespace stillmark
