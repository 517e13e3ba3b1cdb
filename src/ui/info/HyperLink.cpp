#include "ui/info/HyperLink.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "app/MessageBox.h"
#include "ui/info/BrowserLookup.h"
#include "ui/info/LinkOpener.h"
#include "ui/info/LinkRules.h"

CHyperLink::CHyperLink() : m_hoverTimer(this, m_nHoverTimerId) {}

CHyperLink::~CHyperLink() {
    m_hoverTimer.Stop();
}

bool CHyperLink::Attach(wxWindow* parent, int id) {
    if (m_bAttached || !parent)
        return false;
    wxWindow* original = parent->FindWindow(id);
    if (!original || original->GetParent() != parent)
        return false;

    const wxRect rect = original->GetRect();
    const wxString text = original->GetLabel();
    m_alignment = original->GetWindowStyleFlag() & (wxALIGN_CENTRE_HORIZONTAL | wxALIGN_RIGHT);
    wxFont font = original->GetFont();
    if (!font.IsOk())
        font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);

    if (!Create(parent, id, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE))
        return false;
    MoveAfterInTabOrder(original);
    original->Destroy();
    m_bAttached = true;

    if (m_strTarget.empty())
        m_strTarget = text.utf8_string();
    SetLabel(text.empty() ? wxString::FromUTF8(m_strTarget) : text);

    m_fontPlain = font;
    m_fontUnderlined = font;
    m_fontUnderlined.SetUnderlined(true);
    SetFont(m_nUnderlineMode == UnderlineAlways ? m_fontUnderlined : m_fontPlain);
    SetBackgroundColour(parent->GetBackgroundColour());

    FitToText();
    LoadHandCursor();
    SetToolTip(wxString::FromUTF8(m_strTarget));

    Bind(wxEVT_PAINT, &CHyperLink::OnPaint, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CHyperLink::OnEraseBkgnd, this);
    Bind(wxEVT_MOTION, &CHyperLink::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CHyperLink::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CHyperLink::OnLeftUp, this);
    Bind(wxEVT_TIMER, &CHyperLink::OnTimer, this); // every timer of this control, whatever its id
    return true;
}

void CHyperLink::SetTarget(const std::string& target) {
    m_strTarget = target;
    if (m_bAttached) {
        FitToText();
        SetToolTip(wxString::FromUTF8(m_strTarget));
    }
}

void CHyperLink::SetLabel(const wxString& label) {
    m_text = label;
    if (m_bAttached)
        Refresh();
}

void CHyperLink::SetColors(const wxColour& normal, const wxColour& visited, const wxColour& hover) {
    m_clrNormal = normal;
    m_clrVisited = visited;
    m_clrHover = hover.IsOk() ? hover : wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    if (m_bAttached)
        Refresh();
}

void CHyperLink::SetVisitedState(bool visited) {
    m_bVisitedState = visited;
    if (m_bAttached)
        Refresh();
}

void CHyperLink::SetHandCursor(const wxCursor& cursor) {
    m_hHandCursor = cursor;
    if (!m_hHandCursor.IsOk())
        LoadHandCursor();
    else if (m_bAttached)
        SetCursor(m_hHandCursor);
}

void CHyperLink::SetUnderlineMode(int mode) {
    if (mode == m_nUnderlineMode)
        return;
    if (m_bAttached) {
        SetFont(mode == UnderlineAlways ? m_fontUnderlined : m_fontPlain);
        Refresh();
    }
    m_nUnderlineMode = mode;
}

void CHyperLink::SetFitToText(bool fit) {
    m_bFitToText = fit;
    if (m_bAttached)
        FitToText();
}

wxColour CHyperLink::CurrentTextColour() const {
    if (m_bHot)
        return m_clrHover;
    return m_bVisitedState ? m_clrVisited : m_clrNormal;
}

