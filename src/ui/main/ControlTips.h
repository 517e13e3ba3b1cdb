#pragma once
// The main window's tips, shown by the toolkit itself: resting the pointer on a control shows its text
// under the title "Stillmark" in bold, with the information icon. Switching them off takes effect at
// once, also for a tip already shown. The table is the program's; the class is the platform's.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <wx/bitmap.h>

class wxWindow;

namespace stillmark {

// The controls of the main window that have a tip, by resource name, with their texts, in the order
// they are added.
const std::vector<std::pair<std::string_view, std::string_view>>& ControlTipTable();

class ControlTips {
public:
    // fallbackIcon: shown where the icon theme has no information icon.
    explicit ControlTips(const wxBitmap& fallbackIcon);
    ~ControlTips();
    ControlTips(const ControlTips&) = delete;
    ControlTips& operator=(const ControlTips&) = delete;

    // Gives `control` its tip (UTF-8, '\n' breaks lines); adding it again replaces the text.
    void Add(wxWindow& control, const std::string& text);
    void Enable(bool enabled);
    bool IsEnabled() const;

    // What the toolkit shows for a tip: the title and the text, as markup where it takes markup.
    static std::string Markup(std::string_view text);
    // The markup the control's tip shows, or nothing when it has none.
    static std::string MarkupOf(const wxWindow& control);

    struct State;

private:
    std::shared_ptr<State> m_state; // shared with the widgets' handlers, which may outlive this
};

} // namespace stillmark
