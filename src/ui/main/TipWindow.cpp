#include "ui/main/TipWindow.h"

#include <algorithm>
#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/graphics.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>

namespace stillmark {

namespace {
constexpr int kPadding = 8;
constexpr int kIconGap = 6;
constexpr int kCornerRadius = 6;
// The pointer's own picture covers about this much below its hot spot.
constexpr int kBelowPointer = 20;
constexpr int kRightOfPointer = 4;
// The border: the text's colour, faint over the background.
constexpr unsigned char kBorderAlpha = 77;

// GTK's tool tip background may be translucent; a desktop without a compositor shows it over
// black, and so does this tip.
wxColour Opaque(const wxColour& colour) {
    const auto over = [&](unsigned char channel) {
        return static_cast<unsigned char>(channel * colour.Alpha() / 255);
    };
    return {over(colour.Red()), over(colour.Green()), over(colour.Blue())};
}

wxColour Mix(const wxColour& top, unsigned char alpha, const wxColour& bottom) {
    const auto mix = [&](unsigned char upper, unsigned char lower) {
        return static_cast<unsigned char>((upper * alpha + lower * (255 - alpha)) / 255);
    };
    return {mix(top.Red(), bottom.Red()), mix(top.Green(), bottom.Green()), mix(top.Blue(), bottom.Blue())};
}

wxArrayString Lines(const std::string& text) {
    return wxSplit(wxString::FromUTF8(text), '\n', '\0');
}

wxFont TitleFont(const wxWindow& window) {
    return window.GetFont().Bold();
}
} // namespace

TipWindow::TipWindow(wxWindow* owner) : wxPopupWindow(owner, wxBORDER_NONE | wxFRAME_SHAPED) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    // The desktop's tool tip colours, as the desktop's own tips have them.
    SetBackgroundColour(Opaque(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK)));
    SetForegroundColour(Opaque(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT)));
    Bind(wxEVT_PAINT, &TipWindow::OnPaint, this);
    // A click on the tip itself dismisses it.
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) { Hide(); });
}

void TipWindow::SetContent(const wxBitmap& icon, const std::string& title, const std::string& text) {
    m_icon = icon;
    m_title = title;
    m_text = text;
    FitToContent();
    Refresh();
}

void TipWindow::FitToContent() {
    wxClientDC dc(this);
    dc.SetFont(TitleFont(*this));
    const wxSize titleSize = m_title.empty() ? wxSize() : dc.GetTextExtent(wxString::FromUTF8(m_title));
    dc.SetFont(GetFont());
    m_lineHeight = dc.GetCharHeight();
    int textWidth = 0;
    const wxArrayString lines = Lines(m_text);
    for (const wxString& line : lines) {
        textWidth = std::max(textWidth, dc.GetTextExtent(line).x);
    }
    const int textHeight = m_lineHeight * static_cast<int>(lines.size());

    const wxSize iconSize = m_icon.IsOk() ? m_icon.GetSize() : wxSize();
    const int headWidth = iconSize.x + (iconSize.x > 0 ? kIconGap : 0) + titleSize.x;
    const int headHeight = std::max(iconSize.y, titleSize.y);
    m_titleOrigin = wxPoint(kPadding + iconSize.x + (iconSize.x > 0 ? kIconGap : 0),
                            kPadding + (headHeight - titleSize.y) / 2);
    m_textOrigin = wxPoint(kPadding, kPadding + headHeight + (headHeight > 0 ? kPadding / 2 : 0));
    const wxSize size(kPadding * 2 + std::max(headWidth, textWidth), m_textOrigin.y + textHeight + kPadding);
    SetSize(size);

    // The balloon's rounded corners; where the window manager cannot shape windows it stays square.
    wxGraphicsPath path = wxGraphicsRenderer::GetDefaultRenderer()->CreatePath();
    path.AddRoundedRectangle(0, 0, size.x, size.y, kCornerRadius);
    SetShape(path);
}

wxPoint TipWindow::PlaceBesidePointer(const wxPoint& pointer, const wxSize& tipSize,
                                      const wxRect& screenArea) {
    wxPoint place(pointer.x + kRightOfPointer, pointer.y + kBelowPointer);
    if (place.x + tipSize.x > screenArea.GetRight() + 1) {
        place.x = screenArea.GetRight() + 1 - tipSize.x;
    }
    if (place.y + tipSize.y > screenArea.GetBottom() + 1) {
        // No room below: above the pointer instead.
        place.y = pointer.y - kRightOfPointer - tipSize.y;
    }
    place.x = std::max(place.x, screenArea.GetLeft());
    place.y = std::max(place.y, screenArea.GetTop());
    return place;
}

void TipWindow::ShowAt(const wxPoint& pointerOnScreen) {
    const int displayIndex = wxDisplay::GetFromPoint(pointerOnScreen);
    const wxRect area =
        wxDisplay(displayIndex == wxNOT_FOUND ? 0u : static_cast<unsigned>(displayIndex)).GetGeometry();
    Move(PlaceBesidePointer(pointerOnScreen, GetSize(), area));
    if (!IsShown()) {
        Show();
    }
    Refresh();
}

void TipWindow::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    dc.SetPen(wxPen(Mix(GetForegroundColour(), kBorderAlpha, GetBackgroundColour())));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRoundedRectangle(0, 0, size.x, size.y, kCornerRadius);

    if (m_icon.IsOk()) {
        dc.DrawBitmap(m_icon, kPadding, kPadding, true);
    }
    dc.SetTextForeground(GetForegroundColour());
    dc.SetFont(TitleFont(*this));
    dc.DrawText(wxString::FromUTF8(m_title), m_titleOrigin);
    dc.SetFont(GetFont());
    int y = m_textOrigin.y;
    for (const wxString& line : Lines(m_text)) {
        dc.DrawText(line, m_textOrigin.x, y);
        y += m_lineHeight;
    }
}

} // namespace stillmark