void CHyperLink::FitToText() {
    if (!m_bAttached || !m_bFitToText)
        return;
    // Measured with the underlined font, so the text never grows out of the window on hover.
    wxClientDC dc(this);
    dc.SetFont(m_fontUnderlined);
    wxCoord width = 0, height = 0;
    dc.GetMultiLineTextExtent(GetLabel(), &width, &height);

    const wxRect rect = GetRect();
    const wxSize frame = GetSize() - GetClientSize();
    const stillmark::LinkAlign align = (m_alignment & wxALIGN_CENTRE_HORIZONTAL)
                                           ? stillmark::LinkAlign::Centre
                                       : (m_alignment & wxALIGN_RIGHT) ? stillmark::LinkAlign::Right
                                                                       : stillmark::LinkAlign::Left;
    const stillmark::LinkRect fitted =
        stillmark::FitLinkRect({rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetBottom() + 1},
                               width, height, frame.x, frame.y, align, false);
    SetSize(fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top);
}

void CHyperLink::LoadHandCursor() {
    if (!m_hHandCursor.IsOk())
        m_hHandCursor = wxCursor(wxCURSOR_HAND);
    if (m_bAttached && m_hHandCursor.IsOk())
        SetCursor(m_hHandCursor);
}

int CHyperLink::OpenTarget(const std::string& target) {
    return stillmark::OpenLink(target, stillmark::AppProcessStarter(), [] {
        return stillmark::FindBrowserCommand(stillmark::DesktopDirsFromEnvironment());
    });
}

void CHyperLink::ShowOpenError(int code) {
    stillmark::AppMessageBox().Show(stillmark::OpenErrorMessage(code), stillmark::MessageIcon::Exclamation);
}

void CHyperLink::OnClickedReflect() {
    m_bHot = false;
    const int result = OpenTarget(m_strTarget);
    m_bVisitedState = stillmark::IsOpenSuccess(result);
    if (!m_bVisitedState) {
        Refresh();
        wxBell();
        ShowOpenError(result);
    } else {
        SetVisitedState(true);
    }
}

void CHyperLink::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    dc.SetFont(GetFont());
    dc.SetTextForeground(CurrentTextColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const long align = (m_alignment & wxALIGN_CENTRE_HORIZONTAL) ? wxALIGN_CENTRE_HORIZONTAL
                       : (m_alignment & wxALIGN_RIGHT)           ? wxALIGN_RIGHT
                                                                 : wxALIGN_LEFT;
    dc.DrawLabel(GetLabel(), GetClientRect(), align | wxALIGN_TOP);
}

void CHyperLink::OnEraseBkgnd(wxEraseEvent&) {
    // The paint handler fills the background itself; erasing first would only flicker.
}

void CHyperLink::OnMouseMove(wxMouseEvent& event) {
    if (!m_bHot) {
        m_bHot = true;
        if (m_nUnderlineMode == UnderlineOnHover)
            SetFont(m_fontUnderlined);
        Refresh();
        m_hoverTimer.Start(100);
    }
    event.Skip();
}

void CHyperLink::OnLeftDown(wxMouseEvent& event) {
    m_bPressed = true;
    event.Skip();
}

void CHyperLink::OnLeftUp(wxMouseEvent& event) {
    const bool click = m_bPressed && GetClientRect().Contains(event.GetPosition());
    m_bPressed = false;
    event.Skip();
    if (click)
        OnClickedReflect();
}

void CHyperLink::OnTimer(wxTimerEvent& event) {
    // Leaving is noticed by polling the pointer, which also catches a pointer that jumped away.
    const wxPoint pointer = ScreenToClient(wxGetMousePosition());
    if (!GetClientRect().Contains(pointer)) {
        m_bHot = false;
        m_bPressed = false;
        m_hoverTimer.Stop();
        if (m_nUnderlineMode != UnderlineAlways)
            SetFont(m_fontPlain);
        Refresh();
    }
    event.Skip();
}
