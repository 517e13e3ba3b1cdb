#pragma once
// A balloon-like hover tip with an icon, a bold title and a text of several lines. It never takes
// the focus and never grabs the pointer (the library's rich tool tip does). It wears the desktop's
// tool tip colours and font.
#include <string>
#include <wx/bitmap.h>
#include <wx/popupwin.h>

namespace stillmark {

class TipWindow : public wxPopupWindow {
public:
    explicit TipWindow(wxWindow* owner);

    // Sets what the tip shows and sizes it to fit; texts are UTF-8, '\n' breaks lines.
    void SetContent(const wxBitmap& icon, const std::string& title, const std::string& text);
    // Shows the tip below and to the right of the pointer, moved as needed to stay on its screen.
    void ShowAt(const wxPoint& pointerOnScreen);

    const std::string& GetTitle() const { return m_title; }
    const std::string& GetText() const { return m_text; }

    bool AcceptsFocus() const override { return false; }

    // Where a tip of the given size goes for the pointer, inside the given screen area.
    static wxPoint PlaceBesidePointer(const wxPoint& pointer, const wxSize& tipSize,
                                      const wxRect& screenArea);

private:
    void FitToContent(); // computes m_textOrigin, m_titleOrigin and the window size
    void OnPaint(wxPaintEvent& event);

    wxBitmap m_icon;
    std::string m_title;
    std::string m_text;
    wxPoint m_titleOrigin;
    wxPoint m_textOrigin;
    int m_lineHeight = 0;
};

} // namespace stillmark
